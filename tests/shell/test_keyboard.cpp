#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "shell/MainWindow.h"
#include "windows/AboutForm.h"
#include "windows/Messages.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

// Sends a key to whatever holds the focus, as the keyboard would.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "nothing has the focus";
    QTest::keyClick(target, key, modifiers);
}

// The control that holds the focus, seen from its window: an editable combo
// box hands the focus to its line edit.
QWidget* focusedControl(const Form& form) {
    QWidget* w = QApplication::focusWidget();
    while (w && w->parentWidget() && !form.controls().all().values().contains(w)) w = w->parentWidget();
    return w;
}

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

AboutForm* openAbout() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutForm*>(w); about && about->isVisible()) return about;
    return nullptr;
}

class KeyboardUse : public ::testing::Test {
protected:
    void SetUp() override {
        oldSink_ = qm::setMessageSink([this](const qm::Message& m) { messages_ << m.text; });
    }
    void TearDown() override {
        if (QPointer<AboutForm> about = openAbout()) {
            about->close();
            EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
        }
        if (window_) window_->close();
        EXPECT_TRUE(QTest::qWaitFor([this] { return window_.isNull(); }));
        qm::setMessageSink(oldSink_);
    }

    // A fresh main window on a machine without a memory stick, active.
    MainWindow& openMainWindow() {
        if (window_) {
            window_->close();
            EXPECT_TRUE(QTest::qWaitFor([this] { return window_.isNull(); }));
        }
        window_ = new MainWindow(VolumeScanner(QStringLiteral("/nonexistent/proc"), QStringLiteral("/nonexistent/sys")));
        window_->showForm();
        EXPECT_TRUE(activate(window_));
        return *window_;
    }

    qm::ccXPButton* button(const char* name) { return window_->controls().get<qm::ccXPButton>(QLatin1String(name)); }

    // Runs a command the way a keyboard user does: focus on it, then Enter.
    void enterOn(const char* name) {
        qm::ccXPButton* b = button(name);
        ASSERT_TRUE(b && b->isVisible()) << name;
        b->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
    }

    // The controls Tab stops at, from Drive1 round to Drive1 again.
    QList<QWidget*> tabStops() {
        QWidget* start = window_->controls().widget(QStringLiteral("Drive1"));
        start->setFocus(Qt::TabFocusReason);
        QList<QWidget*> stops{start};
        for (int i = 0; i < 100; ++i) {
            press(Qt::Key_Tab);
            QWidget* now = focusedControl(*window_);
            if (now == start) return stops;
            if (stops.contains(now)) {
                ADD_FAILURE() << "Tab goes round without coming back to Drive1, at "
                              << (now ? now->objectName().toStdString() : "nothing");
                return stops;
            }
            stops << now;
        }
        ADD_FAILURE() << "Tab never comes back to Drive1";
        return stops;
    }

    QPointer<MainWindow> window_;
    QStringList messages_;
    qm::MessageSink oldSink_;
};

struct Arrangement {
    const char* why;
    std::vector<const char*> pressFirst;
    bool panelOpen = false;
};

// The commands column, which an open panel covers.
bool inCommandsColumn(const qm::ccXPButton* b, const QWidget* window) {
    return b->parentWidget() == window && b->x() >= 5280 / 15;
}

