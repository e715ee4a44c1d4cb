#pragma once

#include "platform/win32/windows_api.h"

// The menu behind a CMenu. The CMenu owns it; a window only shows it.
struct MenuBar {
    ~MenuBar() {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
    }

    HMENU menu = nullptr;
};
