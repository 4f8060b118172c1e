#include <gtest/gtest.h>

#include "Fragments.h"
#include "PageSource.h"

namespace {

const QString q = QStringLiteral("\"");

TEST(Fragments, ColouredTextWithDefaultsAndHello) {
    EXPECT_EQ(fragment::colouredText(q, "#000000", "3", "Hello"),
              QStringLiteral("<font color=\"#000000\" size=\"3\">Hello</font><BR>\r\n"));
}

TEST(Fragments, EmptyTextStillMakesAWholeFontElement) {
    EXPECT_EQ(fragment::colouredText(q, "#000000", "3", ""),
              QStringLiteral("<font color=\"#000000\" size=\"3\"></font><BR>\r\n"));
}

TEST(Fragments, HyperlinkHasSpacesAroundTheEqualsSign) {
    EXPECT_EQ(fragment::hyperlink(q, "index.html", "Home"),
              QStringLiteral("<a href = \"index.html\">Home</a><BR>\r\n"));
}

TEST(Fragments, BackgroundImageHasNoSpaceAndNoBreak) {
    EXPECT_EQ(fragment::backgroundImage(q, "Background.jpg"),
              QStringLiteral("<body background=\"PSP/Photo/Background.jpg\">"));
    EXPECT_EQ(fragment::backgroundImage(q, ""), QStringLiteral("<body background=\"PSP/Photo/\">"));
    EXPECT_EQ(fragment::backgroundImage(q, "my pics/sky.png"),
              QStringLiteral("<body background=\"PSP/Photo/my pics/sky.png\">"));
}

TEST(Fragments, BackgroundColourHasASpaceAfterTheEqualsSign) {
    EXPECT_EQ(fragment::backgroundColour(q, "#FF0000"), QStringLiteral("<body bgcolor= \"#FF0000\">"));
    EXPECT_EQ(fragment::backgroundColour(q, ""), QStringLiteral("<body bgcolor= \"\">"));
    EXPECT_EQ(fragment::backgroundColour(q, "red"), QStringLiteral("<body bgcolor= \"red\">"));
}

TEST(Fragments, UserTextGoesInUnescaped) {
    EXPECT_EQ(fragment::hyperlink(q, "a\"b", "<&>"), QStringLiteral("<a href = \"a\"b\"><&></a><BR>\r\n"));
    EXPECT_EQ(fragment::colouredText(q, " #12 ", "big", "x\r\ny"),
              QStringLiteral("<font color=\" #12 \" size=\"big\">x\r\ny</font><BR>\r\n"));
}

TEST(Fragments, TheQuoteIsWhateverTheCallerHands) {
    EXPECT_EQ(fragment::backgroundColour("'", "#FFFFFF"), QStringLiteral("<body bgcolor= '#FFFFFF'>"));
}

TEST(Fragments, NewLineAndSearchBarEndWithBreakTagAndCrLf) {
    EXPECT_EQ(fragment::newLine(), QStringLiteral("<BR>\r\n"));
    EXPECT_EQ(fragment::searchBar("a\r\nb\r\n"), QStringLiteral("a\r\nb\r\n<BR>\r\n"));
}

TEST(CrLfText, EveryParagraphAndLineSeparatorReadsAsCrLf) {
    const QString raw = QStringLiteral("a") + QChar::ParagraphSeparator + "b" + QChar::LineSeparator + "c" +
                        QChar::ParagraphSeparator;
    EXPECT_EQ(crlfText(raw), QStringLiteral("a\r\nb\r\nc\r\n"));
}

TEST(CrLfText, OtherCharactersStayAsTheyAre) {
    const QString odd = QStringLiteral("a") + QChar(0x00A0) + QChar(0) + QString::fromUcs4(U"\U0001F600") + "z";
    EXPECT_EQ(crlfText(odd), odd);
    EXPECT_EQ(crlfText(""), QString());
}

}  // namespace
