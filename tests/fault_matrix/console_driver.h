#pragma once

#include "app/console_dlg.h"
#include "tests/fault_matrix/fault_case.h"
#include "tests/fault_matrix/message_box_log.h"

#include <string>
#include <vector>

// The console window with COM4 mapped to a device, driven through its own menu commands as a user
// would drive it. The command line holds "/eeprom", so a complete read also leaves eeprom.bin in
// the working folder. Needs a QApplication.
class ConsoleDriver {
public:
    explicit ConsoleDriver(const std::string& com4Device);
    ~ConsoleDriver();
    ConsoleDriver(const ConsoleDriver&) = delete;
    ConsoleDriver& operator=(const ConsoleDriver&) = delete;

    // Runs the operation's menu command to its end; the seconds it took.
    double Run(Operation operation);

    std::string Pane() const;
    std::string LogText() const;
    ConfigImage& Image() { return m_console.Image(); }
    std::vector<std::string> Boxes() const { return m_boxes.texts(); }

private:
    MessageBoxLog m_boxes;
    CConsoleDlg m_console{"/eeprom"};
};
