#include "tests/fault_matrix/message_box_log.h"

MessageBoxLog::MessageBoxLog()
    : m_previous(SetMessageBoxHandler([this](const std::string& text) {
          const std::lock_guard lock(m_mutex);
          m_texts.push_back(text);
      })) {}

MessageBoxLog::~MessageBoxLog() {
    SetMessageBoxHandler(std::move(m_previous));
}

std::vector<std::string> MessageBoxLog::texts() const {
    const std::lock_guard lock(m_mutex);
    return m_texts;
}
