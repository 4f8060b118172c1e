#include "PasteSafeFields.h"

#include <QMimeData>

namespace qm {

bool hasPastableData(const QMimeData* source) { return source && !source->formats().isEmpty(); }

bool PasteSafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return hasPastableData(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PasteSafePlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (hasPastableData(source)) QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace qm
