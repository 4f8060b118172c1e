#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "windows/Form.h"
#include "windows/MainWindowUi.h"
#include "windows/Panels.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

// The main window as the program loads it: panels closed, buttons connected.
class PanelsOnWindow : public ::testing::Test {
protected:
    void SetUp() override {
        qm::connectPanelCommands(ui);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void press(const char* button) {
        auto* b = window.controls().get<qm::ccXPButton>(button);
        ASSERT_NE(b, nullptr) << button;
        ASSERT_TRUE(b->isVisible()) << button << " is not offered";
        emit b->clicked();
    }
    bool seen(const char* control) const { return window.controls().widget(control)->isVisible(); }
    // Presses a button that has the keyboard focus; returns where the focus went.
    QString pressFocused(const char* button) {
        QWidget* b = window.controls().widget(button);
        b->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(QApplication::focusWidget(), b) << button;
        press(button);
        QWidget* now = QApplication::focusWidget();
        if (now && qobject_cast<QComboBox*>(now->parentWidget())) now = now->parentWidget();
        return now ? now->objectName() : QString();
    }
    QLineEdit* line(const char* name) const { return window.controls().get<QLineEdit>(name); }
    QPlainTextEdit* box(const char* name) const { return window.controls().get<QPlainTextEdit>(name); }

    Form window{QStringLiteral(":/layouts/Form1.json")};
    qm::MainWindowUi ui = qm::MainWindowUi::bind(&window);
};

TEST_F(PanelsOnWindow, OpensWithTheColumnAndOnlyTheFirstOfEachPair) {
    for (const char* hidden : {"Frame1", "Frame2", "Frame3", "Expand", "EndBold", "EndItalic", "EndStrike",
                               "EndCenter", "EndMarquee"})
        EXPECT_FALSE(seen(hidden)) << hidden;
    for (const char* shown : {"Strike", "Center", "Italic", "Bold", "Marquee", "Collapse", "cmdTEXT"})
        EXPECT_TRUE(seen(shown)) << shown;
    EXPECT_EQ(window.width(), 544);
    press("AddBackground");
    EXPECT_TRUE(seen("BGSwitch"));
    EXPECT_TRUE(seen("TxtBackground"));
    EXPECT_EQ(line("TxtBackground")->text(), "Background.jpg");
    for (const char* colourSet : {"BGSwitch2", "AddColour", "Colours", "Text4", "Label8", "Text5"})
        EXPECT_FALSE(seen(colourSet)) << colourSet;
}

// The panels and the command column share one place; the entry listed first
// in the layout lies above.
TEST_F(PanelsOnWindow, AnOpenPanelLiesAboveTheCommandColumn) {
    for (const char* opener : {"cmdTEXT", "AddHyperlink", "AddBackground"}) {
        press(opener);
        int covered = 0;
        for (const char* frameName : {"Frame1", "Frame2", "Frame3"}) {
            QWidget* frame = window.controls().widget(frameName);
            if (frame->isHidden()) continue;
            for (auto* button : window.findChildren<qm::ccXPButton*>(Qt::FindDirectChildrenOnly)) {
                if (button->isHidden() || !frame->geometry().contains(button->geometry().center())) continue;
                QWidget* top = window.childAt(button->geometry().center());
                EXPECT_TRUE(top == frame || frame->isAncestorOf(top))
                    << frameName << " under " << qPrintable(button->objectName());
                ++covered;
            }
        }
        EXPECT_GT(covered, 0) << opener;
    }
}

TEST_F(PanelsOnWindow, AnotherPanelCoversTheTextPanelWhichKeepsItsText) {
    press("cmdTEXT");
    box("Text7")->setPlainText("Hello");
    press("ccXPButton2");  // the colour link button does not close the panel
    EXPECT_TRUE(seen("Frame3"));
    window.controls().widget("Frame3")->hide();  // the opener lies beneath the panel; reach it as the user would
    press("AddHyperlink");
    EXPECT_TRUE(seen("Frame1"));
    EXPECT_FALSE(seen("Frame3"));
    window.controls().widget("Frame1")->hide();
    press("cmdTEXT");
    EXPECT_EQ(box("Text7")->toPlainText(), "Hello");
}

TEST_F(PanelsOnWindow, HyperlinkHidePutsBackTheDefaults) {
    press("AddHyperlink");
    line("Text2")->setText("Home");
    line("Text3")->setText("index.html");
    press("Hide2");
    EXPECT_FALSE(seen("Frame1"));
    press("AddHyperlink");
    EXPECT_EQ(line("Text2")->text(), "Google!");
    EXPECT_EQ(line("Text3")->text(), "http://www.google.com/");
    line("Text2")->undo();  // the reset is one edit the user can take back
    EXPECT_EQ(line("Text2")->text(), "Home");
}

TEST_F(PanelsOnWindow, BackgroundPanelReopensInTheModeItWasClosedIn) {
    press("AddBackground");
    press("BGSwitch");
    line("Text4")->setText("#00FF00");
    press("Hide");
    press("AddBackground");
    EXPECT_TRUE(seen("Text4"));
    EXPECT_TRUE(seen("BGSwitch2"));
    EXPECT_FALSE(seen("BGSwitch"));
    EXPECT_EQ(line("Text4")->text(), "#FF0000");
}

TEST_F(PanelsOnWindow, AddingAColourClosesThePanelInImageModeKeepingTheCode) {
    press("AddBackground");
    press("BGSwitch");
    line("Text4")->setText("#123456");
    qm::closeBackgroundPanelAfterColour(ui);  // as the composition command does after inserting
    EXPECT_FALSE(seen("Frame2"));
    press("AddBackground");
    EXPECT_TRUE(seen("AddBGImage"));
    EXPECT_FALSE(seen("AddColour"));
    press("BGSwitch");
    EXPECT_EQ(line("Text4")->text(), "#123456");
}

TEST_F(PanelsOnWindow, CollapseNarrowsToTheLeftHalfAndExpandBringsBackTheColumn) {
    press("AddHyperlink");
    press("Collapse");
    EXPECT_EQ(window.width(), 331);
    EXPECT_EQ(window.maximumWidth(), 331);
    EXPECT_EQ(window.height(), 336);
    EXPECT_FALSE(seen("Frame1"));
    EXPECT_TRUE(seen("Expand"));
    EXPECT_FALSE(seen("Collapse"));
    press("Expand");
    EXPECT_EQ(window.width(), 544);
    EXPECT_TRUE(seen("Collapse"));
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) EXPECT_FALSE(seen(frame)) << frame;
    EXPECT_TRUE(seen("cmdTEXT"));
}

