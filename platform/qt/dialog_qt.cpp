#include "platform/qt/dialog_window.h"

#include "platform/menu.h"
#include "platform/qt/log_pane.h"
#include "platform/qt/menu_bar.h"
#include "platform/qt/picture.h"
#include "resources/resource_ids.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <map>

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
    const QWidget* control = m_window->Control(controlId);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (const auto* pane = qobject_cast<const QPlainTextEdit*>(control)) {
        return PaneText(*pane).toStdString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text().toStdString();
    }
    return {};
}

// A typing limit must never cut a value that is already longer: it would be stored shortened
// on OK without anyone having changed it. Such a value is shown whole, and its check refuses it.
void CDialog::SetItemText(int controlId, const std::string& text) {
    QWidget* control = m_window->Control(controlId);
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setMaxLength(std::max(edit->maxLength(), static_cast<int>(value.size())));
        edit->setText(value);
    } else if (auto* pane = qobject_cast<QPlainTextEdit*>(control)) {
        SetPaneText(*pane, value);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
    }
}

bool CDialog::IsDlgButtonChecked(int controlId) const {
    const auto* box = qobject_cast<const QCheckBox*>(m_window->Control(controlId));
    return box != nullptr && box->isChecked();
}

void CDialog::CheckDlgButton(int controlId, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(m_window->Control(controlId))) {
        box->setChecked(checked);
    }
}

void CDialog::LimitItemText(int controlId, int maxChars) {
    if (auto* edit = qobject_cast<QLineEdit*>(m_window->Control(controlId))) {
        edit->setMaxLength(std::max(maxChars, static_cast<int>(edit->text().size())));
    }
}

void CDialog::GotoDlgCtrl(int controlId) {
    if (QWidget* control = m_window->Control(controlId)) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

int CDialog::FocusedItemId() const {
    return m_window->IdOf(m_window->focusWidget());
}

int CDialog::GetNextDlgTabItem(int controlId) const {
    QWidget* control = m_window->Control(controlId);
    for (QWidget* next = control == nullptr ? nullptr : control->nextInFocusChain();
         next != nullptr && next != control; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && m_window->IdOf(next) != 0) {
            return m_window->IdOf(next);
        }
    }
    return 0;
}

void CDialog::SetMenu(CMenu& menu) {
    m_window->SetMenuBar(menu.Bar().Attach([this](int id) { SendCommand(id); }));
}

// X11, Wayland and macOS give a window no system menu of its own; the same commands are
// reached from the window's menu.
void CDialog::AppendSystemMenuItem(int, const std::string&) {}

void CDialog::SetIcon(IconHandle icon) {
    m_window->setWindowIcon(ToQIcon(icon));
}

void CDialog::MakeApplicationWindow() {
    m_window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint);
}
