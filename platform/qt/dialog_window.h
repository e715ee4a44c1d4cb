#pragma once

#include "platform/dialog.h"
#include "platform/qt/dialog_builder.h"

#include <QDialog>

// The Qt window behind a CDialog: it holds the controls built from the template and hands the
// window's events to the dialog's handlers.
class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, QWidget* parent);

    CDialog& Owner() const { return m_owner; }
    QWidget* Control(int controlId) const;
    static int IdOf(const QWidget* control);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void accept() override;
    void reject() override;

private:
    void FocusFirstControl();
    bool PreTranslate(const QEvent* event);

    CDialog& m_owner;
    ControlMap m_controls;
    bool m_initialised = false;
};

// The widget behind a control handle, and back.
inline QWidget* ToWidget(ControlHandle control) {
    return reinterpret_cast<QWidget*>(control);
}

inline ControlHandle ToHandle(QWidget* widget) {
    return reinterpret_cast<ControlHandle>(widget);
}
