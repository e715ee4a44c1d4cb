#include "platform/menu.h"

#include "platform/win32/dialog_window.h"
#include "platform/win32/menu_bar.h"
#include "platform/win32/wide_text.h"
#include "resources/menu_template.h"

CMenu::CMenu() : m_bar(std::make_unique<MenuBar>()) {}

CMenu::~CMenu() = default;

void CMenu::Load(int menuId) {
    m_bar = std::make_unique<MenuBar>();
    m_bar->menu = CreateMenu();
    for (const MenuPopupTemplate& popup : FindMenuTemplate(menuId)) {
        HMENU items = CreatePopupMenu();
        for (const MenuItemTemplate& item : popup.items) {
            AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(item.commandId),
                        Widen(item.label).c_str());
        }
        AppendMenuW(m_bar->menu, MF_POPUP, reinterpret_cast<UINT_PTR>(items),
                    Widen(popup.label).c_str());
    }
}

void CMenu::CheckMenuItem(int commandId, bool checked) {
    ::CheckMenuItem(m_bar->menu, static_cast<UINT>(commandId),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool CMenu::IsChecked(int commandId) const {
    const UINT state = GetMenuState(m_bar->menu, static_cast<UINT>(commandId), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void CDialog::SetMenu(CMenu& menu) {
    m_window->SetMenuBar(menu.Bar());
}
