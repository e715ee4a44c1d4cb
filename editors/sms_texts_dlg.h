#pragma once

#include "config/config_image.h"
#include "config/image_layout.h"
#include "platform/dialog.h"

#include <array>
#include <string>

// The eleven texts of the notification SMS: one per input line and the report. A text is edited
// with its variable codes written as "$" and three digits.
class CSmsTextsDlg : public CDialog {
public:
    static constexpr std::size_t kTextCount = kSmsTextCount;

    explicit CSmsTextsDlg(CDialog* parent = nullptr);

    // The image is read each time the window is shown and written on OK.
    void SetImage(ConfigImage* image) { m_pImage = image; }

    // Lines 1 to 10, then the report.
    std::array<std::string, kTextCount> m_strTexts;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow() override;
    void OnOK() override;

private:
    void OnVariableCodes();

    ConfigImage* m_pImage = nullptr;
};
