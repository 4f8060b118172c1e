#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FakeButtonHost.h"
#include "xpbutton/ButtonInput.h"

using namespace qm;

namespace {

// Feeds long random input sequences, in any order the window could produce
// and in some it could not, and checks what must hold after every step.
TEST(InputRandom, InvariantsHoldOverLongRandomSequences) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        ButtonFlags flags;
        FakeButtonHost host(flags);
        ButtonInput input(flags, host);
        input.setEnabled(true);
        flags.showDefault = seed % 7 == 0;

        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Left, Qt::Key_Up,
                                Qt::Key_Right,  Qt::Key_Down,  Qt::Key_A};

        for (int step = 0; step < 2000; ++step) {
            const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(step);
            const int clicksBefore = host.clicks;
            const bool enabledBefore = flags.enabled;
            const int kind = pick(13);
            const float x = static_cast<float>(pick(96) - 10);
            const float y = static_cast<float>(pick(44) - 10);
            switch (kind) {
            case 0: input.mouseMove(Qt::NoButton, {}, QPointF(x, y)); break;
            case 1: input.mousePress(buttons[pick(3)]); break;
            case 2: input.mouseRelease(buttons[pick(3)]); break;
            case 3: input.doubleClick(); break;
            case 4: input.keyPress(keys[pick(7)]); break;
            case 5: input.keyRelease(pick(2) ? Qt::Key_Space : Qt::Key_Return); break;
            case 6: input.focusIn(); break;
            case 7: input.focusOut(); break;
            case 8: input.accessKey(); break;
            case 9: input.pointerLeft(); break;
            case 10: input.windowActivation(pick(2) != 0); break;
            case 11: input.setEnabled(pick(4) != 0); break;
            case 12: input.mouseMove(Qt::LeftButton, {}, QPointF(pick(2) ? 75.0 : 0.0, pick(2) ? 23.0 : 0.0)); break;
            }

            ASSERT_GE(flags.look, Disabled) << where;
            ASSERT_LE(flags.look, Pressed) << where;
            if (!enabledBefore) {
                ASSERT_EQ(host.clicks, clicksBefore) << where;
            }
            if (!flags.enabled) {
                ASSERT_EQ(flags.look, Disabled) << where;
            }
            if ((kind == 10 && !flags.windowActive) || (kind == 11 && !flags.enabled)) {
                ASSERT_FALSE(flags.armed || flags.leftDown || flags.spaceDown) << where;
            }
            // Only a held left button or space key keeps a press armed.
            if (flags.armed) {
                ASSERT_TRUE(flags.leftDown || flags.spaceDown) << where;
            }
            if (kind == 12) {
                ASSERT_TRUE(flags.mouseOver) << where;
            }
        }
    }
}

}  // namespace
