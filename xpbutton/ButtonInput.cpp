#include "xpbutton/ButtonInput.h"

#include <utility>

namespace qm {

// A disabled control gets no mouse or key input from its window; the enabled
// guards below only keep a stray one from clicking or painting over the
// disabled look, while still letting releases end a press.

void ButtonInput::mousePress(Qt::MouseButton button) {
    flags_.clickOnActivation = false;
    if (!flags_.enabled) return;
    flags_.lastPressWasLeft = button == Qt::LeftButton;
    if (button != Qt::LeftButton) return;
    flags_.hasFocus = true;
    flags_.armed = true;
    flags_.leftDown = true;
    showIfNeeded(Pressed);
}

void ButtonInput::mouseRelease(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    if (flags_.windowActive && flags_.enabled) {
        if (flags_.mouseOver)
            showIfNeeded(Hot);
        else if (flags_.hasFocus)
            show(Focused);
        if (flags_.mouseOver && flags_.hasFocus && flags_.armed && !host_.raiseClick()) return;
    } else if (flags_.enabled) {
        // A press makes its window active, but the activation may arrive
        // after the release (Wayland): it clicks then.
        flags_.clickOnActivation = flags_.mouseOver && flags_.hasFocus && flags_.armed;
    }
    flags_.armed = false;
    flags_.leftDown = false;
}

void ButtonInput::mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position) {
    const QSizeF client = host_.clientSize();
    const bool inside = position.x() >= 0 && position.x() <= client.width() && position.y() >= 0 &&
                        position.y() <= client.height();
    flags_.mouseOver = inside;
    if (inside)
        host_.requestMouseLeave();
    else
        flags_.clickOnActivation = false;

    // While the window is inactive or space is held, moves only track the pointer.
    if (!flags_.windowActive || flags_.spaceDown || !flags_.enabled) return;
    if (flags_.mouseOver)
        showIfNeeded(flags_.armed ? Pressed : Hot);
    else
        showIfNeeded(flags_.hasFocus ? Focused : Normal);
    host_.raiseMouseMove(buttons, modifiers, position);
}

void ButtonInput::doubleClick() {
    if (!flags_.enabled || !flags_.lastPressWasLeft) return;
    show(Pressed);
    host_.raiseDoubleClick();
}

bool ButtonInput::keyPress(Qt::Key key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (flags_.enabled) host_.raiseClick();
        return true;
    case Qt::Key_Space:
        if (!flags_.enabled || flags_.leftDown) return true;
        flags_.spaceDown = true;
        flags_.armed = true;
        showIfNeeded(Pressed);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (flags_.enabled) host_.moveFocus(FocusMove::Previous);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (flags_.enabled) host_.moveFocus(FocusMove::Next);
        return true;
    default:
        return false;
    }
}

bool ButtonInput::keyRelease(Qt::Key key) {
    if (key != Qt::Key_Space) return false;
    if (flags_.leftDown) return true;
    if (flags_.enabled) {
        if (flags_.mouseOver)
            showIfNeeded(Hot);
        else
            show(Focused);
        if (flags_.armed && !host_.raiseClick()) return true;
    }
    flags_.spaceDown = false;
    flags_.armed = false;
    return true;
}

void ButtonInput::focusIn() {
    flags_.hasFocus = true;
    if (!flags_.enabled) return;
    if (flags_.mouseOver) {
        if (flags_.look != Hot && flags_.look != Pressed) show(Hot);
    } else if (!flags_.armed) {
        show(Focused);
    }
}

void ButtonInput::focusOut() {
    flags_.clickOnActivation = false;
    flags_.hasFocus = false;
    flags_.armed = false;
    flags_.spaceDown = false;
    if (!flags_.enabled) return;
    if (!flags_.windowActive)
        showIfNeeded(Normal);
    else if (flags_.mouseOver)
        showIfNeeded(Hot);
    else if (flags_.showDefault)
        show(Focused);
    else
        showIfNeeded(Normal);
}

void ButtonInput::accessKey() {
    if (!flags_.enabled) return;
    if (flags_.spaceDown) {
        // The access key abandons a space press without clicking.
        flags_.spaceDown = false;
        flags_.armed = false;
        if (flags_.mouseOver)
            showIfNeeded(Hot);
        else
            show(Focused);
        return;
    }
    if (!host_.processPendingEvents()) return;
    host_.raiseClick();
}

void ButtonInput::pointerLeft() {
    flags_.mouseOver = false;
    flags_.clickOnActivation = false;
    if (flags_.spaceDown || flags_.look == Disabled) return;
    if (!flags_.hasFocus && !flags_.showDefault)
        showIfNeeded(Normal);
    else if (flags_.look == Pressed)
        show(flags_.armed ? Focused : Normal);
    else if (flags_.look != Focused && flags_.windowActive)
        show(Focused);
}

void ButtonInput::windowActivation(bool active) {
    const bool click = std::exchange(flags_.clickOnActivation, false);
    if (active) {
        flags_.windowActive = true;
        if (!flags_.enabled) return;
        if (flags_.mouseOver)
            showIfNeeded(Hot);
        else if (flags_.hasFocus || flags_.showDefault)
            show(Focused);
        if (click) host_.raiseClick();
        return;
    }
    flags_.windowActive = false;
    flags_.armed = false;
    flags_.leftDown = false;
    flags_.spaceDown = false;
    if (flags_.enabled) showIfNeeded(Normal);
}

void ButtonInput::setEnabled(bool enabled) {
    flags_.enabled = enabled;
    flags_.drawLocked = false;
    if (!enabled) {
        flags_.clickOnActivation = false;
        // A release after re-enabling must not click a press made before.
        flags_.armed = false;
        flags_.leftDown = false;
        flags_.spaceDown = false;
    }
    if (flags_.mouseOver && enabled)
        show(Hot);
    else if (flags_.showDefault && enabled)
        show(Focused);
    else
        showIfNeeded(enabled ? Normal : Disabled);
}

}  // namespace qm
