#include "windows/ChildListAccessible.h"

#include <QWidget>

namespace qm {

int ChildListAccessible::childCount() const { return int(listed().size()); }

QAccessibleInterface* ChildListAccessible::child(int index) const {
    const QWidgetList list = listed();
    if (index < 0 || index >= list.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(list.at(index));
}

int ChildListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
    return int(listed().indexOf(static_cast<QWidget*>(child->object())));
}

}  // namespace qm
