#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(SetMessageBoxHandler([this](const std::string& text) { texts.push_back(text); })) {
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
}

FileDialogAnswers::FileDialogAnswers()
    : m_previous(SetFileDialogHandler([this](FileDialogKind kind) -> std::optional<QString> {
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

bool WithNextModalDialog(const std::function<void()>& action,
                         const std::function<void(QDialog&)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || seen) {
            return;
        }
        seen = true;
        inspect(*dialog);
        if (dialog->isVisible()) {
            dialog->done(QDialog::Rejected);
        }
    });
    poll.start();
    action();
    return seen;
}
