#include "PageSource.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace qm {

QString pageSource(const QPlainTextEdit* field) {
    // toPlainText() would turn no-break spaces into plain ones; the raw text
    // keeps every character the user typed.
    return crlfText(field->document()->toRawText());
}

namespace {
bool isBreak(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }
}  // namespace

QString crlfText(const QString& documentText) {
    const qsizetype breaks = std::count_if(documentText.begin(), documentText.end(), isBreak);
    if (breaks == 0) return documentText;

    // Copies the runs between breaks whole: a page of megabytes is read on
    // every Make and preview.
    QString text;
    text.reserve(documentText.size() + breaks);
    const QStringView source(documentText);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (!isBreak(source[i])) continue;
        text.append(source.mid(runStart, i - runStart));
        text.append(QLatin1String("\r\n"));
        runStart = i + 1;
    }
    text.append(source.mid(runStart));
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

bool giveFocus(QWidget* field) {
    if (!field->isVisible() || !field->isEnabled() || field->focusPolicy() == Qt::NoFocus) return false;
    field->setFocus(Qt::OtherFocusReason);
    return true;
}

bool insertSnippet(QPlainTextEdit* field, const QString& fragment) {
    replaceSelection(field, fragment);
    return giveFocus(field);
}

}  // namespace qm
