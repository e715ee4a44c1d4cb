#pragma once

#include <QString>

class QPlainTextEdit;

// Texts of the console keep the platform's "\r\n" line ends; the panes show them as line
// breaks and give them back with "\r\n".

// Replaces the pane's text; it is shown from its top with the caret at its start.
void SetPaneText(QPlainTextEdit& pane, const QString& text);
QString PaneText(const QPlainTextEdit& pane);

// Inserts the text at the caret in place of the selection, without an undo record, and
// scrolls the caret into view.
void ReplaceSelection(QPlainTextEdit& pane, const QString& text);
