#pragma once

#include <QMenuBar>
#include <functional>
#include <map>

class QAction;

// A window's menu bar built from a menu template; items are addressed by their command ids.
class CMenu {
public:
    using CommandHandler = std::function<void(int commandId)>;

    // Builds menu menuId into a new menu bar owned by parent; choosing an item calls onCommand.
    void LoadMenu(int menuId, QWidget* parent, const CommandHandler& onCommand);

    QMenuBar* MenuBar() const { return m_menuBar; }
    QAction* Item(int commandId) const;

    // A check mark beside the item, or nothing at all (not an empty box) when unchecked.
    void CheckMenuItem(int commandId, bool checked);
    bool IsChecked(int commandId) const;

private:
    QMenuBar* m_menuBar = nullptr;
    std::map<int, QAction*> m_items;
};
