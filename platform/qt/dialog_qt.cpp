#include "platform/qt/dialog_window.h"

#include "platform/qt/log_pane.h"
#include "platform/qt/picture.h"
#include "resources/resource_ids.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <map>

namespace {

template <class Control> Control* Find(const DialogWindow& window, int controlId) {
    return qobject_cast<Control*>(window.Control(controlId));
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, CDialog* parent)
    : m_window(std::make_unique<DialogWindow>(*this, dialogTemplate,
                                              parent == nullptr ? nullptr : &parent->Window())) {
    AddCommandHandler(IDOK, [this] { OnOK(); });
    AddCommandHandler(IDCANCEL, [this] { OnCancel(); });
}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    return m_window->exec();
}

void CDialog::EndDialog(int result) {
    m_window->done(result);
}

int CDialog::GetResult() const {
    return m_window->result();
}

void CDialog::ShowWindow(bool show) {
    m_window->setVisible(show);
}

bool CDialog::IsWindowVisible() const {
    return m_window->isVisible();
}

void CDialog::Close() {
    m_window->close();
}

std::string CDialog::Caption() const {
    return m_window->windowTitle().toStdString();
}

ControlHandle CDialog::GetDlgItem(int controlId) const {
    return ToHandle(m_window->Control(controlId));
}

std::string CDialog::ItemText(int controlId) const {
    if (const auto* pane = Find<QPlainTextEdit>(*m_window, controlId)) {
        return PaneText(*pane).toStdString();
    }
    const auto* edit = Find<QLineEdit>(*m_window, controlId);
    const auto* label = Find<QLabel>(*m_window, controlId);
    return (edit != nullptr    ? edit->text()
            : label != nullptr ? label->text()
                               : QString())
        .toStdString();
}

// A typing limit must never cut a value that is already longer: it would be stored shortened
// on OK without anyone having changed it. Such a value is shown whole, and its check refuses it.
void CDialog::SetItemText(int controlId, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (auto* edit = Find<QLineEdit>(*m_window, controlId)) {
        edit->setMaxLength(std::max(edit->maxLength(), static_cast<int>(value.size())));
        edit->setText(value);
    } else if (auto* pane = Find<QPlainTextEdit>(*m_window, controlId)) {
        SetPaneText(*pane, value);
    } else if (auto* label = Find<QLabel>(*m_window, controlId)) {
        label->setText(value);
    }
}

bool CDialog::IsDlgButtonChecked(int controlId) const {
    const auto* box = Find<QCheckBox>(*m_window, controlId);
    return box != nullptr && box->isChecked();
}

void CDialog::CheckDlgButton(int controlId, bool checked) {
    if (auto* box = Find<QCheckBox>(*m_window, controlId)) {
        box->setChecked(checked);
    }
}

void CDialog::LimitItemText(int controlId, int maxChars) {
    if (auto* edit = Find<QLineEdit>(*m_window, controlId)) {
        edit->setMaxLength(std::max(maxChars, static_cast<int>(edit->text().size())));
    }
}

void CDialog::GotoDlgCtrl(int controlId) {
    if (QWidget* control = m_window->Control(controlId)) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

int CDialog::FocusedItemId() const {
    return DialogWindow::IdOf(m_window->focusWidget());
}

int CDialog::GetNextDlgTabItem(int controlId) const {
    QWidget* control = m_window->Control(controlId);
    QWidget* next = control == nullptr ? nullptr : control->nextInFocusChain();
    while (next != control &&
           ((next->focusPolicy() & Qt::TabFocus) == 0 || DialogWindow::IdOf(next) == 0)) {
        next = next->nextInFocusChain();
    }
    return DialogWindow::IdOf(next);
}

// X11, Wayland and macOS give a window no system menu of its own; the same commands are
// reached from the window's menu.
void CDialog::AppendSystemMenuItem(int, const std::string&) {}

void CDialog::SetIcon(int iconId) {
    m_window->setWindowIcon(RenderIcon(iconId));
}

void CDialog::MakeApplicationWindow() {
    m_window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint);
}
