#include "tests/ui/ui_test_support.h"

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(SetMessageBoxHandler([this](const std::string& text) { texts.push_back(text); })) {
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
}

FileDialogAnswers::FileDialogAnswers()
    : m_previous(SetFileDialogHandler([this](FileDialogKind kind) -> std::optional<std::string> {
          asked.push_back(kind);
          if (m_answers.empty()) {
              return std::nullopt;
          }
          const auto [chosen, path] = m_answers.front();
          m_answers.pop_front();
          if (!chosen) {
              return std::nullopt;
          }
          return path;
      })) {}

FileDialogAnswers::~FileDialogAnswers() {
    SetFileDialogHandler(std::move(m_previous));
}
