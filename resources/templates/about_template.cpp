#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& AboutTemplate() {
    static const DialogTemplate kTemplate{
        IDD_ABOUTBOX,
        "O programie",
        235,
        92,
        {
            {IDC_STATIC, ControlKind::Icon, "", {11, 17, 20, 20}, 0, IDR_MAINFRAME},
            {IDC_STATIC,
             ControlKind::Label,
             "Konsola konfiguracji modułu GRT-8",
             {35, 11, 139, 8},
             NoPrefix},
            {IDOK, ControlKind::DefaultPushButton, "OK", {178, 7, 50, 14}},
            {IDC_STATIC, ControlKind::Label, "Wersja", {40, 24, 26, 8}},
            {IDC_VERSION, ControlKind::Label, "DEMO", {69, 24, 84, 8}},
        },
    };
    return kTemplate;
}
