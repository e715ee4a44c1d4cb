#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& SmsTextsTemplate() {
    static const DialogTemplate kTemplate{
        IDD_SMS_TEXTS,
        "Teksty powiadomień",
        397,
        234,
        {
            {IDOK, ControlKind::DefaultPushButton, "OK", {7, 213, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {64, 213, 50, 14}},
        },
    };
    return kTemplate;
}
