#include "platform/qt/dialog_window.h"

#include "resources/resource_ids.h"

#include <QKeyEvent>
#include <QVBoxLayout>

DialogWindow::DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_owner(owner) {
    const QFont font = DialogFont();
    const DialogBaseUnits units = BaseUnitsOf(font);
    setFont(font);
    setWindowTitle(ToQString(dialogTemplate.caption));

    auto* clientArea = new QWidget(this);
    clientArea->setFixedSize(ToPixels(dialogTemplate.width, dialogTemplate.height, units));
    m_controls = BuildControls(dialogTemplate, *clientArea, units,
                               [this](int id) { m_owner.SendCommand(id); });
    for (const auto& [id, control] : m_controls) {
        control->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(clientArea);
}

QWidget* DialogWindow::Control(int controlId) const {
    const auto found = m_controls.find(controlId);
    return found == m_controls.end() ? nullptr : found->second;
}

int DialogWindow::IdOf(const QWidget* control) {
    return control == nullptr ? 0 : control->property("controlId").toInt();
}

void DialogWindow::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        m_owner.OnInitDialog();
        FocusFirstControl();
    }
    QDialog::showEvent(event);
    m_owner.OnShowWindow();
}

bool DialogWindow::PreTranslate(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const bool escape = static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    return m_owner.PreTranslateKeyDown(escape ? DialogKey::Escape : DialogKey::Other);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (PreTranslate(event)) {
        return;
    }
    if (IdOf(focusWidget()) == 0) {
        m_owner.OnKeyDown(!event->text().isEmpty());
    }
    QDialog::keyPressEvent(event);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    return PreTranslate(event) || QDialog::eventFilter(watched, event);
}

// As on the original platform, the keyboard focus starts in the first control that takes it by
// tabbing, also before the window system has activated the window.
void DialogWindow::FocusFirstControl() {
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

void DialogWindow::accept() {
    m_owner.SendCommand(IDOK);
}

void DialogWindow::reject() {
    m_owner.SendCommand(IDCANCEL);
}
