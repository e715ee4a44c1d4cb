#pragma once

#include "config/config_image.h"
#include "config/image_layout.h"
#include "editors/flag_codec.h"
#include "platform/dialog.h"

#include <array>

// Edits, for each input line, which telephones it reports to and which edge of its input
// activates it. It reads the image each time it is shown and writes it only on OK.
class CLineSettingsDlg : public CDialog {
public:
    explicit CLineSettingsDlg(CDialog* parent = nullptr);

    void SetImage(ConfigImage* image) { m_pImage = image; }

    // Line 1 first; within a line TEL1, TEL2, TEL3, NO, NC.
    std::array<LineFlags, kInputLineCount> m_lines{};

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow() override;
    void OnOK() override;

private:
    ConfigImage* m_pImage = nullptr;
};
