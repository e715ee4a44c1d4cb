#pragma once

// The console's ids come before the Windows headers, which define some of the same names as
// macros (IDOK, IDCANCEL, IDC_PIN): declared first, the ids keep their own values and names.
#include "resources/resource_ids.h"

#include <windows.h>

// The dialog layer's CMenu::GetMenuString is named as the framework names it; the Windows
// headers would turn it into GetMenuStringW.
#undef GetMenuString
