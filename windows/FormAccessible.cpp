#include "FormAccessible.h"

#include <QFocusFrame>
#include <QMenu>

namespace {

constexpr char kHidden[] = "quillmereHiddenFromAssistiveTechnology";

QAccessibleInterface* formFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("Form") && object && object->isWidgetType())
        return new FormAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

FormAccessible::FormAccessible(QWidget* window) : QAccessibleWidget(window) {}

// The same children Qt lists for any widget, less the hidden ones.
QWidgetList FormAccessible::exposedChildren() const {
    QWidgetList shown;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || qobject_cast<QFocusFrame*>(w) || qobject_cast<QMenu*>(w)) continue;
        if (w->property(kHidden).toBool()) continue;
        shown << w;
    }
    return shown;
}

int FormAccessible::childCount() const { return int(exposedChildren().size()); }

QAccessibleInterface* FormAccessible::child(int index) const {
    const QWidgetList shown = exposedChildren();
    if (index < 0 || index >= shown.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
    return int(exposedChildren().indexOf(static_cast<QWidget*>(child->object())));
}

void hideFromAssistiveTechnology(QWidget* control) { control->setProperty(kHidden, true); }

void installFormAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(formFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
