#pragma once

#include <optional>
#include <string>

// Runs the console window as the program's one dialog; the program ends when it closes.
class CConsoleApp {
public:
    explicit CConsoleApp(std::optional<std::string> argumentText);

    // Never leaves a message loop of its own behind: the result is always false.
    bool InitInstance();

private:
    std::optional<std::string> m_argumentText;
};
