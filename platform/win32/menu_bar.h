#pragma once

#include "platform/win32/windows_api.h"

#include <functional>
#include <map>

// The menu behind a CMenu. The CMenu owns it; a window only shows it.
struct MenuBar {
    ~MenuBar() {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
    }

    HMENU menu = nullptr;
    // What to bring up to date before a popup opens, by the popup.
    std::map<HMENU, std::function<void()>> popupOpening;
};
