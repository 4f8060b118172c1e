#pragma once

#include <QAccessibleWidget>

namespace qm {

// An accessible widget whose children are the widgets listed(), in order,
// rather than every child widget Qt would find.
class ChildListAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    virtual QWidgetList listed() const = 0;
};

}  // namespace qm
