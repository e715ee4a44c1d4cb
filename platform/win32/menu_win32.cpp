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

void CMenu::SetMenuItemHint(int commandId, const std::string& hint) {
    const std::string text = GetMenuString(commandId);
    const std::string label = text.substr(0, text.find('\t'));
    std::wstring shown = Widen(hint.empty() ? label : label + '\t' + hint);
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    item.dwTypeData = shown.data();
    SetMenuItemInfoW(m_bar->menu, static_cast<UINT>(commandId), FALSE, &item);
}

std::string CMenu::GetMenuString(int commandId) const {
    wchar_t text[256] = {};
    GetMenuStringW(m_bar->menu, static_cast<UINT>(commandId), text, 256, MF_BYCOMMAND);
    return Narrow(text);
}

void CMenu::SetPopupOpeningHandler(int commandId, std::function<void()> handler) {
    const int popups = GetMenuItemCount(m_bar->menu);
    for (int index = 0; index < popups; ++index) {
        HMENU popup = GetSubMenu(m_bar->menu, index);
        if (GetMenuState(popup, static_cast<UINT>(commandId), MF_BYCOMMAND) !=
            static_cast<UINT>(-1)) {
            m_bar->popupOpening[popup] = std::move(handler);
            return;
        }
    }
}

void CDialog::SetMenu(CMenu& menu) {
    m_window->SetMenuBar(menu.Bar());
}