TEST_F(KeyboardUse, TabReachesEveryShownCommandAndEnterRunsIt) {
    const Arrangement arrangements[] = {
        {"as opened", {}},
        {"text panel", {"cmdTEXT"}, true},
        {"hyperlink panel", {"AddHyperlink"}, true},
        {"background panel, image", {"AddBackground"}, true},
        {"background panel, colour", {"AddBackground", "BGSwitch"}, true},
        {"collapsed", {"Collapse"}, true},
        {"collapsed and expanded", {"Collapse", "Expand"}},
        {"pairs swapped", {"Bold", "Italic", "Center", "Marquee", "Strike"}},
    };
    for (const Arrangement& a : arrangements) {
        openMainWindow();
        for (const char* name : a.pressFirst) enterOn(name);
        const QList<QWidget*> stops = tabStops();

        int commands = 0;
        for (QWidget* w : window_->controls().all()) {
            auto* b = qobject_cast<qm::ccXPButton*>(w);
            if (!b || !b->isVisible() || !b->isEnabled()) continue;
            ++commands;
            if (a.panelOpen && inCommandsColumn(b, window_)) {
                EXPECT_FALSE(stops.contains(b)) << a.why << ": Tab reaches the covered "
                                                << b->objectName().toStdString();
                continue;
            }
            EXPECT_TRUE(stops.contains(b)) << a.why << ": Tab never reaches " << b->objectName().toStdString();
        }
        EXPECT_GT(commands, 0) << a.why;

        // Only the key's path is under test: the commands' own work moves the
        // focus and opens windows.
        for (QWidget* w : stops) {
            auto* b = qobject_cast<qm::ccXPButton*>(w);
            if (!b) continue;
            QObject::disconnect(b, &qm::ccXPButton::clicked, nullptr, nullptr);
            QSignalSpy clicks(b, &qm::ccXPButton::clicked);
            b->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Return);
            EXPECT_EQ(clicks.count(), 1) << a.why << ": Enter on " << b->objectName().toStdString();
        }
    }
}

TEST_F(KeyboardUse, TabStartsAtTheDriveListThenThePageSource) {
    openMainWindow();
    const QList<QWidget*> stops = tabStops();
    ASSERT_GE(stops.size(), 3);
    EXPECT_EQ(stops[0]->objectName(), QStringLiteral("Drive1"));
    EXPECT_EQ(stops[1]->objectName(), QStringLiteral("TxtInput"));
    EXPECT_EQ(stops[2]->objectName(), QStringLiteral("Make"));
}

TEST_F(KeyboardUse, TabLeavesThePageSourceWithoutTypingIntoIt) {
    openMainWindow();
    auto* source = window_->controls().get<QPlainTextEdit>(QStringLiteral("TxtInput"));
    source->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), source);
    EXPECT_EQ(source->toPlainText(), QString());
}

TEST_F(KeyboardUse, SpaceOnAFocusedCommandRunsItOnRelease) {
    openMainWindow();
    qm::ccXPButton* bold = button("Bold");
    bold->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(bold, &qm::ccXPButton::clicked);
    QTest::keyPress(bold, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(bold, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    auto* source = window_->controls().get<QPlainTextEdit>(QStringLiteral("TxtInput"));
    EXPECT_EQ(source->toPlainText(), QStringLiteral("<B>"));
}

TEST_F(KeyboardUse, AltAOpensAboutFromThePageSourceAndAltOClosesIt) {
    openMainWindow();
    auto* source = window_->controls().get<QPlainTextEdit>(QStringLiteral("TxtInput"));
    source->setFocus(Qt::TabFocusReason);
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return openAbout() != nullptr; }));
    EXPECT_EQ(source->toPlainText(), QString()) << "Alt+A typed into the page source";

    QPointer<AboutForm> about = openAbout();
    ASSERT_TRUE(activate(about));
    press(Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
}

TEST_F(KeyboardUse, AltOnAnotherWindowsKeyDoesNothingHere) {
    openMainWindow();
    QPointer<AboutForm> about = showAbout();
    ASSERT_TRUE(activate(window_));
    press(Qt::Key_O, Qt::AltModifier);
    EXPECT_FALSE(about.isNull()) << "Alt+O on the main window closed About";
}

TEST_F(KeyboardUse, AboutIsClosedWithTabAndEnter) {
    openMainWindow();
    QPointer<AboutForm> about = showAbout();
    ASSERT_TRUE(activate(about));
    QWidget* ok = about->controls().widget(QStringLiteral("ccXPButton1"));
    about->controls().widget(QStringLiteral("Text1"))->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ok);
    press(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
}

}  // namespace
