#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace qm {

// The page source as the program's one string: line breaks are CR LF
// whatever the text widget keeps inside; every other character comes back as
// it was typed or inserted.
QString pageSource(const QPlainTextEdit* field);

// The raw text of a document as pageSource() reads it: every paragraph
// separator becomes CR LF; every other character, line separators, no-break
// spaces and NULs included, stays as it is.
QString crlfText(const QString& documentText);

// Replaces the field's selection with `fragment` as one undo step, leaving the
// caret after it with nothing selected. CR LF, lone CR and lone LF each become
// one line break of the field; every other character is kept as it is.
void replaceSelection(QPlainTextEdit* field, const QString& fragment);

// Empties the field as one undo step, so Ctrl+Z brings the text back.
void clearText(QPlainTextEdit* field);

// Gives the field the keyboard focus, keeping its caret and selection; false
// when it cannot take it (hidden, on a hidden window or panel, or disabled),
// where Qt would quietly park the focus instead.
bool giveFocus(QWidget* field);

// Replaces the field's selection with the fragment, then gives the field the
// focus; false when the focus could not go there.
bool insertSnippet(QPlainTextEdit* field, const QString& fragment);

}  // namespace qm
