#pragma once

#include <string_view>
#include <vector>

enum class ControlKind {
    Label,
    Icon,
    Picture,
    Edit,
    PushButton,
    DefaultPushButton,
    CheckBox,
    GroupBox,
};

// Styles a template may give a control; combined with |.
namespace ControlStyle {
inline constexpr unsigned Hidden = 1u << 0;
inline constexpr unsigned Disabled = 1u << 1;
inline constexpr unsigned MultiLine = 1u << 2;
inline constexpr unsigned ReadOnly = 1u << 3;
inline constexpr unsigned VerticalScroll = 1u << 4;
inline constexpr unsigned AutoHorizontalScroll = 1u << 5;
inline constexpr unsigned Border = 1u << 6;
inline constexpr unsigned NoPrefix = 1u << 7;
inline constexpr unsigned AlignRight = 1u << 8;
inline constexpr unsigned TextLeftOfBox = 1u << 9;
// A read-only text that can be selected and copied with the keyboard too.
inline constexpr unsigned KeyboardSelectable = 1u << 10;
} // namespace ControlStyle

// Positions and sizes in dialog units: a quarter of the dialog font's average character width
// horizontally, an eighth of its height vertically.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string_view text;
    DialogRect rect;
    unsigned style = 0;
    int pictureId = 0; // icon or bitmap resource shown by Icon and Picture controls
};

// Controls are created in template order, which is also the tab order.
struct DialogTemplate {
    int id = 0;
    std::string_view caption;
    int width = 0;
    int height = 0;
    std::vector<ControlTemplate> controls;
};

const DialogTemplate& FindDialogTemplate(int templateId);
