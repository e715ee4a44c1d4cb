#pragma once

#include "platform/dialog.h"
#include "platform/edit.h"

// A read-only list of the variable codes that may be written into the SMS texts, with what the
// module puts in their place.
class CVariableCodesDlg : public CDialog {
public:
    explicit CVariableCodesDlg(CDialog* parent = nullptr);

protected:
    void OnShowWindow() override;

private:
    CEdit m_editCodes;
    bool m_bListShown = false;
};
