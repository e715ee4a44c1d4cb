#pragma once

#include "resources/dialog_template.h"

const DialogTemplate& AboutTemplate();
const DialogTemplate& ConsoleTemplate();
