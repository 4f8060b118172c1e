#include "windows/FormAccessible.h"

#include <QFocusFrame>
#include <QGroupBox>
#include <QMenu>
#include <algorithm>

#include "windows/Form.h"
#include "windows/LayoutShapes.h"
#include "xpbutton/AccessibleFactory.h"

namespace qm {

namespace {

constexpr char kHidden[] = "quillmereHiddenFromAssistiveTechnology";

bool seenByAssistiveTechnology(const QWidget* w) {
    return !w->isWindow() && !qobject_cast<const QFocusFrame*>(w) &&
           !qobject_cast<const QMenu*>(w) && !qobject_cast<const ShapeControl*>(w) &&
           !qobject_cast<const LineControl*>(w) && !w->property(kHidden).toBool();
}

// Splits the controls into bands that no control straddles, first in rows,
// else in columns, and reads band after band; controls that overlap in both
// directions read from the top left. The child list itself runs in stacking
// order, which the layout gives from the top down, not in reading order.
void sortForReading(QWidgetList::iterator first, QWidgetList::iterator last) {
    const auto bands = [&](auto start, auto end) {
        std::stable_sort(first, last, [&](QWidget* a, QWidget* b) { return start(a) < start(b); });
        QList<QWidgetList::iterator> cuts;
        int reach = end(*first);
        for (auto it = first + 1; it != last; ++it) {
            if (start(*it) >= reach) cuts << it;
            reach = std::max(reach, end(*it));
        }
        return cuts;
    };
    if (last - first < 2) return;
    QList<QWidgetList::iterator> cuts =
        bands([](QWidget* w) { return w->y(); }, [](QWidget* w) { return w->y() + w->height(); });
    if (cuts.isEmpty())
        cuts = bands([](QWidget* w) { return w->x(); },
                     [](QWidget* w) { return w->x() + w->width(); });
    if (cuts.isEmpty()) {
        std::stable_sort(first, last, [](QWidget* a, QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return;
    }
    cuts << last;
    for (QWidgetList::iterator band : cuts) {
        sortForReading(first, band);
        first = band;
    }
}

}  // namespace

FormAccessible::FormAccessible(QWidget* window, QAccessible::Role role)
    : ChildListAccessible(window, role) {}

QWidgetList FormAccessible::listed() const {
    QWidgetList seen;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && seenByAssistiveTechnology(w)) seen << w;
    }
    // Controls in one place read in the layout's order, the reverse of stacking.
    std::reverse(seen.begin(), seen.end());
    sortForReading(seen.begin(), seen.end());
    return seen;
}

PanelAccessible::PanelAccessible(QGroupBox* panel) : FormAccessible(panel, QAccessible::Grouping) {}

QString PanelAccessible::text(QAccessible::Text t) const {
    const QString own = FormAccessible::text(t);
    if (t != QAccessible::Name || !own.isEmpty()) return own;
    return static_cast<QGroupBox*>(widget())->title();
}

void hideFromAssistiveTechnology(QWidget* control) { control->setProperty(kHidden, true); }

void installFormAccessibility() {
    installAccessibleFactory<Form, FormAccessible>();
    installAccessibleFactory<QGroupBox, PanelAccessible>();
}

}  // namespace qm
