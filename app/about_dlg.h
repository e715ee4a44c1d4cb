#pragma once

#include "platform/dialog.h"

#include <string>

// Names the program and shows its version.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CDialog* parent = nullptr);

    std::string m_strVersion;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow() override;
};
