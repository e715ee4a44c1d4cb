#include "platform/menu.h"

#include "platform/qt/dialog_window.h"
#include "platform/qt/menu_bar.h"
#include "resources/menu_template.h"

#include <QLayout>

CMenu::CMenu() : m_bar(std::make_unique<MenuBar>()) {}

CMenu::~CMenu() = default;

void CMenu::Load(int menuId) {
    m_bar->bar = new QMenuBar();
    m_bar->items.clear();
    for (const MenuPopupTemplate& popup : FindMenuTemplate(menuId)) {
        QMenu* menu = m_bar->bar->addMenu(ToQString(popup.label));
        for (const MenuItemTemplate& item : popup.items) {
            m_bar->items[item.commandId] = menu->addAction(ToQString(item.label));
        }
    }
}

void CMenu::CheckMenuItem(int commandId, bool checked) {
    if (QAction* action = m_bar->Item(commandId)) {
        action->setCheckable(checked);
        action->setChecked(checked);
    }
}

bool CMenu::IsChecked(int commandId) const {
    const QAction* action = m_bar->Item(commandId);
    return action != nullptr && action->isChecked();
}

void CDialog::SetMenu(CMenu& menu) {
    for (const auto& [id, action] : menu.Bar().items) {
        QObject::connect(action, &QAction::triggered, menu.Bar().bar,
                         [this, commandId = id] { SendCommand(commandId); });
    }
    m_window->layout()->setMenuBar(menu.Bar().bar);
}
