#include <gtest/gtest.h>

#include "ButtonInput.h"
#include "FakeButtonHost.h"

using namespace xp;

namespace {

// An enabled, unlocked button in its normal look on an active window.
class InputRules : public ::testing::Test {
protected:
    InputRules() {
        flags.DrawLocked = false;
        flags.Enabled = true;
        flags.VisualState = Normal;
        flags.FormActive = true;
    }

    void moveTo(float x, float y) { input.mouseMove(0, 0, x, y); }
    void press() { input.mouseDown(LeftButton, 0, 10, 10); }
    void release() { input.mouseUp(LeftButton, 0, 10, 10); }

    ButtonFlags flags;
    FakeButtonHost host{flags};
    ButtonInput input{flags, host};
};

TEST_F(InputRules, RightAndBottomEdgesCountAsInside) {
    moveTo(75, 23);
    EXPECT_TRUE(flags.MouseOver);
    EXPECT_EQ(flags.VisualState, Hot);
    moveTo(0, 0);
    EXPECT_TRUE(flags.MouseOver);
    moveTo(75.01f, 10);
    EXPECT_FALSE(flags.MouseOver);
    moveTo(10, -0.01f);
    EXPECT_FALSE(flags.MouseOver);
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
    flags.FormActive = false;
    moveTo(10, 10);
    EXPECT_TRUE(flags.MouseOver);
    press();
    release();
    EXPECT_EQ(host.clicks, 0);
    EXPECT_EQ(host.mouseMoves, 0);
    EXPECT_FALSE(flags.ClickArmed);
    EXPECT_EQ(host.draws, std::vector<int>{Pressed});  // the press itself still shows

    flags.FormActive = true;
    input.keyDown(KeySpace, 0);
    host.draws.clear();
    moveTo(200, 10);
    EXPECT_FALSE(flags.MouseOver);
    EXPECT_TRUE(host.draws.empty());
    EXPECT_EQ(host.mouseMoves, 0);
}

TEST_F(InputRules, ActivationTestsTheWholeParameter) {
    flags.FormActive = false;
    input.parentActivation(0x00010000);
    EXPECT_TRUE(flags.FormActive);
}

TEST_F(InputRules, ActivationRedrawsFocusedAlwaysAndHotOnlyWhenNeeded) {
    flags.HasFocus = true;
    flags.VisualState = Focused;
    input.parentActivation(1);
    EXPECT_EQ(host.draws, std::vector<int>{Focused});
    flags.MouseOver = true;
    flags.VisualState = Hot;
    input.parentActivation(1);
    EXPECT_EQ(host.draws, std::vector<int>{Focused});
}

TEST_F(InputRules, SpaceDoesNothingWhileTheLeftButtonIsHeld) {
    moveTo(10, 10);
    press();
    host.draws.clear();
    input.keyDown(KeySpace, 0);
    input.keyUp(KeySpace, 0);
    EXPECT_FALSE(flags.SpaceDown);
    EXPECT_TRUE(host.draws.empty());
    EXPECT_EQ(host.clicks, 0);
}

TEST_F(InputRules, LostFocusFollowsWindowPointerAndDefault) {
    flags.HasFocus = true;
    flags.VisualState = Focused;
    flags.ShowDefault = true;
    input.lostFocus();
    EXPECT_EQ(host.draws, std::vector<int>{Focused});  // the default look is redrawn even when unchanged

    flags.MouseOver = true;
    input.lostFocus();
    EXPECT_EQ(flags.VisualState, Hot);

    flags.FormActive = false;
    input.lostFocus();
    EXPECT_EQ(flags.VisualState, Normal);
}

TEST_F(InputRules, GotFocusShowsFocusedOrKeepsHotAndPressed) {
    input.gotFocus();
    EXPECT_EQ(host.draws, std::vector<int>{Focused});
    input.gotFocus();
    EXPECT_EQ(host.draws, (std::vector<int>{Focused, Focused}));

    host.draws.clear();
    flags.MouseOver = true;
    flags.VisualState = Pressed;
    input.gotFocus();
    EXPECT_TRUE(host.draws.empty());
    flags.VisualState = Focused;
    input.gotFocus();
    EXPECT_EQ(host.draws, std::vector<int>{Hot});
}

TEST_F(InputRules, AccessKeyRunsPendingEventsBeforeClicking) {
    int clicksSeenByPendingEvents = -1;
    host.onPendingEvents = [&] { clicksSeenByPendingEvents = host.clicks; };
    input.accessKey();
    EXPECT_EQ(clicksSeenByPendingEvents, 0);
    EXPECT_EQ(host.clicks, 1);

    flags.Enabled = false;
    input.accessKey();
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(InputRules, PointerLeftReturnsToTheRestingLook) {
    moveTo(10, 10);
    input.pointerLeft();
    EXPECT_FALSE(flags.MouseOver);
    EXPECT_EQ(flags.VisualState, Normal);

    flags.HasFocus = true;
    flags.VisualState = Hot;
    input.pointerLeft();
    EXPECT_EQ(flags.VisualState, Focused);

    flags.VisualState = Pressed;
    flags.ClickArmed = false;
    input.pointerLeft();
    EXPECT_EQ(flags.VisualState, Normal);

    flags.VisualState = Pressed;
    flags.ClickArmed = true;
    input.pointerLeft();
    EXPECT_EQ(flags.VisualState, Focused);
}

TEST_F(InputRules, PointerLeftKeepsDisabledLookAndHeldSpace) {
    flags.MouseOver = true;
    flags.VisualState = Disabled;
    input.pointerLeft();
    EXPECT_TRUE(host.draws.empty());

    flags.VisualState = Pressed;
    flags.SpaceDown = true;
    flags.HasFocus = true;
    input.pointerLeft();
    EXPECT_EQ(flags.VisualState, Pressed);
}

TEST_F(InputRules, DisabledButtonNeitherClicksNorLeavesItsLook) {
    flags.Enabled = false;
    flags.VisualState = Disabled;
    moveTo(10, 10);
    press();
    release();
    input.doubleClick();
    input.keyDown(KeyEnter, 0);
    input.keyDown(KeySpace, 0);
    input.keyUp(KeySpace, 0);
    input.gotFocus();
    input.parentActivation(1);
    input.pointerLeft();
    EXPECT_EQ(host.clicks + host.dblClicks + host.mouseMoves, 0);
    EXPECT_TRUE(host.draws.empty());
}

}  // namespace
