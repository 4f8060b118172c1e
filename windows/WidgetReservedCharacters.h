#pragma once

#include <QString>

class QPlainTextEdit;
class QTextCursor;
class QTextDocument;

namespace qm {

// The text widget takes U+FDD0, U+FDD1 and U+2029 for breaks of its own, so a
// typed one would come back as a line break. The page fields hold each of
// them as a small marked object instead, shown as a box with its code.

// True for a character the text widget would not keep as itself.
bool isKeptCharacter(QChar c);

// Inserts `text` at the cursor, replacing its selection: CR LF, lone CR and
// lone LF each become one line break; kept characters stay themselves.
void insertKeepingCharacters(QTextCursor& cursor, const QString& text);

// The kept character held at `position` of the document, or a null QChar
// when no kept character is there.
QChar keptCharacterAt(const QTextDocument* document, int position);

// The selected text as it was typed, with "\n" between lines, for the
// clipboard.
QString keptSelectedText(const QTextCursor& selection);

// Typing and input methods keep those characters in `field` too, and
// Shift+Enter gives a plain line break, not a U+2028 that would read back
// as itself.
void keepTypedCharacters(QPlainTextEdit* field);

}  // namespace qm
