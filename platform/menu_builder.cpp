#include "platform/menu_builder.h"

#include "resources/menu_template.h"

#include <QAction>

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CMenu::LoadMenu(int menuId, QWidget* parent, const CommandHandler& onCommand) {
    m_menuBar = new QMenuBar(parent);
    m_items.clear();
    for (const MenuPopupTemplate& popup : FindMenuTemplate(menuId)) {
        QMenu* menu = m_menuBar->addMenu(ToQString(popup.label));
        for (const MenuItemTemplate& item : popup.items) {
            QAction* action = menu->addAction(ToQString(item.label));
            const int id = item.commandId;
            QObject::connect(action, &QAction::triggered, m_menuBar,
                             [onCommand, id] { onCommand(id); });
            m_items[id] = action;
        }
    }
}

QAction* CMenu::Item(int commandId) const {
    const auto found = m_items.find(commandId);
    return found == m_items.end() ? nullptr : found->second;
}

void CMenu::CheckMenuItem(int commandId, bool checked) {
    QAction* action = Item(commandId);
    if (action == nullptr) {
        return;
    }
    action->setCheckable(checked);
    action->setChecked(checked);
}

bool CMenu::IsChecked(int commandId) const {
    const QAction* action = Item(commandId);
    return action != nullptr && action->isChecked();
}
