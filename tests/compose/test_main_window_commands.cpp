#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "SearchBlock.h"
#include "compose/ComposeCommands.h"
#include "compose/PageSource.h"
#include "windows/Form.h"
#include "windows/MainWindowUi.h"
#include "windows/Panels.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

const QStringList kClosingButtons = {"EndBold", "EndItalic", "EndStrike", "EndCenter", "EndMarquee"};

// The real main window with its panel and composition commands connected,
// shown and active, as after start-up.
class MainWindowCommands : public ::testing::Test {
protected:
    Form* window = nullptr;
    qm::MainWindowUi ui;

    void SetUp() override {
        window = new Form(QStringLiteral(":/layouts/Form1.json"));
        ui = qm::MainWindowUi::bind(window);
        qm::connectPanelCommands(ui);
        qm::connectComposeCommands(ui);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override { delete window; }

    template <class T = QWidget>
    T* control(const QString& name) {
        T* c = window->controls().get<T>(name);
        EXPECT_TRUE(c) << name.toStdString();
        return c;
    }
    QPlainTextEdit* page() { return control<QPlainTextEdit>("TxtInput"); }
    QPlainTextEdit* panelText() { return control<QPlainTextEdit>("Text7"); }
    QString source() { return pageSource(page()); }

    void press(const QString& button) {
        auto* b = control<qm::ccXPButton>(button);
        ASSERT_TRUE(b->isVisible()) << button.toStdString() << " is not offered";
        // The button clicks only under a pointer that has moved onto it; a
        // move to where the pointer already is would not be delivered.
        QTest::mouseMove(b, QPoint(1, 1));
        QTest::mouseMove(b, b->rect().center());
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    void typeInto(QWidget* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    bool shown(const QString& name) { return !control(name)->isHidden(); }
};

TEST_F(MainWindowCommands, BoldTypedLetterEndBoldBringsBoldBack) {
    press("Bold");
    EXPECT_FALSE(shown("Bold"));
    EXPECT_TRUE(shown("EndBold"));
    EXPECT_EQ(window->focusWidget(), page());
    QTest::keyClicks(page(), "x");
    press("EndBold");
    EXPECT_EQ(source(), "<B>x</B>");
    EXPECT_TRUE(shown("Bold"));
    EXPECT_FALSE(shown("EndBold"));
    EXPECT_EQ(page()->textCursor().position(), 8);
}

TEST_F(MainWindowCommands, EveryPairInsertsItsExactTagsAndSwapsItsButtons) {
    const std::pair<const char*, const char*> pairs[] = {
        {"Bold", "EndBold"}, {"Italic", "EndItalic"}, {"Strike", "EndStrike"}, {"Center", "EndCenter"},
        {"Marquee", "EndMarquee"}};
    for (const auto& [opening, closing] : pairs) {
        press(opening);
        EXPECT_FALSE(shown(opening));
        EXPECT_TRUE(shown(closing));
        press(closing);
        EXPECT_TRUE(shown(opening));
        EXPECT_FALSE(shown(closing));
    }
    EXPECT_EQ(source(), "<B></B><I></I><S></S><Center></Center><Marquee></Marquee>");
}

TEST_F(MainWindowCommands, HyperlinkReadsTheQuoteFromTheLabelEachTime) {
    ui.linkAddress->setText("index.html");
    ui.linkText->setText("Home");
    press("AddHyperlink");
    press("Add");
    ui.quote->setText("'");
    press("Add");
    EXPECT_EQ(source(), "<a href = \"index.html\">Home</a><BR>\r\n<a href = 'index.html'>Home</a><BR>\r\n");
}

TEST_F(MainWindowCommands, PairsOverlapWithoutLookingAtEachOther) {
    press("Bold");
    press("Italic");
    press("EndBold");
    press("EndItalic");
    EXPECT_EQ(source(), "<B><I></B></I>");
    for (const char* opening : {"Bold", "Italic", "Strike", "Center", "Marquee"}) EXPECT_TRUE(shown(opening));
}

TEST_F(MainWindowCommands, AButtonActsWhereTheCaretWasLeftAndReplacesTheSelection) {
    typeInto(page(), "one two three");
    QTextCursor c = page()->textCursor();
    c.setPosition(4);
    c.setPosition(7, QTextCursor::KeepAnchor);
    page()->setTextCursor(c);
    press("Strike");  // the press takes the focus from the page first
    EXPECT_EQ(source(), "one <S> three");
    EXPECT_EQ(page()->textCursor().position(), 7);
    press("Marquee");
    press("Center");
    EXPECT_EQ(source(), "one <S><Marquee><Center> three");
}

TEST_F(MainWindowCommands, OnlyTheOpeningButtonOfEachPairCanBeReached) {
    for (const QString& closing : kClosingButtons) {
        auto* b = control(closing);
        EXPECT_FALSE(b->isVisible()) << closing.toStdString();
        // Whatever lies at the stacked place gets the mouse: the opening button.
        const QPoint centre = b->mapTo(window, b->rect().center());
        EXPECT_NE(window->childAt(centre), b) << closing.toStdString();
    }
    page()->setFocus();
    QSet<QWidget*> reached;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        reached.insert(window->focusWidget());
    }
    EXPECT_TRUE(reached.contains(control("Bold")));
    for (const QString& closing : kClosingButtons) EXPECT_FALSE(reached.contains(control(closing))) << closing.toStdString();

    press("Bold");
    auto* endBold = control("EndBold");
    EXPECT_EQ(window->childAt(endBold->mapTo(window, endBold->rect().center())), endBold);
}

TEST_F(MainWindowCommands, NewLineOnAnEmptyPageLeavesTheCaretAtTheStartOfLineTwo) {
    press("NewLine");
    EXPECT_EQ(source(), "<BR>\r\n");
    EXPECT_EQ(page()->textCursor().blockNumber(), 1);
    EXPECT_EQ(page()->textCursor().positionInBlock(), 0);
}

TEST_F(MainWindowCommands, ClearKeepsTheClosingButtonAndCanBeUndone) {
    press("Bold");
    QTest::keyClicks(page(), "kept");
    press("Clear");
    EXPECT_EQ(source(), "");
    EXPECT_EQ(window->focusWidget(), page());
    EXPECT_TRUE(shown("EndBold"));
    QTest::keySequence(page(), QKeySequence::Undo);
    EXPECT_EQ(source(), "<B>kept");
    press("Clear");
    press("EndBold");
    EXPECT_EQ(source(), "</B>");
}

TEST_F(MainWindowCommands, ClearOnAnEmptyPageFocusesIt) {
    control("Text9")->setFocus();  // anything but the page
    press("Clear");
    EXPECT_EQ(source(), "");
    EXPECT_EQ(window->focusWidget(), page());
}

TEST_F(MainWindowCommands, TextPanelAddTwiceInsertsThenAnEmptyFontElement) {
    press("cmdTEXT");
    typeInto(panelText(), "Hello");
    press("NewLine2");
    EXPECT_EQ(pageSource(panelText()), "Hello<BR>\r\n");
    EXPECT_EQ(window->focusWidget(), panelText());
    EXPECT_EQ(source(), "");
    QTest::keyClicks(panelText(), "there");
    press("cmdAdd");
    press("cmdAdd");
    EXPECT_EQ(source(),
              "<font color=\"#000000\" size=\"3\">Hello<BR>\r\nthere</font><BR>\r\n"
              "<font color=\"#000000\" size=\"3\"></font><BR>\r\n");
    EXPECT_EQ(pageSource(panelText()), "");
    EXPECT_EQ(window->focusWidget(), panelText());
    EXPECT_EQ(control<QLineEdit>("Text8")->text(), "#000000");
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), "3");
}

