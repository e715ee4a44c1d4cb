#pragma once

#include <string>

// Holds a serial device the way a program that is using it would: open, locked and in exclusive
// mode, so that the console finds the port in use. Lets go when destroyed.
class PortHolder {
public:
    explicit PortHolder(const std::string& devicePath);
    ~PortHolder();
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;

    bool holds() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// True when no descriptor of this process refers to the device.
bool NoDescriptorOpenOn(const std::string& devicePath);

// True when the device can be opened and locked exclusively, that is when nobody holds it.
bool CanTakeExclusively(const std::string& devicePath);
