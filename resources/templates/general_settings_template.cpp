#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

namespace {

constexpr unsigned kEditBox = Border | AutoHorizontalScroll;

} // namespace

// Three columns run through the dialog: labels at 7, the telephone boxes at 37 and the right
// half at 107; below the telephones, check boxes at 70 and number boxes at 141.
const DialogTemplate& GeneralSettingsTemplate() {
    static const DialogTemplate kTemplate{
        IDD_GENERAL_SETTINGS,
        "Ustawienia ogólne",
        257,
        254,
        {
            {IDC_STATIC,
             ControlKind::Label,
             "SMSC: Numer centrum wiadomości odpowiedni dla sieci GSM:",
             {7, 5, 243, 8}},
            {IDC_STATIC, ControlKind::Label, "SMSC", {7, 19, 28, 8}},
            {IDC_SMSC_NUMBER, ControlKind::Edit, "", {37, 17, 64, 12}, kEditBox},
            {IDC_OPERATOR_T_MOBILE, ControlKind::PushButton, "T-Mobile", {107, 16, 33, 14}},
            {IDC_OPERATOR_ORANGE, ControlKind::PushButton, "Orange", {143, 16, 33, 14}},
            {IDC_OPERATOR_PLAY, ControlKind::PushButton, "Play", {180, 16, 33, 14}},
            {IDC_OPERATOR_PLUS, ControlKind::PushButton, "Plus", {217, 16, 33, 14}},

            {IDC_STATIC, ControlKind::Label, "Numer 1", {7, 36, 28, 8}},
            {IDC_PHONE_1, ControlKind::Edit, "", {37, 34, 64, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "Kod sieci", {107, 36, 35, 8}},
            {IDC_NETWORK_CODE, ControlKind::Edit, "", {143, 34, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "0=wybór automatyczny", {173, 36, 77, 8}},
            {IDC_STATIC, ControlKind::Label, "Numer 2", {7, 50, 28, 8}},
            {IDC_PHONE_2, ControlKind::Edit, "", {37, 48, 64, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "Numer 3", {7, 64, 28, 8}},
            {IDC_PHONE_3, ControlKind::Edit, "", {37, 62, 64, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "Numer PIN", {107, 64, 35, 8}},
            {IDC_PIN, ControlKind::Edit, "", {143, 62, 26, 12}, kEditBox},
            {IDC_STATIC,
             ControlKind::Label,
             "Niewłaściwy PIN zablokuje kartę SIM !!!",
             {107, 76, 143, 8}},

            {IDC_STATIC, ControlKind::Label, "Ograniczenie SMS", {7, 91, 61, 8}},
            {IDC_SMS_LIMIT_ACTIVE, ControlKind::CheckBox, "Aktywne,", {70, 90, 44, 10}},
            {IDC_STATIC, ControlKind::Label, "max.", {114, 91, 25, 8}, AlignRight},
            {IDC_SMS_LIMIT, ControlKind::Edit, "", {141, 89, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "SMS między raportami", {171, 91, 79, 8}},
            {IDC_STATIC, ControlKind::Label, "Raport okresowy", {7, 105, 61, 8}},
            {IDC_PERIODIC_REPORT_ACTIVE, ControlKind::CheckBox, "Aktywny,", {70, 104, 44, 10}},
            {IDC_STATIC, ControlKind::Label, "okres=", {114, 105, 25, 8}, AlignRight},
            {IDC_REPORT_PERIOD, ControlKind::Edit, "", {141, 103, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "minut", {171, 105, 79, 8}},

            {IDC_STATIC, ControlKind::GroupBox, "Czujnik T1 (linia L9)", {7, 119, 243, 41}},
            {IDC_STATIC, ControlKind::Label, "Termostat T1/O5", {13, 135, 55, 8}},
            {IDC_THERMOSTAT_1_ACTIVE, ControlKind::CheckBox, "Aktywny", {70, 134, 44, 10}},
            {IDC_STATIC, ControlKind::Label, "TL=", {114, 135, 25, 8}, AlignRight},
            {IDC_THERMOSTAT_1_LOW, ControlKind::Edit, "", {141, 133, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "TH=", {169, 135, 20, 8}, AlignRight},
            {IDC_THERMOSTAT_1_HIGH, ControlKind::Edit, "", {191, 133, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "°C", {221, 135, 12, 8}},
            {IDC_STATIC, ControlKind::Label, "Powiadamianie o temperaturze T1", {13, 148, 125, 8}},
            {IDC_TEMPERATURE_1_NOTIFY, ControlKind::CheckBox, "Aktywne", {141, 147, 44, 10}},

            {IDC_STATIC, ControlKind::GroupBox, "Czujnik T2 (linia L10)", {7, 163, 243, 41}},
            {IDC_STATIC, ControlKind::Label, "Termostat T2/O4", {13, 179, 55, 8}},
            {IDC_THERMOSTAT_2_ACTIVE, ControlKind::CheckBox, "Aktywny", {70, 178, 44, 10}},
            {IDC_STATIC, ControlKind::Label, "TL2=", {114, 179, 25, 8}, AlignRight},
            {IDC_THERMOSTAT_2_LOW, ControlKind::Edit, "", {141, 177, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "TH2=", {169, 179, 20, 8}, AlignRight},
            {IDC_THERMOSTAT_2_HIGH, ControlKind::Edit, "", {191, 177, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "°C", {221, 179, 12, 8}},
            {IDC_STATIC, ControlKind::Label, "Powiadamianie o temperaturze T2", {13, 192, 125, 8}},
            {IDC_TEMPERATURE_2_NOTIFY, ControlKind::CheckBox, "Aktywne", {141, 191, 44, 10}},

            {IDC_STATIC, ControlKind::Label, "Rozbrajanie L1", {7, 209, 61, 8}},
            {IDC_DISARMING_L1_ACTIVE, ControlKind::CheckBox, "Aktywne", {70, 208, 44, 10}},
            {IDC_STATIC, ControlKind::Label, "Sygnalizator O1", {7, 223, 61, 8}},
            {IDC_SIREN_ACTIVE, ControlKind::CheckBox, "Aktywny przez", {70, 222, 66, 10}},
            {IDC_SIREN_TIME, ControlKind::Edit, "", {141, 221, 26, 12}, kEditBox},
            {IDC_STATIC, ControlKind::Label, "s. od pobudzenia linii", {171, 223, 79, 8}},
            {IDC_STATIC, ControlKind::Label, "Remanencja wyjść", {7, 238, 61, 8}},
            {IDC_OUTPUT_REMANENCE, ControlKind::CheckBox, "Aktywna", {70, 237, 44, 10}},

            {IDOK, ControlKind::DefaultPushButton, "OK", {143, 235, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {200, 235, 50, 14}},
        },
    };
    return kTemplate;
}
