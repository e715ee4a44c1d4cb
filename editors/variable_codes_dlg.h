#pragma once

#include "platform/dialog.h"

class QPlainTextEdit;

// A read-only list of the variable codes that may be written into the SMS texts, with what the
// module puts in their place.
class CVariableCodesDlg : public CDialog {
public:
    explicit CVariableCodesDlg(QWidget* parent = nullptr);

protected:
    void OnShowWindow() override;

private:
    QPlainTextEdit* m_editCodes = nullptr;
    bool m_bListShown = false;
};
