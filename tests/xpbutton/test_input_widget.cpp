#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "ParkedPointer.h"
#include "xpbutton/PropertyBag.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 2000); }

// A window with two loaded buttons and a text field, shown and active.
class ButtonWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(300, 120);
        first = addButton("first", "&First", QPoint(10, 10));
        second = addButton("second", "&Second", QPoint(110, 10));
        edit = new QLineEdit(window.get());
        edit->move(10, 60);
        edit->setFocus();
        parkPointer();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(waitFor([&] { return first->flags().windowActive; }));
        // Also a move the window sees, so that the first hover is never taken
        // for a repeat of the last position an earlier case left behind.
        hover(window.get(), QPoint(290, 110));
    }
    void TearDown() override { window.reset(); }

    ccXPButton* addButton(const char* name, const char* caption, QPoint at) {
        auto* button = new ccXPButton(window.get());
        button->setObjectName(name);
        button->move(at);
        button->resize(75, 23);
        button->readProperties(qm::PropertyBag(QJsonObject{{"caption", caption}}));
        return button;
    }

    static int look(const ccXPButton* b) { return b->flags().look; }
    // Offscreen moves without a held button reach widgets through the cursor.
    static void hover(QWidget* w, QPoint at) { QTest::mouseMove(w, at); }
    static bool activate(QWidget& other) {
        other.show();
        other.activateWindow();
        return QTest::qWaitForWindowActive(&other);
    }

    std::unique_ptr<QWidget> window;
    ccXPButton* first = nullptr;
    ccXPButton* second = nullptr;
    QLineEdit* edit = nullptr;
};

TEST_F(ButtonWindow, PressMoveOutAndBackThenReleaseClicksOnce) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    hover(first, QPoint(20, 10));
    EXPECT_EQ(look(first), qm::Hot);
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(look(first), qm::Pressed);
    QTest::mouseMove(first, QPoint(120, 10));
    EXPECT_EQ(look(first), qm::Focused);
    QTest::mouseMove(first, QPoint(20, 10));
    EXPECT_EQ(look(first), qm::Pressed);
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(look(first), qm::Hot);
}

TEST_F(ButtonWindow, OnlyTheLeftButtonsReleaseEndsALeftPress) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    QWindow* handle = window->windowHandle();
    const QPoint at = first->mapTo(window.get(), QPoint(20, 10));
    QTest::mouseMove(handle, at);
    QTest::mousePress(handle, Qt::LeftButton, {}, at);
    QTest::mousePress(handle, Qt::RightButton, {}, at);
    QTest::mouseRelease(handle, Qt::RightButton, {}, at);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(look(first), qm::Pressed);
    EXPECT_TRUE(first->flags().armed);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, AClickHandlerMayDeleteTheButton) {
    QPointer<ccXPButton> watched(first);
    QObject::connect(first, &ccXPButton::clicked, window.get(), [&] { delete first; });
    hover(first, QPoint(20, 10));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(watched.isNull());
    first = nullptr;
}

TEST_F(ButtonWindow, AButtonShownUnderAStillPointerClicksAtOnce) {
    // As when "Bold" gives its place to "End Bold" and the mouse has not moved.
    hover(first, QPoint(20, 10));
    first->hide();
    second->move(first->pos());
    QSignalSpy clicks(second, &ccXPButton::clicked);
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, ReleaseOutsideDoesNotClick) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    hover(first, QPoint(20, 10));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(first, QPoint(20, 60));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 60));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(look(first), qm::Focused);
}

TEST_F(ButtonWindow, PointerLeavingShowsTheRestingLookAgain) {
    QSignalSpy moves(first, &ccXPButton::mouseMoved);
    hover(first, QPoint(20, 10));
    EXPECT_EQ(look(first), qm::Hot);
    hover(window.get(), QPoint(200, 100));
    EXPECT_FALSE(first->flags().mouseOver);
    EXPECT_EQ(look(first), qm::Normal);
    EXPECT_EQ(moves.count(), 1);  // the look came back without another move on the button
}

TEST_F(ButtonWindow, LeaveWithoutAMoveInsideIsNotDelivered) {
    // Only a move inside asks for the next leave.
    first->flags().mouseOver = true;
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(first, &leave);
    EXPECT_TRUE(first->flags().mouseOver);
}

TEST_F(ButtonWindow, SpaceThenFocusLossDoesNotClick) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    first->setFocus();
    QTest::keyPress(first, Qt::Key_Space);
    EXPECT_EQ(look(first), qm::Pressed);
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyRelease(edit, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(look(first), qm::Normal);
}

