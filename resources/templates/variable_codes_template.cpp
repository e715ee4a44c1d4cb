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
            {IDC_CODES_LIST,
             ControlKind::Edit,
             "",
             {7, 7, 215, 187},
             MultiLine | ReadOnly | VerticalScroll | Border | KeyboardSelectable},
            {IDOK, ControlKind::DefaultPushButton, "OK", {89, 198, 50, 14}},
        },
    };
    return kTemplate;
}
