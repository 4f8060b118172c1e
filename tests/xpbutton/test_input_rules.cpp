#include <gtest/gtest.h>

#include "FakeButtonHost.h"
#include "xpbutton/ButtonInput.h"

using namespace qm;

namespace {

// An enabled, unlocked button in its normal look on an active window.
class InputRules : public ::testing::Test {
protected:
    InputRules() {
        flags.drawLocked = false;
        flags.enabled = true;
        flags.look = Normal;
        flags.windowActive = true;
    }

    void moveTo(float x, float y) { input.mouseMove(Qt::NoButton, {}, QPointF(x, y)); }
    void press() { input.mousePress(Qt::LeftButton); }
    void release() { input.mouseRelease(Qt::LeftButton); }

    ButtonFlags flags;
    FakeButtonHost host{flags};
    ButtonInput input{flags, host};
};

TEST_F(InputRules, RightAndBottomEdgesCountAsInside) {
    moveTo(75, 23);
    EXPECT_TRUE(flags.mouseOver);
    EXPECT_EQ(flags.look, Hot);
    moveTo(0, 0);
    EXPECT_TRUE(flags.mouseOver);
    moveTo(75.01f, 10);
    EXPECT_FALSE(flags.mouseOver);
    moveTo(10, -0.01f);
    EXPECT_FALSE(flags.mouseOver);
}

TEST_F(InputRules, MovesInsideRenewTheLeaveRequestAndRedrawOnlyOnChange) {
    moveTo(10, 10);
    moveTo(11, 10);
    moveTo(12, 10);
    EXPECT_EQ(host.leaveRequests, 3);
    EXPECT_EQ(host.mouseMoves, 3);
    EXPECT_EQ(host.draws, std::vector<int>{Hot});
    moveTo(200, 10);
    EXPECT_EQ(host.leaveRequests, 3);
}

TEST_F(InputRules, InactiveWindowOrHeldSpaceOnlyTracksThePointer) {
    flags.windowActive = false;
    moveTo(10, 10);
    EXPECT_TRUE(flags.mouseOver);
    press();
    release();
    EXPECT_EQ(host.clicks, 0);
    EXPECT_EQ(host.mouseMoves, 0);
    EXPECT_FALSE(flags.armed);
    EXPECT_EQ(host.draws, std::vector<int>{Pressed});  // the press itself still shows

    flags.windowActive = true;
    input.keyPress(Qt::Key_Space);
    host.draws.clear();
    moveTo(200, 10);
    EXPECT_FALSE(flags.mouseOver);
    EXPECT_TRUE(host.draws.empty());
    EXPECT_EQ(host.mouseMoves, 0);
}

// The press that activates a window counts as a press in an active window,
// even when the activation arrives after its release.
TEST_F(InputRules, AClickReleasedBeforeItsActivationClicksOnceOnIt) {
    flags.windowActive = false;
    moveTo(10, 10);
    press();
    release();
    EXPECT_EQ(host.clicks, 0);
    input.windowActivation(true);
    EXPECT_EQ(host.clicks, 1);
    EXPECT_EQ(flags.look, Hot);
    input.windowActivation(false);
    input.windowActivation(true);
    EXPECT_EQ(host.clicks, 1);

    // An activation that comes after the pointer has gone, or after another
    // window took the activation, was not caused by that press.
    for (int way = 0; way < 3; ++way) {
        input.windowActivation(false);
        moveTo(10, 10);
        press();
        release();
        if (way == 0) moveTo(200, 10);
        if (way == 1) input.pointerLeft();
        if (way == 2) input.windowActivation(false);
        moveTo(10, 10);
        input.windowActivation(true);
        EXPECT_EQ(host.clicks, 1) << way;
    }
}

TEST_F(InputRules, ActivationRedrawsFocusedAlwaysAndHotOnlyWhenNeeded) {
    flags.hasFocus = true;
    flags.look = Focused;
    input.windowActivation(true);
    EXPECT_EQ(host.draws, std::vector<int>{Focused});
    flags.mouseOver = true;
    flags.look = Hot;
    input.windowActivation(true);
    EXPECT_EQ(host.draws, std::vector<int>{Focused});
}

TEST_F(InputRules, ADisabledPressDoesNotClickOnceEnabledAgain) {
    moveTo(10, 10);
    press();
    input.setEnabled(false);
    input.setEnabled(true);
    release();
    input.keyPress(Qt::Key_Space);
    input.setEnabled(false);
    input.setEnabled(true);
    input.keyRelease(Qt::Key_Space);
    EXPECT_EQ(host.clicks, 0);
}

TEST_F(InputRules, OnlyTheKeysTheButtonUsesAreTaken) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                        Qt::Key_Down})
        EXPECT_TRUE(input.keyPress(key)) << key;
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_A, Qt::Key_F1, Qt::Key_Tab})
        EXPECT_FALSE(input.keyPress(key)) << key;
    EXPECT_TRUE(input.keyRelease(Qt::Key_Space));
    EXPECT_FALSE(input.keyRelease(Qt::Key_Escape));
}

