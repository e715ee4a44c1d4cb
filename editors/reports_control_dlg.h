#pragma once

#include "config/config_image.h"
#include "platform/dialog.h"

#include <array>

// Who receives the report SMS, whose calls (CLIP) and SMS commands the module accepts, and four
// report and start-up options: fifteen bits of three flag bytes of the image.
class CReportsControlDlg : public CDialog {
public:
    static constexpr std::size_t kBoxCount = 15;

    explicit CReportsControlDlg(CDialog* parent = nullptr);

    // The image is read each time the window is shown and written on OK.
    void SetImage(ConfigImage* image) { m_pImage = image; }

    // One value per check box, in the order of the boxes' ids.
    std::array<bool, kBoxCount> m_bChecked{};

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow() override;
    void OnOK() override;

private:
    std::uint8_t FlagsOf(std::size_t byteOffset) const;

    ConfigImage* m_pImage = nullptr;
};
