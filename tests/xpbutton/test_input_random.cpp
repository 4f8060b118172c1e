#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ButtonInput.h"
#include "FakeButtonHost.h"

using namespace xp;

namespace {

// Writing Enabled as the button's property does, reduced to its drawing.
void assignEnabled(ButtonFlags& flags, ButtonHost& host, bool value) {
    flags.Enabled = value;
    flags.DrawLocked = false;
    if (flags.MouseOver && value)
        host.DrawButton(Hot);
    else if (flags.ShowDefault && value)
        host.DrawButton(Focused);
    else if (flags.VisualState != (value ? Normal : Disabled))
        host.DrawButton(value ? Normal : Disabled);
}

// Feeds long random input sequences, in any order the window could produce
// and in some it could not, and checks what must hold after every step.
TEST(InputRandom, InvariantsHoldOverLongRandomSequences) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        ButtonFlags flags;
        FakeButtonHost host(flags);
        ButtonInput input(flags, host);
        assignEnabled(flags, host, true);
        flags.ShowDefault = seed % 7 == 0;

        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        const short buttons[] = {LeftButton, RightButton, MiddleButton};
        const short keys[] = {KeyEnter, KeySpace, KeyLeft, KeyUp, KeyRight, KeyDown, 65};

        for (int step = 0; step < 2000; ++step) {
            const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(step);
            const int clicksBefore = host.clicks;
            const bool enabledBefore = flags.Enabled;
            const int kind = pick(13);
            const float x = static_cast<float>(pick(96) - 10);
            const float y = static_cast<float>(pick(44) - 10);
            switch (kind) {
            case 0: input.mouseMove(0, 0, x, y); break;
            case 1: input.mouseDown(buttons[pick(3)], 0, x, y); break;
            case 2: input.mouseUp(buttons[pick(3)], 0, x, y); break;
            case 3: input.doubleClick(); break;
            case 4: input.keyDown(keys[pick(7)], 0); break;
            case 5: input.keyUp(pick(2) ? KeySpace : KeyEnter, 0); break;
            case 6: input.gotFocus(); break;
            case 7: input.lostFocus(); break;
            case 8: input.accessKey(); break;
            case 9: input.pointerLeft(); break;
            case 10: input.parentActivation(pick(2)); break;
            case 11: assignEnabled(flags, host, pick(4) != 0); break;
            case 12: input.mouseMove(LeftButton, 0, pick(2) ? 75.0f : 0.0f, pick(2) ? 23.0f : 0.0f); break;
            }

            ASSERT_GE(flags.VisualState, Disabled) << where;
            ASSERT_LE(flags.VisualState, Pressed) << where;
            if (!enabledBefore) {
                ASSERT_EQ(host.clicks, clicksBefore) << where;
            }
            if (!flags.Enabled) {
                ASSERT_EQ(flags.VisualState, Disabled) << where;
            }
            if (kind == 10 && !flags.FormActive) {
                ASSERT_FALSE(flags.ClickArmed || flags.LeftDown || flags.SpaceDown) << where;
            }
            // Only a held left button or space key keeps a press armed.
            if (flags.ClickArmed) {
                ASSERT_TRUE(flags.LeftDown || flags.SpaceDown) << where;
            }
            if (kind == 12) {
                ASSERT_TRUE(flags.MouseOver) << where;
            }
        }
    }
}

}  // namespace
