// The button's Qt events, translated into its input rules (ButtonInput) and
// its window-message hooks (MessageHook).
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "xpbutton/ButtonInput.h"
#include "xpbutton/MessageHook.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

// The widget as the host of its input rules, and the hooks of its windows.
struct ccXPButton::InputBinding final : ButtonHost {
    explicit InputBinding(ccXPButton& b) : button(b), input(b.flags_, *this) {}

    static InputBinding& of(ccXPButton* b) {
        if (!b->input_) b->input_.reset(new InputBinding(*b));
        return *b->input_;
    }

    void drawButton(int look) override { button.drawButton(look); }
    bool raiseClick() override {
        QPointer<ccXPButton> alive(&button);
        emit button.clicked();
        return alive;
    }
    bool raiseDoubleClick() override {
        QPointer<ccXPButton> alive(&button);
        emit button.doubleClicked();
        return alive;
    }
    bool raiseMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position) override {
        QPointer<ccXPButton> alive(&button);
        emit button.mouseMoved(buttons, modifiers, position);
        return alive;
    }
    void requestMouseLeave() override { qm::requestMouseLeave(&button); }
    // The same moves as Tab and Shift+Tab.
    void moveFocus(FocusMove direction) override { button.focusNextPrevChild(direction == FocusMove::Next); }
    bool processPendingEvents() override {
        QPointer<ccXPButton> alive(&button);
        QCoreApplication::processEvents();
        return alive;
    }
    QSizeF clientSize() const override { return button.size(); }

    ccXPButton& button;
    ButtonInput input;
    HookTable hooks;
};

void ccXPButton::InputBindingDeleter::operator()(InputBinding* binding) const { delete binding; }

// A button that appeared under a still pointer has seen no move yet; the
// system would have reported one before the press.
void ccXPButton::mousePressEvent(QMouseEvent* event) {
    ButtonInput& input = InputBinding::of(this).input;
    if (!flags_.mouseOver) input.mouseMove(event->buttons() & ~event->button(), event->modifiers(), event->position());
    input.mousePress(event->button());
}

void ccXPButton::mouseReleaseEvent(QMouseEvent* event) { InputBinding::of(this).input.mouseRelease(event->button()); }

void ccXPButton::mouseMoveEvent(QMouseEvent* event) {
    InputBinding::of(this).input.mouseMove(event->buttons(), event->modifiers(), event->position());
}

// Qt reports a double click as press, release, double click, release: the
// double click stands in for the second press, which is not a press here.
void ccXPButton::mouseDoubleClickEvent(QMouseEvent*) { InputBinding::of(this).input.doubleClick(); }

// Keys the button does not use go on to its window.
void ccXPButton::keyPressEvent(QKeyEvent* event) {
    if (!InputBinding::of(this).input.keyPress(Qt::Key(event->key()))) event->ignore();
}

// A held key repeats its key press only; the releases Qt reports in between
// are not the key coming up.
void ccXPButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    if (!InputBinding::of(this).input.keyRelease(Qt::Key(event->key()))) event->ignore();
}

void ccXPButton::focusInEvent(QFocusEvent*) { InputBinding::of(this).input.focusIn(); }

void ccXPButton::focusOutEvent(QFocusEvent*) { InputBinding::of(this).input.focusOut(); }

void ccXPButton::onAccessKey() { InputBinding::of(this).input.accessKey(); }

void ccXPButton::syncEnabled() {
    if (flags_.enabled == isEnabled() && !flags_.drawLocked) return;
    InputBinding::of(this).input.setEnabled(isEnabled());
    emit propertyChanged(QStringLiteral("Enabled"));
}

void ccXPButton::onWindowActivation(bool active) {
    InputBinding::of(this).input.windowActivation(active);
    emit windowActivationChanged(active);
}

void ccXPButton::installHooks() {
    InputBinding& binding = InputBinding::of(this);
    HookTable& hooks = binding.hooks;
    if (hooks.findSlot(this, false) >= 0) return;
    hooks.setProcedure(buttonProcedure([this](bool active) { onWindowActivation(active); },
                                       [this] { InputBinding::of(this).input.pointerLeft(); }));
    hooks.hookWindow(this);
    hooks.hookMessage(this, WindowMessage::MouseLeave, HookPhase::After);
    QWidget* parent = parentWindow_;
    hooks.hookWindow(parent);
    hooks.hookMessage(parent, WindowMessage::Activate, HookPhase::After);

    // A window that is already active sends no activation until it loses
    // and regains it; without this the button would ignore the mouse.
    if (parent && parent->isActiveWindow()) binding.input.windowActivation(true);
}

void ccXPButton::removeHooks() {
    if (!input_) return;
    input_->hooks.unhookWindow(this);
    input_->hooks.unhookWindow(parentWindow_);
}

}  // namespace qm
