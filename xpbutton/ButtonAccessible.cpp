#include "xpbutton/ButtonAccessible.h"

#include "xpbutton/AccessKey.h"
#include "xpbutton/AccessibleFactory.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

ButtonAccessible::ButtonAccessible(ccXPButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

ccXPButton* ButtonAccessible::button() const { return static_cast<ccXPButton*>(widget()); }

QString ButtonAccessible::shortcut() const {
    const QString key = button()->accessKey();
    return key.isEmpty() ? QString() : QStringLiteral("Alt+") + key.toUpper();
}

QString ButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        // A caption such as "«" needs words the layout gives it.
        if (!button()->accessibleName().isEmpty()) return button()->accessibleName();
        return displayCaption(button()->caption());
    case QAccessible::Accelerator:
        return shortcut();
    default:
        return QAccessibleWidget::text(t);
    }
}

// A button under an open panel, or beyond the edge of a folded window, is
// on no one's screen: it is not shown and not pressed from outside.
bool ButtonAccessible::onScreen() const {
    return button()->isVisible() && !button()->visibleRegion().isEmpty();
}

bool ButtonAccessible::pressable() const {
    return button()->isEnabled() && onScreen();
}

QAccessible::State ButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (!button()->isEnabled()) {
        s.disabled = true;
        s.focusable = false;
    }
    if (!onScreen()) {
        s.invisible = true;
        s.focusable = false;
    }
    s.pressed = button()->flags().look == Pressed;
    return s;
}

QStringList ButtonAccessible::actionNames() const {
    if (!pressable()) return {};
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ButtonAccessible::doAction(const QString& actionName) {
    if (!pressable()) return;
    if (actionName == pressAction())
        emit button()->clicked();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction() && !shortcut().isEmpty()) return {shortcut()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installButtonAccessibility() {
    installAccessibleFactory<ccXPButton, ButtonAccessible>();
}

}  // namespace qm
