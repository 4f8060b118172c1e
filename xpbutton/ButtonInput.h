#pragma once

#include <QPointF>
#include <QSizeF>
#include <Qt>

#include "xpbutton/ButtonFlags.h"

namespace qm {

enum class FocusMove { Previous, Next };

// What the input rules ask of the control that hosts them. The raise and
// pending-events calls return false when the control no longer exists
// afterwards (a handler may delete it), so that nothing touches it again.
class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    // Does nothing while drawLocked is set; otherwise paints and sets look.
    virtual void drawButton(int look) = 0;
    virtual bool raiseClick() = 0;
    virtual bool raiseDoubleClick() = 0;
    virtual bool raiseMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position) = 0;
    // Arms delivery of the next pointer-left input for the control's own window.
    virtual void requestMouseLeave() = 0;
    virtual void moveFocus(FocusMove direction) = 0;
    virtual bool processPendingEvents() = 0;
    virtual QSizeF clientSize() const = 0;
};

// The button's mouse, keyboard, focus and window rules: each input is one
// transition over the flags, drawing through the host.
class ButtonInput {
public:
    ButtonInput(ButtonFlags& flags, ButtonHost& host) : flags_(flags), host_(host) {}

    void mousePress(Qt::MouseButton button);
    void mouseRelease(Qt::MouseButton button);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);
    void doubleClick();
    // False for a key the button does not use, which its parent may take.
    bool keyPress(Qt::Key key);
    bool keyRelease(Qt::Key key);
    void focusIn();
    void focusOut();
    void accessKey();
    void pointerLeft();
    void windowActivation(bool active);
    // Writing the Enabled property; disabling abandons a press in progress.
    void setEnabled(bool enabled);

private:
    void show(int look) { host_.drawButton(look); }
    void showIfNeeded(int look) {
        if (flags_.look != look) host_.drawButton(look);
    }

    ButtonFlags& flags_;
    ButtonHost& host_;
};

}  // namespace qm
