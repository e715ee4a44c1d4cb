#include "platform/win32/dialog_template_win32.h"

#include "platform/win32/wide_text.h"

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kFontPointSize = 8;

bool Has(const ControlTemplate& control, unsigned style) {
    return (control.style & style) != 0;
}

class TemplateWriter {
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(std::string_view utf8) {
        for (const wchar_t c : Widen(utf8)) {
            Word(static_cast<WORD>(c));
        }
        Word(0);
    }
    void Ordinal(WORD value) {
        Word(0xFFFF);
        Word(value);
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<WORD> Take() { return std::move(m_words); }

private:
    std::vector<WORD> m_words;
};

struct ControlClass {
    WORD atom = kStaticClass;
    DWORD style = 0;
    DWORD exStyle = 0;
};

ControlClass EditClass(const ControlTemplate& control) {
    ControlClass result{kEditClass, WS_TABSTOP | ES_AUTOHSCROLL,
                        Has(control, ControlStyle::Border) ? DWORD{WS_EX_CLIENTEDGE} : 0};
    if (Has(control, ControlStyle::MultiLine)) {
        result.style = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL;
        if (Has(control, ControlStyle::AutoHorizontalScroll)) {
            result.style |= ES_AUTOHSCROLL;
        }
        if (Has(control, ControlStyle::VerticalScroll)) {
            result.style |= WS_VSCROLL;
        }
    }
    if (Has(control, ControlStyle::ReadOnly)) {
        result.style |= ES_READONLY;
    }
    return result;
}

ControlClass ClassOf(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return {kStaticClass,
                (Has(control, ControlStyle::AlignRight) ? DWORD{SS_RIGHT} : DWORD{SS_LEFT}) |
                    (Has(control, ControlStyle::NoPrefix) ? DWORD{SS_NOPREFIX} : 0)};
    case ControlKind::Icon:
        return {kStaticClass, SS_ICON | SS_CENTERIMAGE};
    case ControlKind::Picture:
        // The picture is scaled to the control once the dialog knows its size in pixels.
        return {kStaticClass, SS_BITMAP | SS_REALSIZECONTROL};
    case ControlKind::Edit:
        return EditClass(control);
    case ControlKind::PushButton:
        return {kButtonClass, WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::DefaultPushButton:
        return {kButtonClass, WS_TABSTOP | BS_DEFPUSHBUTTON};
    case ControlKind::CheckBox:
        return {kButtonClass,
                WS_TABSTOP | BS_AUTOCHECKBOX |
                    (Has(control, ControlStyle::TextLeftOfBox) ? DWORD{BS_LEFTTEXT} : 0)};
    case ControlKind::GroupBox:
        return {kButtonClass, BS_GROUPBOX};
    }
    return {};
}

void WriteControl(TemplateWriter& out, const ControlTemplate& control) {
    const ControlClass controlClass = ClassOf(control);
    out.AlignToDword();
    out.Dword(0); // help id
    out.Dword(controlClass.exStyle);
    out.Dword(WS_CHILD | controlClass.style |
              (Has(control, ControlStyle::Hidden) ? 0 : DWORD{WS_VISIBLE}) |
              (Has(control, ControlStyle::Disabled) ? DWORD{WS_DISABLED} : 0));
    out.Word(static_cast<WORD>(control.rect.x));
    out.Word(static_cast<WORD>(control.rect.y));
    out.Word(static_cast<WORD>(control.rect.width));
    out.Word(static_cast<WORD>(control.rect.height));
    out.Dword(static_cast<DWORD>(control.id));
    out.Ordinal(controlClass.atom);
    if (control.kind == ControlKind::Icon) {
        out.Ordinal(static_cast<WORD>(control.pictureId));
    } else {
        out.Text(control.text);
    }
    out.Word(0); // no creation data
}

} // namespace

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate, DialogFrame frame) {
    TemplateWriter out;
    out.Word(1);      // version
    out.Word(0xFFFF); // extended template
    out.Dword(0);     // help id
    out.Dword(frame.exStyle);
    out.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT | DS_CENTER |
              frame.style);
    out.Word(static_cast<WORD>(dialogTemplate.controls.size()));
    out.Word(0);
    out.Word(0);
    out.Word(static_cast<WORD>(dialogTemplate.width));
    out.Word(static_cast<WORD>(dialogTemplate.height));
    out.Word(0); // no menu: a window's menu is set on the window
    out.Word(0); // the dialog manager's own window class
    out.Text(dialogTemplate.caption);
    out.Word(kFontPointSize);
    out.Word(FW_NORMAL);
    out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));
    out.Text("MS Shell Dlg");
    for (const ControlTemplate& control : dialogTemplate.controls) {
        WriteControl(out, control);
    }
    return out.Take();
}
