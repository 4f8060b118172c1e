#pragma once

#include <QAccessible>

namespace qm {

// Qt asks each factory about an object under its own class name, then under
// each base class name in turn: answering only to Widget's own name leaves a
// subclass's interface to a factory that knows it better.
template <class Widget, class Accessible>
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className != QLatin1String(Widget::staticMetaObject.className())) return nullptr;
    auto* widget = qobject_cast<Widget*>(object);
    return widget ? new Accessible(widget) : nullptr;
}

// Gives every Widget the interface Accessible; safe to call repeatedly.
template <class Widget, class Accessible>
void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor<Widget, Accessible>);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace qm
