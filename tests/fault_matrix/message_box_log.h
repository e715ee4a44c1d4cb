#pragma once

#include "platform/message_box.h"

#include <mutex>
#include <string>
#include <vector>

// Records every message box instead of showing it, for as long as it lives. The module
// operations show theirs from the thread they run on.
class MessageBoxLog {
public:
    MessageBoxLog();
    ~MessageBoxLog();
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

    std::vector<std::string> texts() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
    MessageBoxHandler m_previous;
};
