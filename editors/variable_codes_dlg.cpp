#include "editors/variable_codes_dlg.h"

#include "resources/resource_ids.h"

namespace {

constexpr const char* kCodeListPieces[] = {
    "Kody zmiennych w tekstach SMS:\r\n",
    "=====================================\r\n",
    "$170 - numer pobudzonej linii (00..10)\r\n",
    "$171 - stan pobudzonej linii (ON/OFF)\r\n",
    "$172 - czas [min] od ostatniej zmiany stanu linii\r\n",
    "$173 - odwrócony stan pobudzonej linii (OFF/ON)\r\n",
    "$174 - temperatura T1 [°C]\r\n",
    "$175 - temperatura T2 [°C]\r\n",
    "$177 - poziom odbieranego sygnalu GSM (0...31) \r\n\r\n",
    "$178 - stan wszystkich linii wejsciowych (12345-6789A)\r\n",
    "$179 - stan wszystkich linii wejsciowych (L/H)\r\n",
    "$180 - stan wszystkich wyjsć (123-45) (1=włączone)\r\n",
    "$181 - napięcie na wejściach analogowych \r\n\r\n",
    "$182 - lokalizacja (kanał 50 CBM-GSM) \r\n",
    "$183 - napięcie zasilania Z+ (xx.x V) \r\n",
    "$184 - licznik wysłanych wiadomości SMS \r\n",
    "$185 - stan zasilania sieciowego Z+ (ON/OFF) \r\n",
    "$191...$195 - stan wyjścia O1...O5 (0=H / 1=L)\r\n",
    "$201...$209, $200 - stan wejścia L1...L9, L10 (1=L / 0=H)\r\n",
    "$211...$219, $210 - stan wejścia L1...L9, L10 (0=L / 1=H)\r\n",
};

} // namespace

CVariableCodesDlg::CVariableCodesDlg(CDialog* parent)
    : CDialog(IDD_VARIABLE_CODES, parent), m_editCodes(GetDlgItem(IDC_CODES_LIST)) {}

// The dialog may be shown more than once; the list is written the first time only. Writing
// leaves it scrolled to its end, so it is turned back to its top to show its heading.
void CVariableCodesDlg::OnShowWindow() {
    if (m_bListShown) {
        return;
    }
    m_bListShown = true;
    for (const char* piece : kCodeListPieces) {
        m_editCodes.ReplaceSel(piece);
    }
    m_editCodes.SetSel(0, 0);
}
