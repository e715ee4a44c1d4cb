#include "platform/module_operation.h"

#include "platform/win32/window_thread.h"

#include "platform/win32/windows_api.h"
#include <vector>

namespace {

bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// Commands and close requests posted while the operation runs wait for its end.
bool IsDeferred(UINT message) {
    return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_CLOSE;
}

// Answers the window system (painting, work handed over, sent messages) until the thread has
// ended; the user's input is dropped and commands are kept for later.
void AnswerWindowSystemUntilEnd(HANDLE thread, std::vector<MSG>& deferred) {
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDeferred(message.message)) {
                deferred.push_back(message);
            } else if (!IsUserInput(message.message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
}

DWORD WINAPI RunOperation(LPVOID operation) {
    (*static_cast<const std::function<void()>*>(operation))();
    return 0;
}

} // namespace

void RunModuleOperation(const std::function<void()>& operation) {
    HANDLE worker = CreateThread(nullptr, 0, RunOperation,
                                 const_cast<std::function<void()>*>(&operation), 0, nullptr);
    std::vector<MSG> deferred;
    AnswerWindowSystemUntilEnd(worker, deferred);
    CloseHandle(worker);
    for (const MSG& message : deferred) {
        PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
    }
}

void PostToWindow(CDialog&, std::function<void()> work) {
    RunOnWindowThread(std::move(work));
}