// A panel opened from the keyboard takes the keyboard to its first field, and
// its Hide brings it back to the button that opened it; the control that had
// the focus is covered or gone either way.
TEST_F(PanelsOnWindow, TheKeyboardFollowsThePanelsItOpensAndCloses) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(pressFocused("cmdTEXT"), "Text7");
    EXPECT_EQ(pressFocused("ccXPButton1"), "cmdTEXT");
    EXPECT_EQ(pressFocused("AddHyperlink"), "Text2");
    EXPECT_EQ(pressFocused("Hide2"), "AddHyperlink");
    EXPECT_EQ(pressFocused("AddBackground"), "TxtBackground");
    EXPECT_EQ(pressFocused("BGSwitch"), "Text4");
    EXPECT_EQ(pressFocused("BGSwitch2"), "TxtBackground");
    EXPECT_EQ(pressFocused("Hide"), "AddBackground");
    EXPECT_EQ(pressFocused("Collapse"), "Expand");
    EXPECT_EQ(pressFocused("Expand"), "Collapse");
    // A command pressed with the focus elsewhere leaves it there.
    window.controls().widget("TxtInput")->setFocus();
    press("AddHyperlink");
    EXPECT_EQ(QApplication::focusWidget(), window.controls().widget("TxtInput"));
}

// The size box makes its line edit only when the panel first opens.
TEST_F(PanelsOnWindow, TabCrossesTheTextPanelInItsOrder) {
    press("cmdTEXT");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    line("Text8")->setFocus(Qt::TabFocusReason);
    QStringList stops;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* stop = QApplication::focusWidget();
        stops << (qobject_cast<const QComboBox*>(stop->parentWidget()) ? stop->parentWidget() : stop)->objectName();
    }
    EXPECT_EQ(stops, QStringList({"Combo1", "cmdAdd", "NewLine2"}));
}

TEST_F(PanelsOnWindow, TextPanelHideEmptiesOnlyTheText) {
    press("cmdTEXT");
    box("Text7")->setPlainText("Hello");
    line("Text8")->setText("#00FF00");
    window.controls().get<QComboBox>("Combo1")->setEditText("5");
    press("ccXPButton1");
    EXPECT_FALSE(seen("Frame3"));
    EXPECT_TRUE(box("Text7")->toPlainText().isEmpty());
    EXPECT_EQ(line("Text8")->text(), "#00FF00");
    EXPECT_EQ(window.controls().get<QComboBox>("Combo1")->currentText(), "5");
    press("cmdTEXT");
    box("Text7")->undo();
    EXPECT_EQ(box("Text7")->toPlainText(), "Hello");
}

}  // namespace
