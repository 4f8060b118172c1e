#pragma once

#include <QAccessibleWidget>

namespace qm {

class ccXPButton;

// What assistive technology sees of a ccXPButton: a push button named by its
// caption, with the Alt+letter access key and a "press" action that clicks
// while the button is enabled and on screen.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ccXPButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ccXPButton* button() const;
    QString shortcut() const;
    bool onScreen() const;
    bool pressable() const;
};

// Registers the interface with Qt's accessibility; safe to call repeatedly.
void installButtonAccessibility();

}  // namespace qm
