#include "platform/menu.h"

#include "platform/qt/dialog_window.h"
#include "platform/qt/menu_bar.h"
#include "resources/menu_template.h"

#include <QLayout>
#include <QMenu>

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

// Qt, like the platform menus, shows what follows a tab in an item's text in the shortcut column.
void CMenu::SetMenuItemHint(int commandId, const std::string& hint) {
    if (QAction* action = m_bar->Item(commandId)) {
        const QString label = action->text().section(QLatin1Char('\t'), 0, 0);
        action->setText(hint.empty() ? label : label + QLatin1Char('\t') + ToQString(hint));
    }
}

std::string CMenu::GetMenuString(int commandId) const {
    const QAction* action = m_bar->Item(commandId);
    return action != nullptr ? action->text().toStdString() : std::string();
}

void CMenu::SetPopupOpeningHandler(int commandId, std::function<void()> handler) {
    if (const QAction* action = m_bar->Item(commandId)) {
        QObject::connect(qobject_cast<QMenu*>(action->parent()), &QMenu::aboutToShow,
                         std::move(handler));
    }
}

void CDialog::SetMenu(CMenu& menu) {
    for (const auto& [id, action] : menu.Bar().items) {
        QObject::connect(action, &QAction::triggered, menu.Bar().bar,
                         [this, commandId = id] { SendCommand(commandId); });
    }
    m_window->layout()->setMenuBar(menu.Bar().bar);
}
