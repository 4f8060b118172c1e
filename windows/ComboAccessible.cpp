#include "windows/ComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace qm {

namespace {

QAccessibleInterface* comboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new ComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

ComboAccessible::ComboAccessible(QComboBox* combo) : ChildListAccessible(combo, QAccessible::ComboBox) {}

QComboBox* ComboAccessible::combo() const { return static_cast<QComboBox*>(widget()); }

// The drop-down list, then the edit field of an editable combo box.
QWidgetList ComboAccessible::listed() const {
    QWidgetList list{combo()->view()};
    if (QLineEdit* edit = combo()->lineEdit()) list << edit;
    return list;
}

QString ComboAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return combo()->currentText();
    return QAccessibleWidget::text(t);  // the name comes from the buddy label
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
    static const bool installed = [] {
        QAccessible::installFactory(comboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace qm
