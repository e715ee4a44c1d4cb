#pragma once

#include "platform/dialog.h"

#include <QString>

// Names the program and shows its version.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QString m_strVersion;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow() override;
};
