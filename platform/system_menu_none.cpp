#include "platform/system_menu.h"

void AppendSystemMenuItem(QWidget&, int, const QString&) {}

std::optional<int> SystemMenuCommand(const QByteArray&, void*) {
    return std::nullopt;
}
