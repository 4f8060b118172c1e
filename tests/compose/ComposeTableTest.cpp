#include <gtest/gtest.h>

#include "ComposeTable.h"
#include "FakeSurface.h"

namespace {

const QStringList kPairButtons = {"Bold", "EndBold",   "Italic", "EndItalic", "Strike",
                                  "EndStrike", "Center", "EndCenter", "Marquee", "EndMarquee"};

FakeSurface mainWindow() {
    FakeSurface s(kPairButtons);
    s.texts = {{"TxtInput", ""},      {"Text7", ""},       {"Label4", "\""},  {"Text8", "#000000"},
               {"Combo1", "3"},       {"Text3", "http://www.example.com/"},   {"Text2", "Google!"},
               {"Text4", "#FF0000"},  {"TxtBackground", "Background.jpg"},    {"Text9", "block\r\n"}};
    return s;
}

QStringList run(const QString& button, FakeSurface& s) {
    s.log.clear();
    runCommand(*composeCommand(button), s);
    return s.log;
}

TEST(TagPairs, OpeningInsertsFocusesThenHidesItselfBeforeShowingItsPartner) {
    FakeSurface s = mainWindow();
    EXPECT_EQ(run("Bold", s), (QStringList{"insert TxtInput <B>", "focus TxtInput", "hide Bold", "show EndBold"}));
    EXPECT_EQ(run("EndBold", s),
              (QStringList{"insert TxtInput </B>", "focus TxtInput", "show Bold", "hide EndBold"}));
}

TEST(TagPairs, EveryPairHasItsExactTags) {
    const QStringList expected = {"<B>", "</B>", "<I>", "</I>", "<S>", "</S>",
                                  "<Center>", "</Center>", "<Marquee>", "</Marquee>"};
    FakeSurface s = mainWindow();
    for (int i = 0; i < kPairButtons.size(); ++i)
        EXPECT_EQ(run(kPairButtons[i], s).first(), "insert TxtInput " + expected[i]) << kPairButtons[i].toStdString();
}

TEST(TagPairs, OnlyCenterGoesOnPastAFailingStep) {
    for (const QString& button : kPairButtons) {
        FakeSurface s = mainWindow();
        s.broken.insert("TxtInput");
        const QStringList log = run(button, s);
        if (button.contains("Center"))
            EXPECT_EQ(log.size(), 4) << button.toStdString();
        else
            EXPECT_EQ(log, QStringList{"FAILED insert TxtInput"}) << button.toStdString();
    }
}

TEST(TagPairs, AButtonThatCannotBeHiddenStopsBoldBeforeItsPartnerShows) {
    FakeSurface s = mainWindow();
    s.broken.insert("Bold");
    const RunResult result = runCommand(*composeCommand("Bold"), s);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.firstFailure, 2);
    EXPECT_FALSE(s.log.contains("show EndBold"));
}

TEST(TagPairs, AFieldThatCannotTakeTheFocusKeepsTheTagButLeavesTheButtons) {
    FakeSurface s = mainWindow();
    s.unfocusable.insert("TxtInput");
    EXPECT_EQ(run("Bold", s), (QStringList{"insert TxtInput <B>", "FAILED focus TxtInput"}));
    EXPECT_EQ(run("Center", s), (QStringList{"insert TxtInput <Center>", "FAILED focus TxtInput", "hide Center",
                                             "show EndCenter"}));
}

TEST(NewLine, EachWritesIntoItsOwnFieldAndGoesOnPastAFocusFailure) {
    FakeSurface s = mainWindow();
    EXPECT_EQ(run("NewLine", s), (QStringList{"insert TxtInput <BR>\r\n", "focus TxtInput"}));
    s.unfocusable.insert("Text7");
    EXPECT_EQ(run("NewLine2", s), (QStringList{"insert Text7 <BR>\r\n", "FAILED focus Text7"}));
    EXPECT_EQ(s.texts["TxtInput"], "<BR>\r\n");
    EXPECT_EQ(s.texts["Text7"], "<BR>\r\n");
}

