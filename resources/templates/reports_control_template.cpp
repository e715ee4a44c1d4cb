#include "resources/templates/templates.h"

#include "resources/resource_ids.h"

using namespace ControlStyle;

// The entries follow the tab order: the matrix row by row, the buttons, then the options. The
// option boxes end where "Anuluj" ends, which leaves their texts room in wider fonts.
const DialogTemplate& ReportsControlTemplate() {
    static const DialogTemplate kTemplate{
        IDD_REPORTS_CONTROL,
        "Ustawienia raportów i sterowania",
        176,
        193,
        {
            {IDC_STATIC,
             ControlKind::Label,
             "Raport wysyłany\nna telefony",
             {7, 7, 58, 18},
             AlignRight},
            {IDC_STATIC,
             ControlKind::Label,
             "Przyjmow.  CLIP\nz telefonów",
             {7, 27, 56, 18},
             AlignRight},
            {IDC_STATIC,
             ControlKind::Label,
             "Sterowanie SMS\nz telefonów",
             {7, 45, 57, 20},
             AlignRight},
            {IDC_STATIC, ControlKind::Label, "T\nE\nL\n1", {73, 60, 8, 36}},
            {IDC_STATIC, ControlKind::Label, "T\nE\nL\n2", {88, 60, 8, 36}},
            {IDC_STATIC, ControlKind::Label, "T\nE\nL\n3", {102, 60, 8, 36}},
            {IDC_STATIC, ControlKind::Label, "D\nO\nW\nO\nL\nN\nY", {121, 60, 8, 58}},
            {IDC_REPORT_TEL_1, ControlKind::CheckBox, "", {71, 12, 9, 8}},
            {IDC_REPORT_TEL_2, ControlKind::CheckBox, "", {85, 12, 9, 8}},
            {IDC_REPORT_TEL_3, ControlKind::CheckBox, "", {100, 12, 9, 8}},
            {IDC_CLIP_TEL_1, ControlKind::CheckBox, "", {71, 30, 9, 8}},
            {IDC_CLIP_TEL_2, ControlKind::CheckBox, "", {85, 30, 9, 8}},
            {IDC_CLIP_TEL_3, ControlKind::CheckBox, "", {100, 30, 9, 8}},
            {IDC_CLIP_ANY, ControlKind::CheckBox, "", {119, 30, 9, 8}},
            {IDC_SMS_CONTROL_TEL_1, ControlKind::CheckBox, "", {71, 49, 9, 8}},
            {IDC_SMS_CONTROL_TEL_2, ControlKind::CheckBox, "", {85, 49, 9, 8}},
            {IDC_SMS_CONTROL_TEL_3, ControlKind::CheckBox, "", {100, 49, 9, 8}},
            {IDC_SMS_CONTROL_ANY, ControlKind::CheckBox, "", {119, 49, 9, 8}},
            {IDOK, ControlKind::DefaultPushButton, "OK", {20, 172, 50, 14}},
            {IDCANCEL, ControlKind::PushButton, "Anuluj", {104, 172, 50, 14}},
            {IDC_REPORT_POWER_SOURCE,
             ControlKind::CheckBox,
             "Raportuj zmianę źródła zasilania",
             {28, 121, 126, 10},
             TextLeftOfBox},
            {IDC_REPORT_OUTPUTS,
             ControlKind::CheckBox,
             "Raportuj zmianę stanu wyjść",
             {35, 133, 119, 10},
             TextLeftOfBox},
            {IDC_PULSE_O2_AFTER_CLIP,
             ControlKind::CheckBox,
             "Generuj impuls O2 po odebr. CLIP",
             {26, 145, 128, 10},
             TextLeftOfBox},
            {IDC_IGNORE_INPUTS_AT_START,
             ControlKind::CheckBox,
             "Ignoruj stan wejść przy starcie programu",
             {8, 157, 146, 10},
             TextLeftOfBox},
        },
    };
    return kTemplate;
}
