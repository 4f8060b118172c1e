#include "windows/FormAccessible.h"

#include <QFocusFrame>
#include <QMenu>

namespace qm {

namespace {

constexpr char kHidden[] = "quillmereHiddenFromAssistiveTechnology";

QAccessibleInterface* formFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("qm::Form") && object && object->isWidgetType())
        return new FormAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

FormAccessible::FormAccessible(QWidget* window) : ChildListAccessible(window) {}

// The same children Qt lists for any widget, less the hidden ones.
QWidgetList FormAccessible::listed() const {
    QWidgetList shown;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || qobject_cast<QFocusFrame*>(w) || qobject_cast<QMenu*>(w)) continue;
        if (w->property(kHidden).toBool()) continue;
        shown << w;
    }
    return shown;
}

void hideFromAssistiveTechnology(QWidget* control) { control->setProperty(kHidden, true); }

void installFormAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(formFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace qm
