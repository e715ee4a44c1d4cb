#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& GeneralSettingsTemplate() {
    static const DialogTemplate kTemplate{
        IDD_GENERAL_SETTINGS,
        "Ustawienia ogólne",
        257,
        254,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {7, 233, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {64, 233, 50, 14}},
        },
    };
    return kTemplate;
}