TEST_F(InputRules, SpaceDoesNothingWhileTheLeftButtonIsHeld) {
    moveTo(10, 10);
    press();
    host.draws.clear();
    input.keyPress(Qt::Key_Space);
    input.keyRelease(Qt::Key_Space);
    EXPECT_FALSE(flags.spaceDown);
    EXPECT_TRUE(host.draws.empty());
    EXPECT_EQ(host.clicks, 0);
}

TEST_F(InputRules, LostFocusFollowsWindowPointerAndDefault) {
    flags.hasFocus = true;
    flags.look = Focused;
    flags.showDefault = true;
    input.focusOut();
    EXPECT_EQ(host.draws, std::vector<int>{Focused});  // the default look is redrawn even when unchanged

    flags.mouseOver = true;
    input.focusOut();
    EXPECT_EQ(flags.look, Hot);

    flags.windowActive = false;
    input.focusOut();
    EXPECT_EQ(flags.look, Normal);
}

TEST_F(InputRules, GotFocusShowsFocusedOrKeepsHotAndPressed) {
    input.focusIn();
    EXPECT_EQ(host.draws, std::vector<int>{Focused});
    input.focusIn();
    EXPECT_EQ(host.draws, (std::vector<int>{Focused, Focused}));

    host.draws.clear();
    flags.mouseOver = true;
    flags.look = Pressed;
    input.focusIn();
    EXPECT_TRUE(host.draws.empty());
    flags.look = Focused;
    input.focusIn();
    EXPECT_EQ(host.draws, std::vector<int>{Hot});
}

TEST_F(InputRules, AccessKeyRunsPendingEventsBeforeClicking) {
    int clicksSeenByPendingEvents = -1;
    host.onPendingEvents = [&] { clicksSeenByPendingEvents = host.clicks; };
    input.accessKey();
    EXPECT_EQ(clicksSeenByPendingEvents, 0);
    EXPECT_EQ(host.clicks, 1);

    flags.enabled = false;
    input.accessKey();
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(InputRules, PointerLeftReturnsToTheRestingLook) {
    moveTo(10, 10);
    input.pointerLeft();
    EXPECT_FALSE(flags.mouseOver);
    EXPECT_EQ(flags.look, Normal);

    flags.hasFocus = true;
    flags.look = Hot;
    input.pointerLeft();
    EXPECT_EQ(flags.look, Focused);

    flags.look = Pressed;
    flags.armed = false;
    input.pointerLeft();
    EXPECT_EQ(flags.look, Normal);

    flags.look = Pressed;
    flags.armed = true;
    input.pointerLeft();
    EXPECT_EQ(flags.look, Focused);
}

TEST_F(InputRules, PointerLeftKeepsDisabledLookAndHeldSpace) {
    flags.mouseOver = true;
    flags.look = Disabled;
    input.pointerLeft();
    EXPECT_TRUE(host.draws.empty());

    flags.look = Pressed;
    flags.spaceDown = true;
    flags.hasFocus = true;
    input.pointerLeft();
    EXPECT_EQ(flags.look, Pressed);
}

TEST_F(InputRules, DisabledButtonNeitherClicksNorLeavesItsLook) {
    flags.enabled = false;
    flags.look = Disabled;
    moveTo(10, 10);
    press();
    release();
    input.doubleClick();
    input.keyPress(Qt::Key_Return);
    input.keyPress(Qt::Key_Space);
    input.keyRelease(Qt::Key_Space);
    input.focusIn();
    input.windowActivation(true);
    input.pointerLeft();
    EXPECT_EQ(host.clicks + host.doubleClicks + host.mouseMoves, 0);
    EXPECT_TRUE(host.draws.empty());
}

}  // namespace