TEST_F(ButtonWindow, HeldEnterRepeatsAndHeldSpaceClicksOnce) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    first->setFocus();
    for (int i = 0; i < 3; ++i) QTest::sendKeyEvent(QTest::Press, first, Qt::Key_Return, QString(), {}, -1);
    QTest::keyRelease(first, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 3);

    clicks.clear();
    QTest::keyPress(first, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        // Auto-repeat as X11 reports it: a release and a press, both marked.
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(first, &up);
        QApplication::sendEvent(first, &down);
    }
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(first, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, AccessKeyClicksButAbandonsASpacePress) {
    QSignalSpy clicks(second, &ccXPButton::clicked);
    first->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    clicks.clear();
    second->setFocus();
    QTest::keyPress(second, Qt::Key_Space);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(second->flags().spaceDown);
    QTest::keyRelease(second, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonWindow, DoubleClickRaisesClickThenDblClickOnce) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    QSignalSpy doubles(first, &ccXPButton::doubleClicked);
    QWindow* handle = window->windowHandle();
    const QPoint at = first->mapTo(window.get(), QPoint(20, 10));
    QTest::mouseMove(handle, at);
    QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);

    clicks.clear();
    doubles.clear();
    QTest::mouseDClick(handle, Qt::RightButton, {}, at);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(doubles.count(), 0);
}

TEST_F(ButtonWindow, TabReachesEveryButtonAndArrowsMoveLikeTab) {
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Left);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Up);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(look(second), qm::Focused);
    EXPECT_EQ(look(first), qm::Normal);
}

TEST_F(ButtonWindow, SwitchingWindowsDisarmsAPressAndReportsBothStates) {
    QSignalSpy firstStates(first, &ccXPButton::windowActivationChanged);
    QSignalSpy secondStates(second, &ccXPButton::windowActivationChanged);
    QSignalSpy clicks(first, &ccXPButton::clicked);
    hover(first, QPoint(20, 10));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));

    QWidget other;
    ASSERT_TRUE(activate(other));
    EXPECT_FALSE(first->flags().armed);
    EXPECT_EQ(look(first), qm::Normal);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 0);
    for (QSignalSpy* spy : {&firstStates, &secondStates}) {
        ASSERT_EQ(spy->count(), 2);
        EXPECT_EQ(spy->at(0).at(0).toInt(), 0);
        EXPECT_EQ(spy->at(1).at(0).toInt(), 1);
    }
}

// A Wayland compositor may tell the program that a click activated its window
// only after the press, or even after the release of a quick tap.
TEST_F(ButtonWindow, APressThatActivatesTheWindowClicksWhenTheActivationComesLate) {
    QSignalSpy clicks(first, &ccXPButton::clicked);
    QWidget other;
    ASSERT_TRUE(activate(other));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(waitFor([&] { return clicks.count() == 1; }));
    EXPECT_EQ(look(first), qm::Hot);

    ASSERT_TRUE(activate(other));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonWindow, AButtonLoadedIntoAnActiveWindowTakesTheMouse) {
    ccXPButton* late = addButton("late", "&Late", QPoint(10, 90));
    late->show();
    EXPECT_TRUE(late->flags().windowActive);
    QSignalSpy clicks(late, &ccXPButton::clicked);
    hover(late, QPoint(20, 10));
    QTest::mouseClick(late, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, RemovingOneButtonKeepsTheOthersHooked) {
    delete first;
    first = nullptr;
    QSignalSpy states(second, &ccXPButton::windowActivationChanged);
    QWidget other;
    ASSERT_TRUE(activate(other));
    EXPECT_EQ(states.count(), 1);
    EXPECT_FALSE(second->flags().windowActive);
}

TEST_F(ButtonWindow, AButtonDeletedByItsOwnActivationHandlerIsSafe) {
    QObject::connect(first, &ccXPButton::windowActivationChanged, first, [&](int) {
        delete first;
        first = nullptr;
    });
    QSignalSpy states(second, &ccXPButton::windowActivationChanged);
    QWidget other;
    ASSERT_TRUE(activate(other));
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(states.count(), 1);
}

}  // namespace

namespace {

struct KeyWindow : QWidget {
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
    std::vector<int> keys;
};

// As for any Qt widget, keys the button has no use for go on to its window.
TEST(ButtonKeys, KeysTheButtonDoesNotUseReachItsWindow) {
    KeyWindow window;
    auto* button = new ccXPButton(&window);
    button->readProperties(qm::PropertyBag(QJsonObject{{"caption", "Go"}}));
    window.show();
    QTest::keyClick(button, Qt::Key_Escape);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_F5);
    EXPECT_EQ(window.keys, (std::vector<int>{Qt::Key_Escape, Qt::Key_F5}));
}

}  // namespace
