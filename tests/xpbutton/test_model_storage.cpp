// Access keys and the typed reads of stored properties: plain text and JSON.
#include <gtest/gtest.h>

#include <QJsonObject>

#include "xpbutton/AccessKey.h"
#include "xpbutton/DesignFont.h"
#include "xpbutton/PropertyBag.h"

using namespace qm;

using qm::accessKeyOf;

TEST(AccessKey, FollowsTheFirstSingleAmpersand) {
    EXPECT_EQ(accessKeyOf("&OK"), "o");
    EXPECT_EQ(accessKeyOf("&About"), "a");
    EXPECT_EQ(accessKeyOf("Save &As"), "a");
    EXPECT_EQ(accessKeyOf("R&&D &Tools"), "t");
    EXPECT_EQ(accessKeyOf("&&a&Bc"), "b");
}

TEST(AccessKey, NoKeyWhenNoSingleAmpersandIsFoundInTime) {
    EXPECT_EQ(accessKeyOf(""), "");
    EXPECT_EQ(accessKeyOf("Make"), "");
    EXPECT_EQ(accessKeyOf("&a"), "");        // the loop never starts
    EXPECT_EQ(accessKeyOf("Stop&"), "");     // only ampersand is last
    EXPECT_EQ(accessKeyOf("&&Hello"), "");   // the search resumes at 3 and finds none
    EXPECT_EQ(accessKeyOf("&&"), "");
}

TEST(PropertyBag, KeysAreReadWithoutRegardToCase) {
    const qm::PropertyBag bag(QJsonObject{{"CAPTION", "Go"}, {"focusrect", false}});
    EXPECT_EQ(bag.readString("Caption", "&OK"), "Go");
    EXPECT_FALSE(bag.readBool("FocusRect", true));
}

TEST(PropertyBag, WrongTypesAndMissingKeysGiveTheDefault) {
    const qm::PropertyBag bag(QJsonObject{{"caption", 12}, {"enabled", "yes"}, {"forecolor", 1.5}});
    EXPECT_EQ(bag.readString("Caption", "&OK"), "&OK");
    EXPECT_TRUE(bag.readBool("Enabled", true));
    EXPECT_EQ(bag.readColour("ForeColor", 0), 0u);
    EXPECT_EQ(bag.readColour("Missing", 7), 7u);
}

TEST(PropertyBag, ColoursTakeTheSignedAndUnsignedForms) {
    const qm::PropertyBag bag(QJsonObject{
        {"a", 255}, {"b", -2147483633.0}, {"c", 4294967295.0}, {"d", 4294967296.0}});
    EXPECT_EQ(bag.readColour("a", 0), 0xFFu);
    EXPECT_EQ(bag.readColour("b", 0), 0x8000000Fu);
    EXPECT_EQ(bag.readColour("c", 0), 0xFFFFFFFFu);
    EXPECT_EQ(bag.readColour("d", 0), 0u);
}

TEST(PropertyBag, WritesLowerCaseKeysAndSkipsDefaults) {
    qm::PropertyBag bag;
    bag.write("Caption", QJsonValue("&OK"), QJsonValue("&OK"));
    bag.write("ForeColor", QJsonValue(qint64(0)), QJsonValue(0.0));
    bag.write("FocusRect", false, true);
    EXPECT_EQ(bag.values(), (QJsonObject{{"focusrect", false}}));
}

// Read back, the design font must be the very same font: Qt would otherwise
// hold two font engines for one look and change every button's font twice.
TEST(StoredFont, TheDesignFontReadBackIsTheSameFont) {
    const auto read = qm::fontFromJson(qm::fontToJson({qm::designFont(), 0}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->font, qm::designFont());
}

TEST(StoredFont, RejectsObjectsWithoutNameOrSize) {
    EXPECT_FALSE(qm::fontFromJson(QJsonValue("Verdana")));
    EXPECT_FALSE(qm::fontFromJson(QJsonObject{{"name", "Verdana"}}));
    EXPECT_FALSE(qm::fontFromJson(QJsonObject{{"name", ""}, {"size", 8}}));
    EXPECT_FALSE(qm::fontFromJson(QJsonObject{{"name", "Verdana"}, {"size", -3}}));
}
