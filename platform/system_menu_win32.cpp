#include "platform/system_menu.h"

#include <QWidget>
#include <windows.h>

void AppendSystemMenuItem(QWidget& window, int commandId, const QString& label) {
    HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (systemMenu == nullptr || label.isEmpty()) {
        return;
    }
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, static_cast<UINT_PTR>(commandId),
                reinterpret_cast<LPCWSTR>(label.utf16()));
}

std::optional<int> SystemMenuCommand(const QByteArray& eventType, void* message) {
    if (eventType != "windows_generic_MSG") {
        return std::nullopt;
    }
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND) {
        return std::nullopt;
    }
    return static_cast<int>(msg->wParam & 0xFFF0);
}
