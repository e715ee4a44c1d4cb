#pragma once

#include "app/console_dlg.h"
#include "tests/fault_matrix/fault_case.h"
#include "tests/ui/ui_test_support.h"

#include <string>

// The console window with "/eeprom" on its command line, each message box recorded with the log
// pane around it. Needs the toolkit.
struct Console {
    Console();
    MessageBoxRecorder boxes;
    CConsoleDlg window{"/eeprom"};
};

// Runs the case's commands in the console through its menu, COM4 chosen, against a fresh
// grt8-sim in a fresh working folder, and writes down everything they left behind: after each
// command the log pane with the message boxes, the log text, the image, eeprom.bin and the port;
// at the end the module's memory and the frames it took.
std::string RunCase(const FaultCase& fc, Console& console, const std::string& simulatorPath);
