#include "platform/dialog.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

CDialog::CDialog(int templateId, CDialog* parent)
    : CDialog(FindDialogTemplate(templateId), parent) {}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::SendCommand(int commandId) {
    const auto found = m_commandHandlers.find(commandId);
    if (found != m_commandHandlers.end()) {
        found->second();
    }
}

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::OnInitDialog() {
    UpdateData(false);
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::AddCommandHandler(int commandId, std::function<void()> handler) {
    m_commandHandlers[commandId] = std::move(handler);
}
