#pragma once

#include "platform/qt/dialog_units.h"
#include "resources/dialog_template.h"

#include <QWidget>
#include <functional>
#include <map>

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using ControlMap = std::map<int, QWidget*>;
using ButtonClickHandler = std::function<void(int controlId)>;

// Creates the template's controls as children of the client area, in template order, placed by
// converting dialog units with the given base units. Returns the controls that have an id;
// clicks of push buttons are reported with the button's id.
ControlMap BuildControls(const DialogTemplate& dialogTemplate, QWidget& clientArea,
                         DialogBaseUnits units, const ButtonClickHandler& onClick);
