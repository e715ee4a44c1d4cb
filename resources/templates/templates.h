#pragma once

#include "resources/dialog_template.h"

const DialogTemplate& AboutTemplate();
const DialogTemplate& ConsoleTemplate();
const DialogTemplate& GeneralSettingsTemplate();
const DialogTemplate& LineSettingsTemplate();
const DialogTemplate& ReportsControlTemplate();
const DialogTemplate& SmsTextsTemplate();
const DialogTemplate& VariableCodesTemplate();
