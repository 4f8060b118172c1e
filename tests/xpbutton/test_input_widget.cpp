#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "PropertyBag.h"
#include "ccXPButton.h"

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
        window->show();
        // Start with the pointer away from every button.
        QCursor::setPos(window->mapToGlobal(QPoint(290, 110)));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(waitFor([&] { return first->flags().FormActive; }));
    }
    void TearDown() override { window.reset(); }

    ccXPButton* addButton(const char* name, const char* caption, QPoint at) {
        auto* button = new ccXPButton(window.get());
        button->setObjectName(name);
        button->move(at);
        button->resize(75, 23);
        button->readProperties(xp::PropertyBag(QJsonObject{{"caption", caption}}));
        return button;
    }

    static int look(const ccXPButton* b) { return b->flags().VisualState; }
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
    QSignalSpy clicks(first, &ccXPButton::Click);
    hover(first, QPoint(20, 10));
    EXPECT_EQ(look(first), xp::Hot);
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(look(first), xp::Pressed);
    QTest::mouseMove(first, QPoint(120, 10));
    EXPECT_EQ(look(first), xp::Focused);
    QTest::mouseMove(first, QPoint(20, 10));
    EXPECT_EQ(look(first), xp::Pressed);
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(look(first), xp::Hot);
}

TEST_F(ButtonWindow, AClickHandlerMayDeleteTheButton) {
    QPointer<ccXPButton> watched(first);
    QObject::connect(first, &ccXPButton::Click, window.get(), [&] { delete first; });
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
    QSignalSpy clicks(second, &ccXPButton::Click);
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, ReleaseOutsideDoesNotClick) {
    QSignalSpy clicks(first, &ccXPButton::Click);
    hover(first, QPoint(20, 10));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(first, QPoint(20, 60));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(20, 60));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(look(first), xp::Focused);
}

TEST_F(ButtonWindow, PointerLeavingShowsTheRestingLookAgain) {
    QSignalSpy moves(first, &ccXPButton::MouseMove);
    hover(first, QPoint(20, 10));
    EXPECT_EQ(look(first), xp::Hot);
    hover(window.get(), QPoint(200, 100));
    EXPECT_FALSE(first->flags().MouseOver);
    EXPECT_EQ(look(first), xp::Normal);
    EXPECT_EQ(moves.count(), 1);  // the look came back without another move on the button
}

TEST_F(ButtonWindow, LeaveWithoutAMoveInsideIsNotDelivered) {
    // Only a move inside asks for the next leave.
    first->flags().MouseOver = true;
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(first, &leave);
    EXPECT_TRUE(first->flags().MouseOver);
}

TEST_F(ButtonWindow, SpaceThenFocusLossDoesNotClick) {
    QSignalSpy clicks(first, &ccXPButton::Click);
    first->setFocus();
    QTest::keyPress(first, Qt::Key_Space);
    EXPECT_EQ(look(first), xp::Pressed);
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyRelease(edit, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(look(first), xp::Normal);
}

TEST_F(ButtonWindow, HeldEnterRepeatsAndHeldSpaceClicksOnce) {
    QSignalSpy clicks(first, &ccXPButton::Click);
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
    QSignalSpy clicks(second, &ccXPButton::Click);
    first->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    clicks.clear();
    second->setFocus();
    QTest::keyPress(second, Qt::Key_Space);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(second->flags().SpaceDown);
    QTest::keyRelease(second, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonWindow, DoubleClickRaisesClickThenDblClickOnce) {
    QSignalSpy clicks(first, &ccXPButton::Click);
    QSignalSpy doubles(first, &ccXPButton::DblClick);
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
    EXPECT_EQ(look(second), xp::Focused);
    EXPECT_EQ(look(first), xp::Normal);
}

TEST_F(ButtonWindow, SwitchingWindowsDisarmsAPressAndReportsBothStates) {
    QSignalSpy firstStates(first, &ccXPButton::FormActivate);
    QSignalSpy secondStates(second, &ccXPButton::FormActivate);
    QSignalSpy clicks(first, &ccXPButton::Click);
    hover(first, QPoint(20, 10));
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(20, 10));

    QWidget other;
    ASSERT_TRUE(activate(other));
    EXPECT_FALSE(first->flags().ClickArmed);
    EXPECT_EQ(look(first), xp::Normal);

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

TEST_F(ButtonWindow, AButtonLoadedIntoAnActiveWindowTakesTheMouse) {
    ccXPButton* late = addButton("late", "&Late", QPoint(10, 90));
    late->show();
    EXPECT_TRUE(late->flags().FormActive);
    QSignalSpy clicks(late, &ccXPButton::Click);
    hover(late, QPoint(20, 10));
    QTest::mouseClick(late, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, RemovingOneButtonKeepsTheOthersHooked) {
    delete first;
    first = nullptr;
    QSignalSpy states(second, &ccXPButton::FormActivate);
    QWidget other;
    ASSERT_TRUE(activate(other));
    EXPECT_EQ(states.count(), 1);
    EXPECT_FALSE(second->flags().FormActive);
}

TEST_F(ButtonWindow, AButtonDeletedByItsOwnActivationHandlerIsSafe) {
    QObject::connect(first, &ccXPButton::FormActivate, first, [&](int) {
        delete first;
        first = nullptr;
    });
    QSignalSpy states(second, &ccXPButton::FormActivate);
    QWidget other;
    ASSERT_TRUE(activate(other));
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(states.count(), 1);
}

}  // namespace
