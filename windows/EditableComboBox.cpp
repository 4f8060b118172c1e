#include "windows/EditableComboBox.h"

namespace qm {

EditableComboBox::EditableComboBox(const QStringList& items, const QString& text, QWidget* parent)
    : QComboBox(parent), text_(text) {
    setInsertPolicy(QComboBox::NoInsert);
    addItems(items);
    setCurrentIndex(findText(text));
}

void EditableComboBox::showEvent(QShowEvent* event) {
    if (!isEditable()) {
        setEditable(true);
        if (currentIndex() < 0) setEditText(text_);
    }
    QComboBox::showEvent(event);
}

}  // namespace qm
