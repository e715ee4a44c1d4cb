#include "platform/win32/window_thread.h"

#include "platform/win32/windows_api.h"
#include <memory>

namespace {

constexpr UINT kRunWork = WM_APP + 1;
constexpr wchar_t kClassName[] = L"grt8.WindowThread";

struct WindowThread {
    DWORD threadId = 0;
    HWND receiver = nullptr;
};

WindowThread& TheWindowThread() {
    static WindowThread thread;
    return thread;
}

LRESULT CALLBACK ReceiverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunWork) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const std::unique_ptr<std::function<void()>> work(
        reinterpret_cast<std::function<void()>*>(lParam));
    (*work)();
    return 0;
}

} // namespace

void MakeThisTheWindowThread() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReceiverProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    TheWindowThread() = {GetCurrentThreadId(),
                         CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         windowClass.hInstance, nullptr)};
}

bool OnWindowThread() {
    return GetCurrentThreadId() == TheWindowThread().threadId;
}

void RunOnWindowThread(std::function<void()> work) {
    if (OnWindowThread()) {
        work();
        return;
    }
    auto* handedOver = new std::function<void()>(std::move(work));
    PostMessageW(TheWindowThread().receiver, kRunWork, 0, reinterpret_cast<LPARAM>(handedOver));
}

void RunOnWindowThreadAndWait(const std::function<void()>& work) {
    if (OnWindowThread()) {
        work();
        return;
    }
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    RunOnWindowThread([&work, done] {
        work();
        SetEvent(done);
    });
    WaitForSingleObject(done, INFINITE);
    CloseHandle(done);
}
