#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "compose/PageSource.h"
#include "windows/WidgetReservedCharacters.h"

using namespace qm;

namespace {

// A shown window with the page field and one other control to take the focus.
class InsertionRule : public ::testing::Test {
protected:
    QWidget window;
    QPlainTextEdit* field = new QPlainTextEdit(&window);
    QLineEdit* elsewhere = new QLineEdit(&window);

    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(elsewhere);
        qm::keepTypedCharacters(field);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void select(int from, int to) {
        QTextCursor c = field->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        field->setTextCursor(c);
    }
    void type(const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    // One key press per character, for characters no key name stands for.
    void typeUnicode(const QString& text) {
        field->setFocus();
        for (QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

TEST_F(InsertionRule, ReplacesTheSelectionOrSplitsTheWordAtTheCaret) {
    field->setPlainText("hello world");
    select(6, 11);
    replaceSelection(field, "<B>");
    EXPECT_EQ(pageSource(field), "hello <B>");
    EXPECT_EQ(field->textCursor().position(), 9);
    EXPECT_FALSE(field->textCursor().hasSelection());

    select(2, 2);
    replaceSelection(field, "<I>");
    EXPECT_EQ(pageSource(field), "he<I>llo <B>");
    EXPECT_EQ(field->textCursor().position(), 5);
}

TEST_F(InsertionRule, FocusKeepsCaretAndSelectionOfAFieldThatLostIt) {
    field->setPlainText("hello world");
    select(0, 5);
    elsewhere->setFocus();
    ASSERT_TRUE(giveFocus(field));
    EXPECT_EQ(window.focusWidget(), field);
    EXPECT_EQ(field->textCursor().selectionStart(), 0);
    EXPECT_EQ(field->textCursor().selectionEnd(), 5);
    EXPECT_EQ(field->textCursor().position(), 5);
}

TEST_F(InsertionRule, AHiddenOrDisabledFieldCannotTakeTheFocus) {
    field->setEnabled(false);
    EXPECT_FALSE(giveFocus(field));
    field->setEnabled(true);
    field->hide();
    EXPECT_FALSE(giveFocus(field));
    EXPECT_NE(window.focusWidget(), field);
}

TEST_F(InsertionRule, EveryKindOfLineBreakReadsBackAsOneCrLf) {
    replaceSelection(field, "a\r\nb");
    EXPECT_EQ(field->blockCount(), 2);
    replaceSelection(field, "\rc\nd");
    EXPECT_EQ(pageSource(field), "a\r\nb\r\nc\r\nd");

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);  // a line separator inside the paragraph
    EXPECT_EQ(pageSource(field), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

TEST_F(InsertionRule, PageSourceKeepsNoBreakSpacesNulsAndAstralCharacters) {
    const QString odd = QStringLiteral("x") + QChar(0x00A0) + QChar(0) + QString::fromUcs4(U"\U0001F600") + "y";
    replaceSelection(field, odd);
    EXPECT_EQ(pageSource(field), odd);
}

// Characters the text widget would otherwise take for line breaks of its own.
const QString widgetBreaks = QString(QChar(0xFDD0)) + QChar(0xFDD1) + QChar::LineSeparator + QChar::ParagraphSeparator;

TEST_F(InsertionRule, CharactersTheWidgetTakesForBreaksComeBackAsInserted) {
    const QString text = "a" + widgetBreaks + "b\r\nc" + QChar(0xFDD0) + QChar(0xFDD0) + QChar::ObjectReplacementCharacter;
    replaceSelection(field, text);
    EXPECT_EQ(pageSource(field), text);
    EXPECT_EQ(field->blockCount(), 2);
    EXPECT_EQ(field->textCursor().position(), text.size() - 1);  // CR LF is one position

    // Typing right after a kept character gives plain text, not another one.
    type("xy");
    EXPECT_EQ(pageSource(field), text + "xy");
}

TEST_F(InsertionRule, ReservedCharactersSurviveUndoAndRedo) {
    type("ab");
    select(1, 1);
    replaceSelection(field, widgetBreaks);
    field->undo();
    EXPECT_EQ(pageSource(field), "ab");
    field->redo();
    EXPECT_EQ(pageSource(field), "a" + widgetBreaks + "b");
}

TEST_F(InsertionRule, TypedOrComposedCharactersAreKeptAndShiftEnterIsALineBreak) {
    typeUnicode("a" + widgetBreaks);
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    QInputMethodEvent composing(QStringLiteral("pre"), {});
    QCoreApplication::sendEvent(field, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(widgetBreaks);
    QCoreApplication::sendEvent(field, &committed);
    EXPECT_EQ(pageSource(field), "a" + widgetBreaks + "\r\n" + widgetBreaks);
}

TEST_F(InsertionRule, AReadOnlyFieldTakesNoTypedKeptCharacter) {
    field->setReadOnly(true);
    typeUnicode(widgetBreaks);
    EXPECT_EQ(pageSource(field), "");
}

TEST_F(InsertionRule, AHundredThousandCharactersGoInWhole) {
    // Words, not one unbroken run: wrapping a single 100,000-letter word takes
    // the text layout seconds, which is not what this test is about.
    const QString big = QStringLiteral("word ").repeated(20000);
    field->setPlainText("<>");
    select(1, 1);
    replaceSelection(field, big);
    EXPECT_EQ(pageSource(field), "<" + big + ">");
    EXPECT_EQ(field->textCursor().position(), 1 + 100000);
}

TEST_F(InsertionRule, UndoTakesBackOnlyTheFragmentNotTheTypingBeforeIt) {
    type("abc");
    replaceSelection(field, "<B>");
    field->undo();
    EXPECT_EQ(pageSource(field), "abc");
}

TEST_F(InsertionRule, AMultiLineFragmentReplacingASelectionUndoesInOneStep) {
    type("one two");
    select(4, 7);
    replaceSelection(field, "<BR>\r\n");
    EXPECT_EQ(pageSource(field), "one <BR>\r\n");
    field->undo();
    EXPECT_EQ(pageSource(field), "one two");
}

TEST_F(InsertionRule, ClearCanBeUndoneAndLeavesTheCaretAtTheStart) {
    type("keep me");
    clearText(field);
    EXPECT_EQ(pageSource(field), "");
    EXPECT_EQ(field->textCursor().position(), 0);
    field->undo();
    EXPECT_EQ(pageSource(field), "keep me");
}

}  // namespace
