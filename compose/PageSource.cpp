#include "compose/PageSource.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "windows/WidgetReservedCharacters.h"

namespace qm {

QString pageSource(const QPlainTextEdit* field) {
    // toPlainText() would turn no-break spaces into plain ones; the raw text
    // keeps every character the user typed.
    const QTextDocument* document = field->document();
    const QString raw = document->toRawText();
    if (!raw.contains(QChar::ObjectReplacementCharacter)) return crlfText(raw);

    // Kept characters stand in the raw text as object replacement characters.
    QString text;
    qsizetype runStart = 0;
    for (qsizetype i = raw.indexOf(QChar::ObjectReplacementCharacter); i >= 0;
         i = raw.indexOf(QChar::ObjectReplacementCharacter, i + 1)) {
        const QChar kept = qm::keptCharacterAt(document, int(i));
        if (kept.isNull()) continue;
        text += crlfText(raw.mid(runStart, i - runStart));
        text += kept;
        runStart = i + 1;
    }
    return text + crlfText(raw.mid(runStart));
}

namespace {
bool isBreak(QChar c) { return c == QChar::ParagraphSeparator; }
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
    qm::insertKeepingCharacters(cursor, fragment);
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
