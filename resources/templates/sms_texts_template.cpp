#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

const DialogTemplate& SmsTextsTemplate() {
    constexpr unsigned kTextStyle = Border | AutoHorizontalScroll;
    static const DialogTemplate kTemplate{
        IDD_SMS_TEXTS,
        "Teksty powiadomień",
        397,
        234,
        {
            {IDC_TEXT_LINE_1, ControlKind::Edit, "", {37, 15, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_2, ControlKind::Edit, "", {37, 33, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_3, ControlKind::Edit, "", {37, 51, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_4, ControlKind::Edit, "", {37, 69, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_5, ControlKind::Edit, "", {37, 87, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_6, ControlKind::Edit, "", {37, 105, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_7, ControlKind::Edit, "", {37, 123, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_8, ControlKind::Edit, "", {37, 141, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_9, ControlKind::Edit, "", {37, 159, 350, 13}, kTextStyle},
            {IDC_TEXT_LINE_10, ControlKind::Edit, "", {37, 177, 350, 13}, kTextStyle},
            {IDC_TEXT_REPORT, ControlKind::Edit, "", {37, 195, 350, 13}, kTextStyle},
            {IDOK, ControlKind::DefaultPushButton, "OK", {70, 213, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {174, 213, 50, 14}},
            {IDC_VARIABLE_CODES, ControlKind::PushButton, "Spis kodów", {278, 213, 50, 14}},
            {IDC_STATIC, ControlKind::Label, "Linia 1", {7, 17, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 2", {7, 35, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 3", {7, 53, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 4", {7, 72, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 5", {7, 90, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 6", {7, 108, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 7", {7, 125, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 8", {7, 143, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 9", {7, 162, 22, 8}},
            {IDC_STATIC, ControlKind::Label, "Linia 10", {7, 180, 26, 8}},
            {IDC_STATIC, ControlKind::Label, "Raport", {7, 198, 22, 8}},
        },
    };
    return kTemplate;
}
