#pragma once

namespace qm {

// The button's looks, in the order of its colour tables.
enum ButtonLook : int { Disabled = 0, Normal = 1, Focused = 2, Hot = 3, Pressed = 4 };

// The whole state of one button; the input rules and the renderer read and
// change nothing else.
struct ButtonFlags {
    int look = Disabled;        // the look last drawn; changed only by drawButton
    bool drawLocked = true;     // while set, redraw requests are ignored
    bool lastPressWasLeft = false;  // the latest mouse press was the left button
    bool armed = false;         // a press is in progress; its release clicks
    bool hasFocus = false;
    bool mouseOver = false;
    bool windowActive = false;  // set only by the parent window's activation
    // A click released before the activation its press caused had arrived.
    bool clickOnActivation = false;
    bool spaceDown = false;
    bool leftDown = false;
    bool showDefault = false;
    bool enabled = false;
    bool focusRect = false;
};

}  // namespace qm
