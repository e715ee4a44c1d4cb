#pragma once

#include <QMenuBar>
#include <QPointer>
#include <functional>
#include <map>

class QAction;

// The Qt menu bar behind a CMenu. It belongs to the CMenu until a window takes it.
class MenuBar {
public:
    using CommandHandler = std::function<void(int commandId)>;

    ~MenuBar();

    void Load(int menuId);
    QAction* Item(int commandId) const;
    // Hands the bar to a window; choosing an item then calls onCommand.
    QMenuBar* Attach(const CommandHandler& onCommand);

private:
    QPointer<QMenuBar> m_menuBar;
    std::map<int, QAction*> m_items;
};
