// What assistive technology reads of a button, and the Alt+letter access key.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

struct Window {
    QWidget window;
    ccXPButton* button = new ccXPButton(&window);
    explicit Window(const QString& caption) {
        button->readProperties(qm::PropertyBag(QJsonObject{{"caption", caption}}));
        window.resize(200, 100);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

bool offersPress(QAccessibleInterface* iface) {
    return iface->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction());
}

}  // namespace

TEST(ButtonAccessibility, PushButtonNamedByItsShownCaption) {
    Window w("Save && &Quit");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.button);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), "Save & Quit");
    EXPECT_EQ(iface->text(QAccessible::Accelerator), "Alt+Q");
    EXPECT_FALSE(iface->state().disabled);

    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"Alt+Q"});
}

TEST(ButtonAccessibility, ADisabledButtonOffersNoPressAndIgnoresOne) {
    Window w("&OK");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.button);
    ASSERT_NE(iface, nullptr);
    QSignalSpy clicks(w.button, &ccXPButton::clicked);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    w.button->setEnabled(false);
    EXPECT_TRUE(iface->state().disabled);
    EXPECT_FALSE(offersPress(iface));
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
}

// A button that something opaque lies over, or that lies beyond its
// window's edge, is not on screen: not showing, and not pressed from outside.
TEST(ButtonAccessibility, ACoveredOrCutOffButtonIsNotShowingAndCannotBePressed) {
    Window w("&OK");
    w.button->setGeometry(10, 10, 80, 24);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.button);
    QSignalSpy clicks(w.button, &ccXPButton::clicked);
    EXPECT_FALSE(iface->state().invisible);

    auto* cover = new QWidget(&w.window);
    cover->setAutoFillBackground(true);
    cover->setGeometry(0, 0, 100, 50);
    cover->show();
    EXPECT_TRUE(iface->state().invisible);
    EXPECT_FALSE(offersPress(iface));
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);

    cover->lower();  // now beneath the button
    EXPECT_FALSE(iface->state().invisible);
    EXPECT_TRUE(offersPress(iface));

    w.button->move(250, 10);  // beyond the 200-pixel window
    EXPECT_TRUE(iface->state().invisible);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(ButtonAccessibility, CaptionWithoutAccessKeyHasNoBinding) {
    Window w("Make");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.button);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), "Make");
    EXPECT_TRUE(iface->text(QAccessible::Accelerator).isEmpty());
    EXPECT_TRUE(iface->actionInterface()
                    ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                    .isEmpty());
}

TEST(ButtonAccessKey, AltLetterReachesTheButtonAndFollowsCaptionChanges) {
    Window w("&About");
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    QSignalSpy clicks(w.button, &ccXPButton::clicked);

    QTest::keyClick(&w.window, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    w.button->setCaption("&Hide");
    QTest::keyClick(&w.window, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&w.window, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
}
