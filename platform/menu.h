#pragma once

#include <memory>

struct MenuBar;

// A window's menu bar built from a menu template; items are addressed by their command ids.
class CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    void Load(int menuId);

    // A check mark beside the item, or nothing at all (not an empty box) when unchecked.
    void CheckMenuItem(int commandId, bool checked);
    bool IsChecked(int commandId) const;

    MenuBar& Bar() const { return *m_bar; }

private:
    std::unique_ptr<MenuBar> m_bar;
};
