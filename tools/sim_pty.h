#pragma once

#include <string>

namespace sim {

// The module's end of a pseudo-terminal. The simulator keeps a descriptor of the terminal's
// own end open as well, so the line stays up while consoles come and go, and so that closing
// the master really hangs the line up for whoever has it open.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal() { HangUp(); }

    // False with a message in `error` when no terminal could be made.
    bool Open(std::string& error);
    void HangUp();

    int master() const { return m_master; }
    const std::string& path() const { return m_path; }

private:
    int m_master = -1;
    int m_terminalEnd = -1;
    std::string m_path;
};

// Points `linkPath` at `target`, replacing an earlier link but never another kind of file.
bool PlaceSymlink(const std::string& target, const std::string& linkPath, std::string& error);
// Removes the link if it still points at `target`.
void RemoveSymlink(const std::string& target, const std::string& linkPath);

} // namespace sim
