#include "windows/PasteSafePlainTextEdit.h"

#include <QDropEvent>
#include <QMimeData>

#include "windows/FileDropTarget.h"
#include "windows/WidgetReservedCharacters.h"

namespace qm {

bool hasPastableData(const QMimeData* source) { return source && !source->formats().isEmpty(); }

bool PasteSafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    if (acceptsFiles_ && !droppedFiles(source).isEmpty()) return true;
    return hasPastableData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

PasteSafePlainTextEdit::PasteSafePlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    keepTypedCharacters(this);
}

void PasteSafePlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!hasPastableData(source) || isReadOnly()) return;
    if (const QStringList files = acceptsFiles_ ? droppedFiles(source) : QStringList(); !files.isEmpty()) {
        emit filesDropped(files);
        return;
    }
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor cursor = textCursor();
    insertKeepingCharacters(cursor, source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

void PasteSafePlainTextEdit::dropEvent(QDropEvent* event) {
    if (!acceptsFiles_ || droppedFiles(event->mimeData()).isEmpty() ||
        !event->possibleActions().testFlag(Qt::CopyAction))
        return QPlainTextEdit::dropEvent(event);
    // Files are taken as a copy, whatever the source proposes: a move would
    // let the file manager delete the user's file.
    QDropEvent copy(event->position(), Qt::CopyAction, event->mimeData(), event->buttons(), event->modifiers());
    QPlainTextEdit::dropEvent(&copy);
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(copy.isAccepted());
}

QMimeData* PasteSafePlainTextEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(keptSelectedText(textCursor()));
    return data;
}

}  // namespace qm
