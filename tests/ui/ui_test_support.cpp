#include "tests/ui/ui_test_support.h"

#include "platform/dialog.h"
#include "platform/module_operation.h"

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(SetMessageBoxHandler([this](const std::string& text) {
          if (m_window == nullptr) {
              texts.push_back(text);
              return;
          }
          PostToWindow(*m_window, [this, text] {
              texts.push_back(text);
              sequence.push_back("<" + text + ">");
              sequence.push_back(m_window->ItemText(m_paneId));
          });
      })) {}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
}
