#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_box.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QDialog;

// Records every message box instead of showing it, for the lifetime of the object.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<std::string> texts;

private:
    MessageBoxHandler m_previous;
};

// Answers the file dialogs with prepared paths (nothing = the user cancels), in order.
class FileDialogAnswers {
public:
    FileDialogAnswers();
    ~FileDialogAnswers();
    FileDialogAnswers(const FileDialogAnswers&) = delete;
    FileDialogAnswers& operator=(const FileDialogAnswers&) = delete;

    void Push(const std::optional<QString>& answer) {
        m_answers.emplace_back(answer.has_value(), answer.value_or(QString()));
    }
    std::vector<FileDialogKind> asked;

private:
    // Whether the user chose a file, and which.
    std::deque<std::pair<bool, QString>> m_answers;
    FileDialogHandler m_previous;
};

// Runs action, which is expected to open a modal dialog; inspect is called with that dialog
// once it is shown, and the dialog is then closed unless inspect closed it. Returns false when
// no dialog appeared.
bool WithNextModalDialog(const std::function<void()>& action,
                         const std::function<void(QDialog&)>& inspect);