TEST_F(MainWindowCommands, FieldsGoIntoThePageAsTyped) {
    press("cmdTEXT");
    auto* colour = control<QLineEdit>("Text8");
    colour->clear();
    typeInto(colour, "\"<&>\"xyz");  // the eighth character is refused
    auto* size = control<QComboBox>("Combo1");
    size->setCurrentText("big & <bold>");
    typeInto(panelText(), "a \"quoted\" <tag> & more");
    press("cmdAdd");
    EXPECT_EQ(source(),
              "<font color=\"\"<&>\"xy\" size=\"big & <bold>\">a \"quoted\" <tag> & more</font><BR>\r\n");

    clearText(page());
    press("ccXPButton1");  // the open text panel covers the commands column
    press("AddHyperlink");
    control<QLineEdit>("Text3")->setText("a\"b.html");
    control<QLineEdit>("Text2")->setText("R&D <now>");
    press("Add");
    press("Add");
    EXPECT_EQ(source(), "<a href = \"a\"b.html\">R&D <now></a><BR>\r\n"
                        "<a href = \"a\"b.html\">R&D <now></a><BR>\r\n");
    EXPECT_TRUE(shown("Frame1"));
}

TEST_F(MainWindowCommands, BothPageFieldsKeepCharactersTheWidgetTakesForBreaks) {
    const QString odd = QString(QChar(0xFDD0)) + QChar(0xFDD1) + QChar::LineSeparator + QChar::ParagraphSeparator;
    press("cmdTEXT");
    panelText()->setFocus();
    for (QChar c : odd) QTest::sendKeyEvent(QTest::Click, panelText(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    press("cmdAdd");
    page()->setFocus();
    for (QChar c : odd) QTest::sendKeyEvent(QTest::Click, page(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(source(), "<font color=\"#000000\" size=\"3\">" + odd + "</font><BR>\r\n" + odd);
}

TEST_F(MainWindowCommands, SearchBarTwiceInsertsTwoWholeBars) {
    const QString bar = kSearchBlock + "<BR>\r\n";
    press("google");
    press("google");
    EXPECT_EQ(source(), bar + bar);
    EXPECT_EQ(page()->blockCount(), 33);
    EXPECT_EQ(window->focusWidget(), page());
}

TEST_F(MainWindowCommands, AddColourInsertsClosesThePanelAndReturnsToImageMode) {
    typeInto(page(), "ab");
    page()->moveCursor(QTextCursor::Left);
    press("AddBackground");
    press("BGSwitch");
    auto* code = control<QLineEdit>("Text4");
    code->clear();
    typeInto(code, "#00F");
    press("AddColour");
    EXPECT_EQ(source(), "a<body bgcolor= \"#00F\">b");
    EXPECT_EQ(window->focusWidget(), page());
    EXPECT_FALSE(shown("Frame2"));

    press("AddBackground");
    EXPECT_TRUE(control("TxtBackground")->isVisible());
    EXPECT_FALSE(control("Text4")->isVisible());
    control<QLineEdit>("TxtBackground")->setText("my pics/sky.png");
    press("AddBGImage");
    EXPECT_EQ(source(), "a<body bgcolor= \"#00F\"><body background=\"PSP/Photo/my pics/sky.png\">b");
    EXPECT_FALSE(shown("Frame2"));
    press("AddBackground");
    press("BGSwitch");
    EXPECT_EQ(code->text(), "#00F");
}

// A window that is not shown cannot take the focus: the tag goes in, and only
// Center goes on to swap its buttons.
TEST(HiddenMainWindow, OnlyCenterSwapsItsButtonsWhenThePageCannotTakeTheFocus) {
    Form window(QStringLiteral(":/layouts/Form1.json"));
    qm::MainWindowUi ui = qm::MainWindowUi::bind(&window);
    qm::connectComposeCommands(ui);
    emit ui.bold.opening->clicked();
    EXPECT_EQ(pageSource(ui.page), "<B>");
    EXPECT_FALSE(ui.bold.opening->isHidden());
    EXPECT_TRUE(ui.bold.closing->isHidden());
    emit ui.center.opening->clicked();
    EXPECT_EQ(pageSource(ui.page), "<B><Center>");
    EXPECT_TRUE(ui.center.opening->isHidden());
    EXPECT_FALSE(ui.center.closing->isHidden());
}

}  // namespace
