#include "platform/edit.h"

#include "platform/qt/dialog_window.h"
#include "platform/qt/log_pane.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QPlainTextEdit* PaneOf(ControlHandle control) {
    return qobject_cast<QPlainTextEdit*>(ToWidget(control));
}

} // namespace

void CEdit::ReplaceSel(const std::string& text) {
    if (QPlainTextEdit* pane = PaneOf(m_hWnd)) {
        ReplaceSelection(*pane, QString::fromStdString(text));
    }
}

void CEdit::SetSel(int start, int end) {
    if (auto* edit = qobject_cast<QLineEdit*>(ToWidget(m_hWnd))) {
        edit->setSelection(start, (end < 0 ? static_cast<int>(edit->text().size()) : end) - start);
    } else if (QPlainTextEdit* pane = PaneOf(m_hWnd)) {
        QTextCursor cursor(pane->document());
        cursor.setPosition(start);
        if (end < 0) {
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(end, QTextCursor::KeepAnchor);
        }
        pane->setTextCursor(cursor);
        pane->ensureCursorVisible();
    }
}

std::pair<int, int> CEdit::GetSel() const {
    if (const auto* edit = qobject_cast<const QLineEdit*>(ToWidget(m_hWnd))) {
        return {edit->selectionStart() < 0 ? edit->cursorPosition() : edit->selectionStart(),
                edit->selectionEnd() < 0 ? edit->cursorPosition() : edit->selectionEnd()};
    }
    const QPlainTextEdit* pane = PaneOf(m_hWnd);
    if (pane == nullptr) {
        return {0, 0};
    }
    const QTextCursor cursor = pane->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

bool CEdit::CanUndo() const {
    const QPlainTextEdit* pane = PaneOf(m_hWnd);
    return pane != nullptr && pane->document()->isUndoAvailable();
}
