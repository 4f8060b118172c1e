#include "windows/ComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "xpbutton/AccessibleFactory.h"

namespace qm {

ComboAccessible::ComboAccessible(QComboBox* combo) : ChildListAccessible(combo, QAccessible::ComboBox) {}

QComboBox* ComboAccessible::combo() const { return static_cast<QComboBox*>(widget()); }

// The drop-down list, then the edit field of an editable combo box, both
// named as the box is: on their own they would be a nameless list and field.
QWidgetList ComboAccessible::listed() const {
    QWidgetList list{combo()->view()};
    if (QLineEdit* edit = combo()->lineEdit()) list << edit;
    const QString name = text(QAccessible::Name);
    for (QWidget* part : list)
        if (part->accessibleName() != name) part->setAccessibleName(name);
    return list;
}

void* ComboAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface && !combo()->isEditable())
        return static_cast<QAccessibleTextInterface*>(this);
    return ChildListAccessible::interface_cast(type);
}

QString ComboAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return combo()->currentText();
    return QAccessibleWidget::text(t);  // the name comes from the buddy label
}

QString ComboAccessible::text(int startOffset, int endOffset) const {
    return combo()->currentText().mid(startOffset, endOffset - startOffset);
}

int ComboAccessible::characterCount() const {
    return int(combo()->currentText().size());
}

QString ComboAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QAccessible::State ComboAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = combo()->view()->isVisible();
    s.editable = combo()->isEditable();
    return s;
}

QStringList ComboAccessible::actionNames() const {
    return {QAccessibleActionInterface::showMenuAction(), QAccessibleActionInterface::pressAction()};
}

void ComboAccessible::doAction(const QString& actionName) {
    if (actionName != QAccessibleActionInterface::showMenuAction() &&
        actionName != QAccessibleActionInterface::pressAction())
        return;
    if (combo()->view()->isVisible()) combo()->hidePopup();
    else combo()->showPopup();
}

void installComboAccessibility() {
    installAccessibleFactory<QComboBox, ComboAccessible>();
}

}  // namespace qm