TEST(Clear, EmptiesThenFocusesAndStopsOnFailure) {
    FakeSurface s = mainWindow();
    s.texts["TxtInput"] = "abc";
    EXPECT_EQ(run("Clear", s), (QStringList{"clear TxtInput", "focus TxtInput"}));
    s.broken.insert("TxtInput");
    EXPECT_EQ(run("Clear", s), QStringList{"FAILED clear TxtInput"});
}

TEST(ColouredText, InsertsFocusesEmptiesTheTextAndFocusesIt) {
    FakeSurface s = mainWindow();
    s.texts["Text7"] = "Hello";
    EXPECT_EQ(run("cmdAdd", s),
              (QStringList{"insert TxtInput <font color=\"#000000\" size=\"3\">Hello</font><BR>\r\n",
                           "focus TxtInput", "clear Text7", "focus Text7"}));
    EXPECT_EQ(run("cmdAdd", s).first(),
              "insert TxtInput <font color=\"#000000\" size=\"3\"></font><BR>\r\n");
}

TEST(ColouredText, AnUnreadableFieldInsertsNothingButTheLaterStepsRun) {
    FakeSurface s = mainWindow();
    s.texts.remove("Combo1");
    EXPECT_EQ(run("cmdAdd", s), (QStringList{"focus TxtInput", "clear Text7", "focus Text7"}));
    EXPECT_EQ(s.texts["TxtInput"], "");
}

TEST(Hyperlink, ReadsTheQuoteFromTheLabelEachTime) {
    FakeSurface s = mainWindow();
    s.texts["Text3"] = "index.html";
    s.texts["Text2"] = "Home";
    EXPECT_EQ(run("Add", s).first(), "insert TxtInput <a href = \"index.html\">Home</a><BR>\r\n");
    s.texts["Label4"] = "'";
    EXPECT_EQ(run("Add", s).first(), "insert TxtInput <a href = 'index.html'>Home</a><BR>\r\n");
    s.texts.remove("Label4");
    EXPECT_EQ(run("Add", s), QStringList{"focus TxtInput"});
}

TEST(SearchBar, AppendsABreakAndStopsWhenTheBlockCannotBeRead) {
    FakeSurface s = mainWindow();
    EXPECT_EQ(run("google", s), (QStringList{"insert TxtInput block\r\n<BR>\r\n", "focus TxtInput"}));
    s.texts.remove("Text9");
    EXPECT_EQ(run("google", s), QStringList{});
}

TEST(Background, ImageInsertsFocusesAndClosesThePanel) {
    FakeSurface s = mainWindow();
    EXPECT_EQ(run("AddBGImage", s),
              (QStringList{"insert TxtInput <body background=\"PSP/Photo/Background.jpg\">", "focus TxtInput",
                           "panel AddBGImage"}));
}

TEST(Background, ColourStillClosesThePanelWhenNothingCouldBeInserted) {
    FakeSurface s = mainWindow();
    EXPECT_EQ(run("AddColour", s),
              (QStringList{"insert TxtInput <body bgcolor= \"#FF0000\">", "focus TxtInput", "panel AddColour"}));
    s.texts.remove("Text4");
    EXPECT_EQ(run("AddColour", s), (QStringList{"focus TxtInput", "panel AddColour"}));
}

TEST(ComposeTable, KnowsEveryCompositionButtonAndNoOther) {
    const QStringList expected = kPairButtons + QStringList{"NewLine",    "NewLine2",   "Clear",    "cmdAdd",
                                                            "Add",        "google",     "AddBGImage", "AddColour"};
    EXPECT_EQ(composeCommandNames(), expected);
    for (const QString& name : expected) EXPECT_TRUE(composeCommand(name).has_value()) << name.toStdString();
    EXPECT_FALSE(composeCommand("Make").has_value());
    EXPECT_FALSE(composeCommand("bold").has_value());
}

}  // namespace
