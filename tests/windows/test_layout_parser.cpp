#include <gtest/gtest.h>

#include "windows/Layout.h"

using namespace qm;

namespace {

QByteArray windowWith(const char* controls) {
    return QByteArray(R"({"name": "FormX", "caption": "X", "clientWidth": 1500, "clientHeight": 1500,
                          "border": "fixedSingle", "controls": [)") + controls + "]}";
}

struct BadLayout {
    const char* why;
    QByteArray json;
    const char* mustMention;
};

TEST(LayoutParser, RejectsBrokenLayoutsNamingFileAndEntry) {
    const BadLayout cases[] = {
        {"not JSON", "{\"name\": ", "FormX.json: at offset"},
        {"unknown kind", windowWith(R"({"name": "A", "kind": "Slider", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "controls[0] (\"A\"): unknown kind \"Slider\""},
        {"misspelt key",
         windowWith(R"({"name": "A", "kind": "TextBox", "left": 0, "top": 0, "width": 1, "height": 1, "maxLenght": 7})"),
         "unknown key \"maxLenght\""},
        {"missing place", windowWith(R"({"name": "A", "kind": "Label", "left": 0, "top": 0, "width": 1})"),
         "\"height\" is missing"},
        {"negative width", windowWith(R"({"name": "A", "kind": "Label", "left": 0, "top": 0, "width": -1, "height": 1})"),
         "negative size"},
        {"negative height", windowWith(R"({"name": "A", "kind": "Label", "left": 0, "top": 0, "width": 1, "height": -1})"),
         "negative size"},
        {"fractional twips", windowWith(R"({"name": "A", "kind": "Label", "left": 0.5, "top": 0, "width": 1, "height": 1})"),
         "\"left\" must be a whole number"},
        {"container is no frame",
         windowWith(R"({"name": "L", "kind": "Label", "left": 0, "top": 0, "width": 1, "height": 1},
                       {"name": "A", "kind": "Label", "container": "L", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "controls[1] (\"A\"): container \"L\" is not a frame"},
        {"name used twice",
         windowWith(R"({"name": "A", "kind": "Label", "left": 0, "top": 0, "width": 1, "height": 1},
                       {"name": "A", "kind": "Label", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "controls[1] (\"A\"): the name is used twice"},
        {"button without stored properties",
         windowWith(R"({"name": "B", "kind": "ccXPButton", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "Quillmere.ccXPButton"},
        {"stored key not lower case",
         windowWith(R"({"name": "B", "kind": "ccXPButton", "left": 0, "top": 0, "width": 1, "height": 1,
                        "properties": {"Quillmere.ccXPButton": {"Caption": "Go"}}})"),
         "\"Caption\" is not lower case"},
        {"buddy naming no control",
         windowWith(R"({"name": "L", "kind": "Label", "buddy": "Nowhere", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "L: buddy \"Nowhere\" names no control of this window"},
        {"buddy on a field",
         windowWith(R"({"name": "A", "kind": "TextBox", "left": 0, "top": 0, "width": 1, "height": 1},
                       {"name": "B", "kind": "TextBox", "buddy": "A", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "controls[1] (\"B\"): only labels have a buddy"},
        {"buddy outside the label's frame",
         windowWith(R"({"name": "F", "kind": "Frame", "left": 0, "top": 0, "width": 9, "height": 9},
                       {"name": "L", "kind": "Label", "container": "F", "buddy": "T", "left": 0, "top": 0, "width": 1, "height": 1},
                       {"name": "T", "kind": "TextBox", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "L: buddy \"T\" is not in the label's container"},
        {"buddy is the label itself",
         windowWith(R"({"name": "L", "kind": "Label", "buddy": "L", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "L: buddy \"L\" is the label itself"},
        {"a shown field hidden from assistive technology",
         windowWith(R"({"name": "T", "kind": "TextBox", "accessible": false, "left": 0, "top": 0, "width": 1, "height": 1})"),
         "T\"): only an unnamed label or hidden control on the window itself can be inaccessible"},
        {"a named control hidden from assistive technology",
         windowWith(R"({"name": "L", "kind": "Label", "accessible": false, "description": "x", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "can be inaccessible"},
        {"accessible given as text",
         windowWith(R"({"name": "L", "kind": "Label", "accessible": "no", "left": 0, "top": 0, "width": 1, "height": 1})"),
         "\"accessible\" must be true or false"},
        {"unknown border", R"({"name": "FormX", "caption": "X", "clientWidth": 1, "clientHeight": 1,
                               "border": "sizable", "controls": []})",
         "FormX.json: window: unknown border"},
    };
    for (const BadLayout& c : cases) {
        const LayoutParseResult result = parseLayout(c.json, QStringLiteral("FormX.json"));
        EXPECT_FALSE(result.layout.has_value()) << c.why;
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.mustMention)))
            << c.why << ": " << result.error.toStdString();
    }
}

TEST(LayoutParser, JoinsLinesWithCrLfKeepingSpacesAndQuotes) {
    const LayoutParseResult result = parseLayout(
        windowWith(R"({"name": "T", "kind": "TextBox", "multiLine": true, "left": 0, "top": 0, "width": 1,
                       "height": 1, "text": ["say \"hi\"  ", "", "end"]})"),
        QStringLiteral("FormX.json"));
    ASSERT_TRUE(result.layout) << result.error.toStdString();
    EXPECT_EQ(result.layout->controls.at(0).text, QStringLiteral("say \"hi\"  \r\n\r\nend\r\n"));
}

TEST(LayoutParser, ABuddyMayBeListedAfterItsLabel) {
    const LayoutParseResult result = parseLayout(
        windowWith(R"({"name": "L", "kind": "Label", "buddy": "T", "left": 0, "top": 0, "width": 1, "height": 1},
                      {"name": "T", "kind": "TextBox", "left": 0, "top": 0, "width": 1, "height": 1})"),
        QStringLiteral("FormX.json"));
    ASSERT_TRUE(result.layout) << result.error.toStdString();
    EXPECT_EQ(result.layout->controls.at(0).buddy, QStringLiteral("T"));
}

TEST(LayoutParser, ReadsALineByItsEndsAndAShapeByItsFill) {
    const LayoutParseResult result = parseLayout(
        windowWith(R"({"name": "L", "kind": "Line", "x1": 300, "y1": 0, "x2": 300, "y2": 900},
                      {"name": "S", "kind": "Shape", "left": -150, "top": 15, "width": 30, "height": 45,
                       "fill": "white", "outline": true})"),
        QStringLiteral("FormX.json"));
    ASSERT_TRUE(result.layout) << result.error.toStdString();
    EXPECT_EQ(result.layout->controls.at(0).rect, (TwipsRect{300, 0, 0, 900}));
    const ControlLayout& shape = result.layout->controls.at(1);
    EXPECT_EQ(shape.rect, (TwipsRect{-150, 15, 30, 45}));
    EXPECT_EQ(shape.fill, ShapeFill::White);
    EXPECT_TRUE(shape.outline);
}

}  // namespace
