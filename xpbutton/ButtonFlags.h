#pragma once

namespace xp {

// The button's looks, in the order of its colour tables.
enum VisualStateValue : int { Disabled = 0, Normal = 1, Focused = 2, Hot = 3, Pressed = 4 };

// The whole state of one button; the input rules and the renderer read and
// change nothing else.
struct ButtonFlags {
    int VisualState = Disabled;  // the look last drawn; changed only by DrawButton
    bool DrawLocked = true;      // while set, redraw requests are ignored
    short LastButton = 0;        // mouse button of the latest mouse-down (1 = left)
    bool ClickArmed = false;     // a press is in progress; its release clicks
    bool HasFocus = false;
    bool MouseOver = false;
    bool FormActive = false;     // set only by the parent window's activation
    bool SpaceDown = false;
    bool LeftDown = false;
    bool ShowDefault = false;
    bool Enabled = false;
    bool FocusRect = false;
};

}  // namespace xp
