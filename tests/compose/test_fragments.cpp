#include <gtest/gtest.h>

#include "compose/Fragments.h"
#include "compose/PageSource.h"

using namespace qm;

namespace {

const QString q = QStringLiteral("\"");

TEST(Fragments, EmptyBackgroundFieldsStillMakeWholeTags) {
    EXPECT_EQ(fragment::backgroundImage(q, ""), QStringLiteral("<body background=\"PSP/Photo/\">"));
    EXPECT_EQ(fragment::backgroundColour(q, ""), QStringLiteral("<body bgcolor= \"\">"));
}

TEST(CrLfText, EveryParagraphSeparatorReadsAsCrLf) {
    const QString raw = QStringLiteral("a") + QChar::ParagraphSeparator + "b" + QChar::ParagraphSeparator;
    EXPECT_EQ(crlfText(raw), QStringLiteral("a\r\nb\r\n"));
}

TEST(CrLfText, OtherCharactersStayAsTheyAre) {
    const QString odd = QStringLiteral("a") + QChar(0x00A0) + QChar(0) + QString::fromUcs4(U"\U0001F600") +
                        QChar::LineSeparator + QChar(0xFDD0) + "z";
    EXPECT_EQ(crlfText(odd), odd);
    EXPECT_EQ(crlfText(""), QString());
}

}  // namespace
