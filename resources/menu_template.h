#pragma once

#include <string_view>
#include <vector>

struct MenuItemTemplate {
    int commandId = 0;
    std::string_view label; // & marks the mnemonic letter
};

struct MenuPopupTemplate {
    std::string_view label;
    std::vector<MenuItemTemplate> items;
};

using MenuTemplate = std::vector<MenuPopupTemplate>;

const MenuTemplate& FindMenuTemplate(int menuId);
