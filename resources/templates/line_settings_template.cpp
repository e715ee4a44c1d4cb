#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& LineSettingsTemplate() {
    static const DialogTemplate kTemplate{
        IDD_LINE_SETTINGS,
        "Ustawienia linii meldunkowych",
        162,
        210,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {7, 189, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {64, 189, 50, 14}},
        },
    };
    return kTemplate;
}
