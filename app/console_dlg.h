#pragma once

#include "config/config_image.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/menu.h"

#include <functional>
#include <optional>
#include <string>

class OperationLog;

// The selected COM port: one digit '1' to '9' and a NUL, so it also serves as a text.
extern char g_comPortDigit[2];

// The console window: the menu through which every command is reached, the picture of the
// module and the log pane in which the commands report.
class CConsoleDlg : public CDialog {
public:
    // argumentText: the command line after the program's name, as one text; nothing when
    // there is no argument.
    explicit CConsoleDlg(std::optional<std::string> argumentText);

    ConfigImage& Image() { return m_image; }
    const CMenu& Menu() const { return m_menu; }

    // The log has two layers: the log text m_strLog, which the window's own commands change,
    // and the pane, to which the module operations append.
    void RefreshLogPane();
    void ClearLogPane();
    void AppendToLogPane(const std::string& text);

    void OnLoadFile();
    void OnSaveFile();
    void OnExit();
    void OnComPort(char digit);
    void OnAbout();
    void OnReadConfiguration();
    void OnSendConfiguration();
    void OnModuleVersion();
    void OnGeneralSettings();
    void OnLineSettings();
    void OnSmsTexts();
    void OnReportsControl();

    std::string m_strLog;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;
    void OnCancel() override;
    bool PreTranslateKeyDown(DialogKey key) override;
    void OnKeyDown(bool typesCharacter) override;

private:
    void AddMenuHandlers();
    void ShowComPortDevices();
    void LoadStartupFile();
    void TraceKey(const std::string& trace);
    void RunOperation(const std::function<void(OperationLog&)>& operation);

    std::optional<std::string> m_argumentText;
    ConfigImage m_image{};
    CEdit m_editLog;
    CMenu m_menu;
    bool m_operationRunning = false;
    bool m_closeRequested = false;
};
