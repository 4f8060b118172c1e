#include "windows/PasteSafePlainTextEdit.h"

#include <QMimeData>

#include "windows/WidgetReservedCharacters.h"

namespace qm {

bool hasPastableData(const QMimeData* source) { return source && !source->formats().isEmpty(); }

bool PasteSafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return hasPastableData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

PasteSafePlainTextEdit::PasteSafePlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    keepTypedCharacters(this);
}

void PasteSafePlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!hasPastableData(source) || isReadOnly()) return;
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor cursor = textCursor();
    insertKeepingCharacters(cursor, source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData* PasteSafePlainTextEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(keptSelectedText(textCursor()));
    return data;
}

}  // namespace qm
