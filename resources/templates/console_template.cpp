#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& ConsoleTemplate() {
    static const DialogTemplate kTemplate{
        IDD_CONSOLE,
        "Konsola GRT-8",
        342,
        315,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {285, 7, 50, 14}, Hidden | Disabled},
            {IDCANCEL, ControlKind::PushButton, "Cancel", {285, 24, 50, 14}, Hidden},
            {IDC_HIDDEN_EDIT_1, ControlKind::Edit, "", {7, 7, 20, 14}, Hidden | Border},
            {IDC_HIDDEN_EDIT_2, ControlKind::Edit, "", {7, 24, 20, 14}, Hidden | Border},
            {IDC_STATIC, ControlKind::Picture, "", {29, 7, 280, 220}, 0, IDB_MODULE},
            {IDC_LOG,
             ControlKind::Edit,
             "",
             {7, 230, 331, 78},
             MultiLine | ReadOnly | Border | VerticalScroll | AutoHorizontalScroll},
        },
    };
    return kTemplate;
}
