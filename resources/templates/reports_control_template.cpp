#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& ReportsControlTemplate() {
    static const DialogTemplate kTemplate{
        IDD_REPORTS_CONTROL,
        "Ustawienia raportów i sterowania",
        176,
        193,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {7, 172, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {64, 172, 50, 14}},
        },
    };
    return kTemplate;
}
