#include "platform/dialog.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CDialog::CDialog(int templateId, QWidget* parent)
    : CDialog(FindDialogTemplate(templateId), parent) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    const QFont font = DialogFont();
    const DialogBaseUnits units = BaseUnitsOf(font);
    setFont(font);
    setWindowTitle(ToQString(dialogTemplate.caption));

    m_clientArea = new QWidget(this);
    m_clientArea->setFixedSize(ToPixels(dialogTemplate.width, dialogTemplate.height, units));
    m_controls =
        BuildControls(dialogTemplate, *m_clientArea, units, [this](int id) { SendCommand(id); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_clientArea);

    AddCommandHandler(IDOK, [this] { OnOK(); });
    AddCommandHandler(IDCANCEL, [this] { OnCancel(); });
}

int CDialog::DoModal() {
    return exec();
}

void CDialog::EndDialog(int result) {
    done(result);
}

QWidget* CDialog::GetDlgItem(int controlId) const {
    const auto found = m_controls.find(controlId);
    return found == m_controls.end() ? nullptr : found->second;
}

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

void CDialog::SetMenuBar(QMenuBar* menuBar) {
    layout()->setMenuBar(menuBar);
}

void CDialog::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
        FocusFirstControl();
    }
    QDialog::showEvent(event);
    OnShowWindow();
}

// As on the original platform, the keyboard focus starts in the first control that takes it by
// tabbing, also before the window system has activated the window.
void CDialog::FocusFirstControl() {
    if (focusWidget() != nullptr) {
        return;
    }
    for (QWidget* candidate = nextInFocusChain(); candidate != this;
         candidate = candidate->nextInFocusChain()) {
        if (candidate->isVisibleTo(this) && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus) != 0) {
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CDialog::accept() {
    SendCommand(IDOK);
}

void CDialog::reject() {
    SendCommand(IDCANCEL);
}
