#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

// The window's system menu, where the platform has one (X11 and Wayland have none; there the
// same commands are reached from the window's own menu).

// Appends a separator and an item with the given command id.
void AppendSystemMenuItem(QWidget& window, int commandId, const QString& label);

// The command of a system-menu choice carried by a native event, with its low four bits
// cleared; nothing for any other event.
std::optional<int> SystemMenuCommand(const QByteArray& eventType, void* message);
