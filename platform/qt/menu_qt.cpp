#include "platform/menu.h"

#include "platform/qt/menu_bar.h"
#include "resources/menu_template.h"

#include <QAction>

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MenuBar::~MenuBar() {
    if (m_menuBar != nullptr && m_menuBar->parent() == nullptr) {
        delete m_menuBar;
    }
}

void MenuBar::Load(int menuId) {
    m_menuBar = new QMenuBar();
    m_items.clear();
    for (const MenuPopupTemplate& popup : FindMenuTemplate(menuId)) {
        QMenu* menu = m_menuBar->addMenu(ToQString(popup.label));
        for (const MenuItemTemplate& item : popup.items) {
            m_items[item.commandId] = menu->addAction(ToQString(item.label));
        }
    }
}

QAction* MenuBar::Item(int commandId) const {
    const auto found = m_items.find(commandId);
    return found == m_items.end() ? nullptr : found->second;
}

QMenuBar* MenuBar::Attach(const CommandHandler& onCommand) {
    for (const auto& [id, action] : m_items) {
        QObject::connect(action, &QAction::triggered, m_menuBar,
                         [onCommand, commandId = id] { onCommand(commandId); });
    }
    return m_menuBar;
}

CMenu::CMenu() : m_bar(std::make_unique<MenuBar>()) {}

CMenu::~CMenu() = default;

void CMenu::Load(int menuId) {
    m_bar->Load(menuId);
}

void CMenu::CheckMenuItem(int commandId, bool checked) {
    QAction* action = m_bar->Item(commandId);
    if (action == nullptr) {
        return;
    }
    action->setCheckable(checked);
    action->setChecked(checked);
}

bool CMenu::IsChecked(int commandId) const {
    const QAction* action = m_bar->Item(commandId);
    return action != nullptr && action->isChecked();
}
