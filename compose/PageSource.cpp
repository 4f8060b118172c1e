#include "PageSource.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

QString pageSource(const QPlainTextEdit* field) {
    // toPlainText() would turn no-break spaces into plain ones; the raw text
    // keeps every character the user typed.
    return crlfText(field->document()->toRawText());
}

QString crlfText(const QString& documentText) {
    qsizetype breaks = 0;
    for (QChar c : documentText)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) ++breaks;
    if (breaks == 0) return documentText;

    QString text;
    text.reserve(documentText.size() + breaks);
    for (QChar c : documentText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            text += QLatin1String("\r\n");
        else
            text += c;
    }
    return text;
}

void replaceSelection(QPlainTextEdit* field, const QString& fragment) {
    QTextCursor cursor = field->textCursor();
    // The edit block keeps the fragment apart from typing around it in the
    // undo history; without it Ctrl+Z would take the typed word away too.
    cursor.beginEditBlock();
    cursor.insertText(fragment);
    cursor.endEditBlock();
    field->setTextCursor(cursor);
}

void clearText(QPlainTextEdit* field) {
    QTextCursor cursor(field->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    field->setTextCursor(cursor);
}
