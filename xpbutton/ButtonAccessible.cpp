#include "xpbutton/ButtonAccessible.h"

#include "xpbutton/AccessKey.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

namespace {

QAccessibleInterface* buttonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("qm::ccXPButton") && object && object->isWidgetType())
        return new ButtonAccessible(static_cast<ccXPButton*>(object));
    return nullptr;
}

}  // namespace

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

QAccessible::State ButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (!button()->isEnabled()) {
        s.disabled = true;
        s.focusable = false;
    }
    s.pressed = button()->flags().look == Pressed;
    return s;
}

QStringList ButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled()) names.prepend(pressAction());
    return names;
}

void ButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        if (button()->isEnabled()) emit button()->clicked();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction() && !shortcut().isEmpty()) return {shortcut()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(buttonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace qm
