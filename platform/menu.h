#pragma once

#include <functional>
#include <memory>
#include <string>

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

    // A text in the item's second column, where a menu shows shortcut hints; empty for none.
    // The item's own label stays as it is.
    void SetMenuItemHint(int commandId, const std::string& hint);
    // What the item shows: its label, then a tab and the hint when it has one.
    std::string GetMenuString(int commandId) const;
    // Runs the handler each time the popup that holds the item is about to open, so the popup
    // can be brought up to date first.
    void SetPopupOpeningHandler(int commandId, std::function<void()> handler);

    MenuBar& Bar() const { return *m_bar; }

private:
    std::unique_ptr<MenuBar> m_bar;
};
