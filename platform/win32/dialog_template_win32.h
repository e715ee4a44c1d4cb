#pragma once

#include "resources/dialog_template.h"

#include "platform/win32/windows_api.h"
#include <vector>

// Window styles of the dialog itself beyond those every dialog has.
struct DialogFrame {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// The template as the window system's dialog manager reads it: an extended dialog template in
// "MS Shell Dlg" 8, so that dialog units are the platform's own and the font its UI font.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate, DialogFrame frame);
