#pragma once

#include "platform/dialog_builder.h"

#include <QDialog>
#include <functional>
#include <map>

class CDataExchange;
class QMenuBar;

// The base of every dialog of the console. It builds its controls from a dialog template,
// finds them by id, exchanges member values with them and dispatches button commands, so the
// dialog classes themselves only bind values and handle commands.
class CDialog : public QDialog {
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Runs the dialog modally; the result is the id it was ended with (IDOK, IDCANCEL).
    int DoModal();
    void EndDialog(int result);

    QWidget* GetDlgItem(int controlId) const;
    template <class Control> Control* Item(int controlId) const {
        return qobject_cast<Control*>(GetDlgItem(controlId));
    }

    // Towards the controls (false) or from them with validation (true). A failed check has
    // shown its message and focused its control; the result is then false.
    bool UpdateData(bool saveAndValidate = true);

    // Runs the handler of a button or menu command, as a click or a menu choice does.
    void SendCommand(int commandId);

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    // Once, before the window first appears; the base puts the member values into the controls.
    virtual void OnInitDialog();
    // Each time the window is shown.
    virtual void OnShowWindow() {}
    virtual void OnOK();
    virtual void OnCancel();

    void AddCommandHandler(int commandId, std::function<void()> handler);
    // Puts a menu bar above the controls; the dialog grows by its height.
    void SetMenuBar(QMenuBar* menuBar);

    void showEvent(QShowEvent* event) override;
    void accept() override;
    void reject() override;

private:
    void FocusFirstControl();

    QWidget* m_clientArea = nullptr;
    ControlMap m_controls;
    std::map<int, std::function<void()>> m_commandHandlers;
    bool m_initialised = false;
};
