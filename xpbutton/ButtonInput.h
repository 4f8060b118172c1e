#pragma once

#include <QtGlobal>

#include "ButtonFlags.h"

namespace xp {

// Mouse buttons and key codes as the button's rules number them.
enum MouseButtonCode : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum KeyCode : short { KeyEnter = 13, KeySpace = 32, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40 };

enum class FocusMove { Previous, Next };

// What the input rules ask of the control that hosts them. The raise and
// pending-events calls return false when the control no longer exists
// afterwards (a handler may delete it), so that nothing touches it again.
class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    // Does nothing while DrawLocked is set; otherwise paints and sets VisualState.
    virtual void DrawButton(int state) = 0;
    virtual bool raiseClick() = 0;
    virtual bool raiseDblClick() = 0;
    virtual bool raiseMouseMove(short button, short shift, float x, float y) = 0;
    // Arms delivery of the next pointer-left input for the control's own window.
    virtual void RequestMouseLeave() = 0;
    virtual void moveFocus(FocusMove direction) = 0;
    virtual bool processPendingEvents() = 0;
    virtual double clientWidth() const = 0;
    virtual double clientHeight() const = 0;
};

// The button's mouse, keyboard, focus and window-message rules: each input
// is one transition over the flags, drawing through the host.
class ButtonInput {
public:
    ButtonInput(ButtonFlags& flags, ButtonHost& host) : flags_(flags), host_(host) {}

    void mouseDown(short button, short shift, float x, float y);
    void mouseUp(short button, short shift, float x, float y);
    void mouseMove(short button, short shift, float x, float y);
    void doubleClick();
    void keyDown(short keyCode, short shift);
    void keyUp(short keyCode, short shift);
    void gotFocus();
    void lostFocus();
    void accessKey();
    void pointerLeft();
    // wParam: non-zero when the parent window became active.
    void parentActivation(quint32 wParam);

private:
    void show(int state) { host_.DrawButton(state); }
    void showIfNeeded(int state) {
        if (flags_.VisualState != state) host_.DrawButton(state);
    }

    ButtonFlags& flags_;
    ButtonHost& host_;
};

}  // namespace xp
