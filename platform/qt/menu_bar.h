#pragma once

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <map>

// The Qt menu bar behind a CMenu. It belongs to the CMenu until a window takes it.
struct MenuBar {
    ~MenuBar() {
        if (bar != nullptr && bar->parent() == nullptr) {
            delete bar;
        }
    }
    QAction* Item(int commandId) const {
        const auto found = items.find(commandId);
        return found == items.end() ? nullptr : found->second;
    }

    QPointer<QMenuBar> bar;
    std::map<int, QAction*> items;
};
