// The button's Qt events, translated into its input rules (ButtonInput) and
// its window-message hooks (MessageHook).
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ButtonInput.h"
#include "MessageHook.h"
#include "ccXPButton.h"

namespace {

short buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return xp::LeftButton;
    case Qt::RightButton: return xp::RightButton;
    case Qt::MiddleButton: return xp::MiddleButton;
    default: return 0;
    }
}

short buttonMask(Qt::MouseButtons buttons) {
    short mask = 0;
    if (buttons & Qt::LeftButton) mask |= xp::LeftButton;
    if (buttons & Qt::RightButton) mask |= xp::RightButton;
    if (buttons & Qt::MiddleButton) mask |= xp::MiddleButton;
    return mask;
}

short shiftMask(Qt::KeyboardModifiers modifiers) {
    short mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

short keyCode(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return xp::KeyEnter;
    case Qt::Key_Space: return xp::KeySpace;
    case Qt::Key_Left: return xp::KeyLeft;
    case Qt::Key_Up: return xp::KeyUp;
    case Qt::Key_Right: return xp::KeyRight;
    case Qt::Key_Down: return xp::KeyDown;
    default: return 0;
    }
}

}  // namespace

// The widget as the host of its input rules, and the hooks of its windows.
struct ccXPButton::InputBinding final : xp::ButtonHost {
    explicit InputBinding(ccXPButton& b) : button(b), input(b.flags_, *this) {}

    static InputBinding& of(ccXPButton* b) {
        if (!b->input_) b->input_.reset(new InputBinding(*b));
        return *b->input_;
    }

    void DrawButton(int state) override { button.DrawButton(state); }
    bool raiseClick() override {
        QPointer<ccXPButton> alive(&button);
        emit button.Click();
        return alive;
    }
    bool raiseDblClick() override {
        QPointer<ccXPButton> alive(&button);
        emit button.DblClick();
        return alive;
    }
    bool raiseMouseMove(short mouseButton, short shift, float x, float y) override {
        QPointer<ccXPButton> alive(&button);
        emit button.MouseMove(mouseButton, shift, x, y);
        return alive;
    }
    void RequestMouseLeave() override { xp::RequestMouseLeave(&button); }
    // The same moves as Tab and Shift+Tab.
    void moveFocus(xp::FocusMove direction) override {
        button.focusNextPrevChild(direction == xp::FocusMove::Next);
    }
    bool processPendingEvents() override {
        QPointer<ccXPButton> alive(&button);
        QCoreApplication::processEvents();
        return alive;
    }
    double clientWidth() const override { return button.width(); }
    double clientHeight() const override { return button.height(); }

    ccXPButton& button;
    xp::ButtonInput input;
    xp::HookTable hooks;
};

void ccXPButton::InputBindingDeleter::operator()(InputBinding* binding) const { delete binding; }

// A button that appeared under a still pointer has seen no move yet; the
// system would have reported one before the press.
void ccXPButton::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (!flags_.MouseOver)
        InputBinding::of(this).input.mouseMove(buttonMask(event->buttons() & ~event->button()),
                                               shiftMask(event->modifiers()), p.x(), p.y());
    InputBinding::of(this).input.mouseDown(buttonCode(event->button()), shiftMask(event->modifiers()), p.x(), p.y());
}

void ccXPButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    InputBinding::of(this).input.mouseUp(buttonCode(event->button()), shiftMask(event->modifiers()), p.x(), p.y());
}

void ccXPButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    InputBinding::of(this).input.mouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), p.x(), p.y());
}

// Qt reports a double click as press, release, double click, release: the
// double click stands in for the second press, which is not a press here.
void ccXPButton::mouseDoubleClickEvent(QMouseEvent*) { InputBinding::of(this).input.doubleClick(); }

void ccXPButton::keyPressEvent(QKeyEvent* event) {
    InputBinding::of(this).input.keyDown(keyCode(event->key()), shiftMask(event->modifiers()));
}

// A held key repeats its key-down only; the releases Qt reports in between
// are not the key coming up.
void ccXPButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    InputBinding::of(this).input.keyUp(keyCode(event->key()), shiftMask(event->modifiers()));
}

void ccXPButton::focusInEvent(QFocusEvent*) { InputBinding::of(this).input.gotFocus(); }

void ccXPButton::focusOutEvent(QFocusEvent*) { InputBinding::of(this).input.lostFocus(); }

void ccXPButton::onAccessKey() { InputBinding::of(this).input.accessKey(); }

void ccXPButton::zSubclass_Proc(bool, bool&, long&, quintptr&, unsigned& uMsg, quintptr& wParam, qintptr&) {
    switch (uMsg) {
    case xp::MsgActivate:
    case xp::MsgNcActivate: {
        const quint32 state = static_cast<quint32>(wParam);
        InputBinding::of(this).input.parentActivation(state);
        emit FormActivate(state != 0 ? 1 : 0);
        break;
    }
    case xp::MsgMouseLeave:
        InputBinding::of(this).input.pointerLeft();
        break;
    default:
        break;
    }
}

void ccXPButton::installHooks() {
    InputBinding& binding = InputBinding::of(this);
    xp::HookTable& hooks = binding.hooks;
    if (hooks.FindHookSlot(this, false) >= 0) return;
    hooks.setProcedure([this](bool bBefore, bool& bHandled, long& lReturn, quintptr& lng_hWnd, unsigned& uMsg,
                              quintptr& wParam, qintptr& lParam) {
        zSubclass_Proc(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam);
    });
    hooks.HookWindow(this);
    hooks.HookMessage(this, xp::MsgMouseLeave, xp::HookAfter);
    QWidget* parent = ParentHwnd_;
    hooks.HookWindow(parent);
    hooks.HookMessage(parent, xp::MsgActivate, xp::HookAfter);

    // A window that is already active sends no activation until it loses
    // and regains it; without this the button would ignore the mouse.
    if (parent && parent->isActiveWindow()) binding.input.parentActivation(1);
}

void ccXPButton::removeHooks() {
    if (!input_) return;
    input_->hooks.UnhookWindow(this);
    input_->hooks.UnhookWindow(ParentHwnd_);
}
