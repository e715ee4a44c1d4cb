#include "platform/win32/dialog_window.h"

#include "platform/win32/menu_bar.h"
#include "platform/win32/picture_win32.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"

#include <algorithm>

namespace {

constexpr wchar_t kOwnerProperty[] = L"grt8.DialogWindow";

bool IsOrdinaryCommand(WPARAM wParam) {
    // Menu choices and button clicks; an edit box's notifications are no commands.
    return HIWORD(wParam) == 0;
}

} // namespace

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

DialogWindow::DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate,
                           DialogWindow* parent)
    : m_owner(owner), m_template(dialogTemplate), m_parent(parent) {
    thread_local HHOOK keyHook =
        SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
    static_cast<void>(keyHook);
}

DialogWindow::~DialogWindow() {
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
    for (HBITMAP picture : m_pictures) {
        DeleteObject(picture);
    }
    DestroyIcon(m_largeIcon);
    DestroyIcon(m_smallIcon);
}

DialogWindow* DialogWindow::Of(HWND window) {
    return static_cast<DialogWindow*>(GetPropW(window, kOwnerProperty));
}

HWND DialogWindow::Handle() {
    if (m_window == nullptr) {
        Create();
    }
    return m_window;
}

void DialogWindow::Create() {
    const std::vector<WORD> data = BuildDialogTemplate(m_template, m_frame);
    CreateDialogIndirectParamW(ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEW>(data.data()),
                               ParentHandle(), Procedure, reinterpret_cast<LPARAM>(this));
}

HWND DialogWindow::ParentHandle() const {
    return m_parent == nullptr ? nullptr : m_parent->Handle();
}

HWND DialogWindow::Control(int controlId) {
    return GetDlgItem(Handle(), controlId);
}

ControlHandle DialogWindow::ControlHandleOf(int controlId) {
    if (std::ranges::none_of(m_template.controls, [controlId](const ControlTemplate& control) {
            return control.id == controlId;
        })) {
        return nullptr;
    }
    std::unique_ptr<DialogControl>& control = m_controls[controlId];
    if (!control) {
        control = std::make_unique<DialogControl>(DialogControl{this, controlId});
    }
    return control.get();
}

int DialogWindow::IdOf(HWND control) const {
    if (control == nullptr || control == m_window || !IsChild(m_window, control)) {
        return 0;
    }
    const int id = GetDlgCtrlID(control);
    return id == static_cast<WORD>(IDC_STATIC) ? 0 : id;
}

int DialogWindow::RunModal() {
    m_ended = false;
    if (m_window == nullptr) {
        const std::vector<WORD> data = BuildDialogTemplate(m_template, m_frame);
        m_runByDialogManager = true;
        DialogBoxIndirectParamW(ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEW>(data.data()),
                                ParentHandle(), Procedure, reinterpret_cast<LPARAM>(this));
        m_runByDialogManager = false;
        return m_result;
    }
    // The window already exists (its controls were used before): the same modal loop by hand.
    HWND parent = ParentHandle();
    const bool disableParent = parent != nullptr && IsWindowEnabled(parent);
    if (disableParent) {
        EnableWindow(parent, FALSE);
    }
    Show(true);
    MSG message;
    while (!m_ended && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (disableParent) {
        EnableWindow(parent, TRUE);
    }
    Show(false);
    return m_result;
}

void DialogWindow::End(int result) {
    m_result = result;
    m_ended = true;
    if (m_window == nullptr) {
        return;
    }
    if (m_runByDialogManager) {
        EndDialog(m_window, result);
    } else {
        ShowWindow(m_window, SW_HIDE);
    }
}

void DialogWindow::Show(bool show) {
    Handle();
    if (show && !m_initialised) {
        Initialise();
    }
    ShowWindow(m_window, show ? SW_SHOW : SW_HIDE);
}

void DialogWindow::SetMenuBar(MenuBar& menu) {
    m_menuBar = &menu;
    m_menu = menu.menu;
    if (m_window != nullptr) {
        SetMenu(m_window, m_menu);
        FitClientAreaToTemplate();
    }
}

void DialogWindow::AppendSystemMenuItem(int commandId, const std::string& label) {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, static_cast<UINT_PTR>(commandId), Widen(label).c_str());
    m_systemCommands.push_back(commandId);
}

void DialogWindow::SetIcon(int iconId) {
    DestroyIcon(m_largeIcon);
    DestroyIcon(m_smallIcon);
    m_largeIcon = LoadIconOfSize(iconId, GetSystemMetrics(SM_CXICON));
    m_smallIcon = LoadIconOfSize(iconId, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_largeIcon));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
}

