#include "windows/EditableComboBox.h"

#include <QEvent>

namespace qm {

EditableComboBox::EditableComboBox(const QStringList& items, const QString& text, QWidget* parent)
    : QComboBox(parent), text_(text) {
    setInsertPolicy(QComboBox::NoInsert);
    addItems(items);
    setCurrentIndex(findText(text));
}

// To pass a new font on, QComboBox builds its whole open list. The list takes
// the box's font by itself once it is built, and the box works its size out
// afresh when it first shows.
void EditableComboBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !isEditable()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void EditableComboBox::showEvent(QShowEvent* event) {
    if (!isEditable()) {
        setEditable(true);
        if (currentIndex() < 0) setEditText(text_);
    }
    QComboBox::showEvent(event);
}

}  // namespace qm
