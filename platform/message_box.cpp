#include "platform/message_box.h"

#include <cstdio>
#include <utility>

namespace {

MessageBoxHandler& InstalledHandler() {
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

void ShowMessageBox(const std::string& utf8Text) {
    const MessageBoxHandler& handler = InstalledHandler();
    if (handler) {
        handler(utf8Text);
        return;
    }
    std::fprintf(stderr, "%s\n", utf8Text.c_str());
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}
