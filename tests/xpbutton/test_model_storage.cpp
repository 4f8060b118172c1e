// Access keys and the typed reads of stored properties: plain text and JSON.
#include <gtest/gtest.h>

#include <QJsonObject>

#include "AccessKey.h"
#include "PropertyBag.h"

using xp::GetAccessKey;

TEST(AccessKey, FollowsTheFirstSingleAmpersand) {
    EXPECT_EQ(GetAccessKey("&OK"), "o");
    EXPECT_EQ(GetAccessKey("&About"), "a");
    EXPECT_EQ(GetAccessKey("Save &As"), "a");
    EXPECT_EQ(GetAccessKey("R&&D &Tools"), "t");
    EXPECT_EQ(GetAccessKey("&&a&Bc"), "b");
}

TEST(AccessKey, NoKeyWhenNoSingleAmpersandIsFoundInTime) {
    EXPECT_EQ(GetAccessKey(""), "");
    EXPECT_EQ(GetAccessKey("Make"), "");
    EXPECT_EQ(GetAccessKey("&a"), "");        // the loop never starts
    EXPECT_EQ(GetAccessKey("Stop&"), "");     // only ampersand is last
    EXPECT_EQ(GetAccessKey("&&Hello"), "");   // the search resumes at 3 and finds none
    EXPECT_EQ(GetAccessKey("&&"), "");
}

TEST(PropertyBag, KeysAreReadWithoutRegardToCase) {
    const xp::PropertyBag bag(QJsonObject{{"CAPTION", "Go"}, {"focusrect", false}});
    EXPECT_EQ(bag.readString("Caption", "&OK"), "Go");
    EXPECT_FALSE(bag.readBool("FocusRect", true));
}

TEST(PropertyBag, WrongTypesAndMissingKeysGiveTheDefault) {
    const xp::PropertyBag bag(QJsonObject{{"caption", 12}, {"enabled", "yes"}, {"forecolor", 1.5}});
    EXPECT_EQ(bag.readString("Caption", "&OK"), "&OK");
    EXPECT_TRUE(bag.readBool("Enabled", true));
    EXPECT_EQ(bag.readColour("ForeColor", 0), 0u);
    EXPECT_EQ(bag.readColour("Missing", 7), 7u);
}

TEST(PropertyBag, ColoursTakeTheSignedAndUnsignedForms) {
    const xp::PropertyBag bag(QJsonObject{
        {"a", 255}, {"b", -2147483633.0}, {"c", 4294967295.0}, {"d", 4294967296.0}});
    EXPECT_EQ(bag.readColour("a", 0), 0xFFu);
    EXPECT_EQ(bag.readColour("b", 0), 0x8000000Fu);
    EXPECT_EQ(bag.readColour("c", 0), 0xFFFFFFFFu);
    EXPECT_EQ(bag.readColour("d", 0), 0u);
}

TEST(PropertyBag, WritesLowerCaseKeysAndSkipsDefaults) {
    xp::PropertyBag bag;
    bag.write("Caption", QJsonValue("&OK"), QJsonValue("&OK"));
    bag.write("ForeColor", QJsonValue(qint64(0)), QJsonValue(0.0));
    bag.write("FocusRect", false, true);
    EXPECT_EQ(bag.values(), (QJsonObject{{"focusrect", false}}));
}

TEST(StoredFont, RejectsObjectsWithoutNameOrSize) {
    EXPECT_FALSE(xp::fontFromJson(QJsonValue("Verdana")));
    EXPECT_FALSE(xp::fontFromJson(QJsonObject{{"name", "Verdana"}}));
    EXPECT_FALSE(xp::fontFromJson(QJsonObject{{"name", ""}, {"size", 8}}));
    EXPECT_FALSE(xp::fontFromJson(QJsonObject{{"name", "Verdana"}, {"size", -3}}));
}
