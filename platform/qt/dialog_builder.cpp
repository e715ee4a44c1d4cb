#include "platform/qt/dialog_builder.h"

#include "platform/qt/picture.h"
#include "resources/resource_ids.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

bool Has(const ControlTemplate& control, unsigned style) {
    return (control.style & style) != 0;
}

QWidget* MakeLabel(const ControlTemplate& control, QWidget& parent) {
    auto* label = new QLabel(ToQString(control.text), &parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((Has(control, ControlStyle::AlignRight) ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignTop);
    return label;
}

QWidget* MakePicture(const ControlTemplate& control, QWidget& parent, const QRect& pixels) {
    auto* picture = new QLabel(&parent);
    picture->setPixmap(RenderPicture(control.pictureId, pixels.size(), parent.devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget& parent) {
    if (Has(control, ControlStyle::MultiLine)) {
        auto* edit = new QPlainTextEdit(&parent);
        edit->setReadOnly(Has(control, ControlStyle::ReadOnly));
        edit->setUndoRedoEnabled(!Has(control, ControlStyle::ReadOnly));
        edit->setLineWrapMode(Has(control, ControlStyle::AutoHorizontalScroll)
                                  ? QPlainTextEdit::NoWrap
                                  : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy(Has(control, ControlStyle::VerticalScroll)
                                             ? Qt::ScrollBarAlwaysOn
                                             : Qt::ScrollBarAlwaysOff);
        // No template asks for a horizontal scroll bar: a long line scrolls sideways with the
        // caret, and no bar appears under the pane.
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setFrameShape(Has(control, ControlStyle::Border) ? QFrame::StyledPanel
                                                               : QFrame::NoFrame);
        if (Has(control, ControlStyle::KeyboardSelectable)) {
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        return edit;
    }
    auto* edit = new QLineEdit(ToQString(control.text), &parent);
    edit->setReadOnly(Has(control, ControlStyle::ReadOnly));
    edit->setFrame(Has(control, ControlStyle::Border));
    return edit;
}

QWidget* MakeButton(const ControlTemplate& control, QWidget& parent,
                    const ButtonClickHandler& onClick) {
    auto* button = new QPushButton(ToQString(control.text), &parent);
    button->setDefault(control.kind == ControlKind::DefaultPushButton);
    const int id = control.id;
    QObject::connect(button, &QPushButton::clicked, &parent, [onClick, id] { onClick(id); });
    return button;
}

QWidget* MakeCheckBox(const ControlTemplate& control, QWidget& parent) {
    auto* box = new QCheckBox(ToQString(control.text), &parent);
    if (Has(control, ControlStyle::TextLeftOfBox)) {
        box->setLayoutDirection(Qt::RightToLeft);
    }
    return box;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget& parent, const QRect& pixels,
                     const ButtonClickHandler& onClick) {
    switch (control.kind) {
    case ControlKind::Label:
        return MakeLabel(control, parent);
    case ControlKind::Icon:
    case ControlKind::Picture:
        return MakePicture(control, parent, pixels);
    case ControlKind::Edit:
        return MakeEdit(control, parent);
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return MakeButton(control, parent, onClick);
    case ControlKind::CheckBox:
        return MakeCheckBox(control, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(ToQString(control.text), &parent);
    }
    return nullptr;
}

} // namespace

ControlMap BuildControls(const DialogTemplate& dialogTemplate, QWidget& clientArea,
                         DialogBaseUnits units, const ButtonClickHandler& onClick) {
    ControlMap controls;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const QRect pixels = ToPixels(control.rect, units);
        QWidget* widget = MakeControl(control, clientArea, pixels, onClick);
        widget->setGeometry(pixels);
        widget->setVisible(!Has(control, ControlStyle::Hidden));
        widget->setEnabled(!Has(control, ControlStyle::Disabled));
        if (control.id != IDC_STATIC) {
            widget->setProperty("controlId", control.id);
            controls[control.id] = widget;
        }
    }
    return controls;
}
