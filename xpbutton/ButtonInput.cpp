#include "ButtonInput.h"

namespace xp {

// A disabled control gets no mouse or key input from its window; the Enabled
// guards below only keep a stray one from clicking or painting over the
// disabled look, while still letting releases end a press.

void ButtonInput::mouseDown(short button, short, float, float) {
    if (!flags_.Enabled) return;
    flags_.LastButton = button;
    if (button != LeftButton) return;
    flags_.HasFocus = true;
    flags_.ClickArmed = true;
    flags_.LeftDown = true;
    showIfNeeded(Pressed);
}

void ButtonInput::mouseUp(short button, short, float, float) {
    if (button != LeftButton) return;
    if (flags_.FormActive && flags_.Enabled) {
        if (flags_.MouseOver)
            showIfNeeded(Hot);
        else if (flags_.HasFocus)
            show(Focused);
        if (flags_.MouseOver && flags_.HasFocus && flags_.ClickArmed && !host_.raiseClick()) return;
    }
    flags_.ClickArmed = false;
    flags_.LeftDown = false;
}

void ButtonInput::mouseMove(short button, short shift, float x, float y) {
    const bool inside = x >= 0 && x <= host_.clientWidth() && y >= 0 && y <= host_.clientHeight();
    flags_.MouseOver = inside;
    if (inside) host_.RequestMouseLeave();

    // While the window is inactive or space is held, moves only track the pointer.
    if (!flags_.FormActive || flags_.SpaceDown || !flags_.Enabled) return;
    if (flags_.MouseOver)
        showIfNeeded(flags_.ClickArmed ? Pressed : Hot);
    else
        showIfNeeded(flags_.HasFocus ? Focused : Normal);
    host_.raiseMouseMove(button, shift, x, y);
}

void ButtonInput::doubleClick() {
    if (!flags_.Enabled || flags_.LastButton != LeftButton) return;
    show(Pressed);
    host_.raiseDblClick();
}

void ButtonInput::keyDown(short keyCode, short) {
    if (!flags_.Enabled) return;
    switch (keyCode) {
    case KeyEnter:
        host_.raiseClick();
        break;
    case KeySpace:
        if (flags_.LeftDown) break;
        flags_.SpaceDown = true;
        flags_.ClickArmed = true;
        showIfNeeded(Pressed);
        break;
    case KeyLeft:
    case KeyUp:
        host_.moveFocus(FocusMove::Previous);
        break;
    case KeyRight:
    case KeyDown:
        host_.moveFocus(FocusMove::Next);
        break;
    default:
        break;
    }
}

void ButtonInput::keyUp(short keyCode, short) {
    if (keyCode != KeySpace || flags_.LeftDown) return;
    if (flags_.Enabled) {
        if (flags_.MouseOver)
            showIfNeeded(Hot);
        else
            show(Focused);
        if (flags_.ClickArmed && !host_.raiseClick()) return;
    }
    flags_.SpaceDown = false;
    flags_.ClickArmed = false;
}

void ButtonInput::gotFocus() {
    flags_.HasFocus = true;
    if (!flags_.Enabled) return;
    if (flags_.MouseOver) {
        if (flags_.VisualState != Hot && flags_.VisualState != Pressed) show(Hot);
    } else if (!flags_.ClickArmed) {
        show(Focused);
    }
}

void ButtonInput::lostFocus() {
    flags_.HasFocus = false;
    flags_.ClickArmed = false;
    flags_.SpaceDown = false;
    if (!flags_.Enabled) return;
    if (!flags_.FormActive)
        showIfNeeded(Normal);
    else if (flags_.MouseOver)
        showIfNeeded(Hot);
    else if (flags_.ShowDefault)
        show(Focused);
    else
        showIfNeeded(Normal);
}

void ButtonInput::accessKey() {
    if (!flags_.Enabled) return;
    if (flags_.SpaceDown) {
        // The access key abandons a space press without clicking.
        flags_.SpaceDown = false;
        flags_.ClickArmed = false;
        if (flags_.MouseOver)
            showIfNeeded(Hot);
        else
            show(Focused);
        return;
    }
    if (!host_.processPendingEvents()) return;
    host_.raiseClick();
}

void ButtonInput::pointerLeft() {
    flags_.MouseOver = false;
    if (flags_.SpaceDown || flags_.VisualState == Disabled) return;
    if (!flags_.HasFocus && !flags_.ShowDefault)
        showIfNeeded(Normal);
    else if (flags_.VisualState == Pressed)
        show(flags_.ClickArmed ? Focused : Normal);
    else if (flags_.VisualState != Focused && flags_.FormActive)
        show(Focused);
}

void ButtonInput::parentActivation(quint32 wParam) {
    if (wParam != 0) {
        flags_.FormActive = true;
        if (!flags_.Enabled) return;
        if (flags_.MouseOver)
            showIfNeeded(Hot);
        else if (flags_.HasFocus || flags_.ShowDefault)
            show(Focused);
        return;
    }
    flags_.FormActive = false;
    flags_.ClickArmed = false;
    flags_.LeftDown = false;
    flags_.SpaceDown = false;
    if (flags_.Enabled) showIfNeeded(Normal);
}

}  // namespace xp
