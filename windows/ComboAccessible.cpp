#include "ComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface* comboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new ComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

ComboAccessible::ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QComboBox* ComboAccessible::combo() const { return static_cast<QComboBox*>(widget()); }

// The drop-down list, then the edit field of an editable combo box.
QWidgetList ComboAccessible::parts() const {
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

int ComboAccessible::childCount() const { return int(parts().size()); }

QAccessibleInterface* ComboAccessible::child(int index) const {
    const QWidgetList list = parts();
    if (index < 0 || index >= list.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(list.at(index));
}

int ComboAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
    return int(parts().indexOf(static_cast<QWidget*>(child->object())));
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