// The template's size is the client area's; a menu bar takes its height on top of it.
void DialogWindow::FitClientAreaToTemplate() {
    RECT frame{0, 0, m_template.width, m_template.height};
    MapDialogRect(m_window, &frame);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)),
                       m_menu != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE)));
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::Attach(HWND window) {
    m_window = window;
    SetPropW(window, kOwnerProperty, this);
    if (m_menu != nullptr) {
        SetMenu(window, m_menu);
        FitClientAreaToTemplate();
    }
    ShowPictures();
}

// Pictures have no id of their own, so they are found by position: the dialog manager creates
// the controls in template order, each after the one before.
void DialogWindow::ShowPictures() {
    HWND control = GetWindow(m_window, GW_CHILD);
    for (const ControlTemplate& entry : m_template.controls) {
        if (entry.kind == ControlKind::Picture) {
            RECT area{};
            GetClientRect(control, &area);
            m_pictures.push_back(ScaledPicture(entry.pictureId, {area.right, area.bottom}));
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(m_pictures.back()));
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
}

void DialogWindow::Initialise() {
    m_initialised = true;
    m_owner.OnInitDialog();
    FocusFirstControl();
}

// As the dialog manager does, the keyboard focus starts in the first control that takes it by
// tabbing, unless the dialog has put it somewhere itself.
void DialogWindow::FocusFirstControl() {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(m_window, focus)) {
        return;
    }
    if (HWND first = GetNextDlgTabItem(m_window, nullptr, FALSE)) {
        SetFocus(first);
    }
}

void DialogWindow::PaintMinimised() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    SendMessageW(m_window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT area{};
    GetClientRect(m_window, &area);
    const int side = GetSystemMetrics(SM_CXICON);
    DrawIconEx(dc, (area.right - side + 1) / 2, (area.bottom - side + 1) / 2, m_largeIcon, side,
               side, 0, nullptr, DI_NORMAL);
    EndPaint(m_window, &paint);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        self->Attach(window);
        if (self->m_runByDialogManager) {
            self->Initialise();
        }
        return FALSE;
    }
    DialogWindow* self = Of(window);
    return self == nullptr ? FALSE : self->OnMessage(message, wParam);
}

INT_PTR DialogWindow::OnMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_COMMAND:
        if (IsOrdinaryCommand(wParam)) {
            m_owner.SendCommand(LOWORD(wParam));
        }
        return TRUE;
    case WM_SYSCOMMAND:
        if (std::ranges::find(m_systemCommands, static_cast<int>(wParam & 0xFFF0)) !=
            m_systemCommands.end()) {
            m_owner.SendCommand(static_cast<int>(wParam & 0xFFF0));
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        if (IsWindowVisible(m_window)) {
            m_owner.SendCommand(IDCANCEL);
        }
        return TRUE;
    case WM_INITMENUPOPUP:
        if (m_menuBar != nullptr) {
            const auto opening = m_menuBar->popupOpening.find(reinterpret_cast<HMENU>(wParam));
            if (opening != m_menuBar->popupOpening.end()) {
                opening->second();
            }
        }
        return FALSE;
    case WM_SHOWWINDOW:
        if (wParam != FALSE) {
            m_owner.OnShowWindow();
        }
        return FALSE;
    case WM_PAINT:
        if (IsIconic(m_window)) {
            PaintMinimised();
            return TRUE;
        }
        return FALSE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_largeIcon);
    case WM_DESTROY:
        SetMenu(m_window, nullptr);
        return FALSE;
    case WM_NCDESTROY:
        RemovePropW(m_window, kOwnerProperty);
        m_window = nullptr;
        m_initialised = false;
        return FALSE;
    default:
        return FALSE;
    }
}

// Every key-down taken from the thread's queue passes here before the dialog manager sees it,
// in the dialog manager's modal loop as in any other.
LRESULT CALLBACK DialogWindow::KeyHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN) {
        DialogWindow* self = Of(GetAncestor(message->hwnd, GA_ROOT));
        if (self != nullptr) {
            const DialogKey key =
                message->wParam == VK_ESCAPE ? DialogKey::Escape : DialogKey::Other;
            if (self->m_owner.PreTranslateKeyDown(key)) {
                message->message = WM_NULL;
            } else if (message->hwnd == self->m_window) {
                const UINT character =
                    MapVirtualKeyW(static_cast<UINT>(message->wParam), MAPVK_VK_TO_CHAR);
                self->m_owner.OnKeyDown(character != 0);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
