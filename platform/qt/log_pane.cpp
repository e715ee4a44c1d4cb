#include "platform/qt/log_pane.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

QString ToPaneLineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void SetPaneText(QPlainTextEdit& pane, const QString& text) {
    pane.setPlainText(ToPaneLineBreaks(text));
    pane.moveCursor(QTextCursor::Start);
}

QString PaneText(const QPlainTextEdit& pane) {
    return pane.toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

void ReplaceSelection(QPlainTextEdit& pane, const QString& text) {
    QTextCursor cursor = pane.textCursor();
    const bool undoWasEnabled = pane.isUndoRedoEnabled();
    pane.setUndoRedoEnabled(false);
    cursor.insertText(ToPaneLineBreaks(text));
    pane.setUndoRedoEnabled(undoWasEnabled);
    pane.setTextCursor(cursor);
    pane.ensureCursorVisible();
}
