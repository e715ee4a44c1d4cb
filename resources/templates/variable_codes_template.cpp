#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& VariableCodesTemplate() {
    static const DialogTemplate kTemplate{
        IDD_VARIABLE_CODES,
        "Dialog",
        229,
        219,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {7, 198, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {64, 198, 50, 14}},
        },
    };
    return kTemplate;
}
