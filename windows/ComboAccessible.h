#pragma once

#include "windows/ChildListAccessible.h"

class QComboBox;

namespace qm {

// What assistive technology sees of a combo box: named by its label, as every
// other field is, with its current text as the value. Qt's own interface names
// it by that value on Linux, so "3" or "/" is all a screen reader says.
class ComboAccessible : public ChildListAccessible {
public:
    explicit ComboAccessible(QComboBox* combo);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QWidgetList listed() const override;

private:
    QComboBox* combo() const;
};

// Registers the interface with Qt's accessibility; safe to call repeatedly.
void installComboAccessibility();

}  // namespace qm
