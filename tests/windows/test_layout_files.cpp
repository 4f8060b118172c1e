#include <gtest/gtest.h>

#include <QSet>
#include <set>

#include "SearchBlock.h"
#include "windows/FormBuilder.h"

using namespace qm;

namespace {

struct Row {
    const char* name;
    ControlKind kind;
    const char* container;
    const char* text;
    TwipsRect rect;
    int tab;
    FontChoice font;
};

constexpr FontChoice V = FontChoice::Verdana;
constexpr FontChoice D = FontChoice::WindowDefault;

void expectRows(const WindowLayout& layout, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        const ControlLayout* c = layout.control(QString::fromUtf8(row.name));
        ASSERT_NE(c, nullptr) << row.name;
        EXPECT_EQ(c->kind, row.kind) << row.name;
        EXPECT_EQ(c->container, QString::fromUtf8(row.container)) << row.name;
        const QString text = c->kind == ControlKind::Button
            ? c->buttonProperties.value("caption").toString()
            : c->text;
        EXPECT_EQ(text, QString::fromUtf8(row.text)) << row.name;
        EXPECT_EQ(c->rect, row.rect) << row.name;
        EXPECT_EQ(c->tabIndex, row.tab) << row.name;
        if (c->kind != ControlKind::Button) {
            EXPECT_EQ(c->font, row.font) << row.name;
        }
    }
}

std::set<int> tabIndices(const WindowLayout& layout) {
    std::set<int> tabs;
    for (const ControlLayout& c : layout.controls) {
        if (c.tabIndex) {
            EXPECT_TRUE(tabs.insert(*c.tabIndex).second) << "tab used twice: " << c.name.toStdString();
        }
    }
    return tabs;
}

std::set<int> range(int first, int last) {
    std::set<int> all;
    for (int i = first; i <= last; ++i) all.insert(i);
    return all;
}

TEST(MainWindowLayout, WindowIsTheFixedSingleMainWindow) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    EXPECT_EQ(w.name, "Form1");
    EXPECT_EQ(w.caption, "Quillmere");
    EXPECT_EQ(w.clientWidth, 8160);
    EXPECT_EQ(w.clientHeight, 5040);
    EXPECT_EQ(w.border, BorderStyle::FixedSingle);
    EXPECT_TRUE(w.minimiseButton);
    EXPECT_TRUE(w.showInTaskbar);
    EXPECT_TRUE(w.centred);
    EXPECT_EQ(w.controls.size(), 65u);  // 64 in the tab order and Line1
    EXPECT_EQ(tabIndices(w), range(0, 63));
}

TEST(MainWindowLayout, ControlsSitWhereTheWindowWasDrawn) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    using K = ControlKind;
    expectRows(w, {
        {"Label1", K::Label, "", "PSP Drive", {120, 120, 975, 255}, 49, V},
        {"Drive1", K::DriveListBox, "", "", {1080, 120, 1215, 315}, 0, V},
        {"Make", K::Button, "", "Make", {3960, 120, 855, 315}, 12, V},
        {"TxtInput", K::TextBox, "", "", {120, 720, 4695, 3765}, 1, V},
        {"Collapse", K::Button, "", "\u00ab", {3480, 4560, 1335, 375}, 16, V},
        {"Expand", K::Button, "", "\u00bb", {3480, 4560, 1335, 375}, 15, V},
        {"cmdTEXT", K::Button, "", "Text", {5280, 480, 2655, 375}, 33, V},
        {"EndStrike", K::Button, "", "End Strike-Through", {5280, 1920, 2655, 375}, 32, V},
        {"google", K::Button, "", "Add Google Search Bar", {5280, 2400, 2655, 375}, 50, V},
        {"cmdAbout", K::Button, "", "&About", {6720, 3840, 1215, 375}, 34, V},
        {"Label4", K::Label, "", "\"", {6840, 120, 135, 15}, 7, D},
        {"Frame1", K::Frame, "", "Hyperlink", {5160, 120, 2895, 4815}, 2, V},
        {"Text3", K::TextBox, "Frame1", "http://www.google.com/", {120, 1320, 2655, 285}, 6, V},
        {"Text2", K::TextBox, "Frame1", "Google!", {120, 600, 2655, 285}, 4, V},
        {"Frame2", K::Frame, "", "Background", {5160, 120, 2895, 4815}, 9, V},
        {"AddBGImage", K::Button, "Frame2", "Add BackGround Image", {240, 1080, 2415, 375}, 30, V},
        {"Hide", K::Button, "Frame2", "Hide", {2160, 4320, 615, 375}, 29, V},
        {"Text4", K::TextBox, "Frame2", "#FF0000", {120, 600, 2655, 285}, 41, D},
        {"Label15", K::Label, "Frame2", "Switch to", {120, 4080, 2655, 255}, 63, V},
        {"Label8", K::Label, "Frame2", "Background Colour", {120, 360, 2655, 255}, 44, D},
        {"Frame3", K::Frame, "", "Text", {5160, 120, 2895, 4815}, 51, V},
        {"ccXPButton2", K::Button, "Frame3", "Colours", {1920, 360, 855, 255}, 61, V},
        {"Combo1", K::ComboBox, "Frame3", "3", {1080, 1200, 1695, 315}, 56, D},
        {"Text8", K::TextBox, "Frame3", "#000000", {120, 720, 2655, 285}, 55, D},
        {"Text7", K::TextBox, "Frame3", "", {120, 2040, 2655, 2115}, 53, V},
    });
    const ControlLayout* line = w.control("Line1");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->rect, (TwipsRect{5040, 0, 0, 5160}));
    EXPECT_EQ(w.control("Combo1")->items, (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(w.control("Text4")->maxLength, 7);
    EXPECT_EQ(w.control("Text8")->maxLength, 7);
}

TEST(MainWindowLayout, FirstListedLiesAbove) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    auto position = [&](const char* name) {
        for (size_t i = 0; i < w.controls.size(); ++i)
            if (w.controls[i].name == QLatin1String(name)) return i;
        return w.controls.size();
    };
    EXPECT_LT(position("Frame3"), position("Frame1"));
    EXPECT_LT(position("Frame1"), position("Frame2"));
    EXPECT_LT(position("Frame2"), position("cmdTEXT"));
    const std::pair<const char*, const char*> pairs[] = {
        {"Bold", "EndBold"}, {"Italic", "EndItalic"}, {"Strike", "EndStrike"}, {"Center", "EndCenter"},
        {"Marquee", "EndMarquee"}, {"Collapse", "Expand"}, {"BGSwitch", "BGSwitch2"}};
    for (const auto& [first, second] : pairs) EXPECT_LT(position(first), position(second)) << first;
}

TEST(MainWindowLayout, ThePanelsTheColourModeTheSecondOfEachPairAndTheSearchBlockStartHidden) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    QSet<QString> hidden;
    for (const ControlLayout& c : w.controls)
        if (c.startsHidden) hidden.insert(c.name);
    EXPECT_EQ(hidden, (QSet<QString>{"Frame1", "Frame2", "Frame3", "AddColour", "Colours", "Text4", "Label8",
                                     "Text5", "EndBold", "EndItalic", "EndStrike", "EndCenter", "EndMarquee",
                                     "Expand", "BGSwitch2", "Text9"}));
}

TEST(MainWindowLayout, MultiLineTextsKeepQuotesAndTrailingSpaces) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    EXPECT_EQ(w.control("Text6")->text,
              "Type in the text and the \r\nwebsite you want it to link to.\r\n"
              "Once the text is clicked it will \r\nlink to the selected URL.\r\n");
    EXPECT_TRUE(w.control("Text1")->text.contains("to be your background in \r\nthe PSP/Photo folder of the \r\n"));
    EXPECT_TRUE(w.control("Text1")->text.endsWith("in the box and click Add \r\nBackground Image.\r\n"));
    EXPECT_TRUE(w.control("Text5")->text.startsWith("Use the \"Colours\" link to \r\n"));
    EXPECT_TRUE(w.control("Text5")->text.endsWith("#FFFFFF\r\nPut that code into the \r\n"
                                                  "Background Colour text box \r\nand click \"Add Colour\"\r\n"));
    EXPECT_TRUE(w.control("Text1")->locked);
    EXPECT_TRUE(w.control("Text7")->verticalScrollBar);
    EXPECT_TRUE(w.control("TxtInput")->verticalScrollBar);
}

TEST(MainWindowLayout, SearchBlockIsFifteenExactLines) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    const ControlLayout* block = w.control("Text9");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->rect, (TwipsRect{4080, 5280, 150, 285}));
    EXPECT_EQ(block->tabIndex, 62);
    EXPECT_EQ(block->text, kSearchBlock);
}

TEST(MainWindowLayout, EveryButtonStoresVerdanaAndACaption) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    int buttons = 0;
    for (const ControlLayout& c : w.controls) {
        if (c.kind != ControlKind::Button) continue;
        ++buttons;
        const QJsonObject font = c.buttonProperties.value("font").toObject();
        EXPECT_EQ(font.value("name").toString(), "Verdana") << c.name.toStdString();
        EXPECT_EQ(font.value("size").toDouble(), 8.25) << c.name.toStdString();
        EXPECT_EQ(font.value("weight").toInt(), 400) << c.name.toStdString();
        EXPECT_FALSE(c.buttonProperties.value("caption").toString().isEmpty()) << c.name.toStdString();
    }
    EXPECT_EQ(buttons, 34);
}

TEST(PreviewWindowLayout, HoldsOnlyTheBrowserArea) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form2.json"));
    EXPECT_EQ(w.caption, "Live Preview");
    EXPECT_EQ(w.clientWidth, 7440);
    EXPECT_EQ(w.clientHeight, 4215);
    EXPECT_EQ(w.border, BorderStyle::FixedToolWindow);
    EXPECT_EQ(w.font, FontChoice::Verdana);
    EXPECT_FALSE(w.showInTaskbar);
    ASSERT_EQ(w.controls.size(), 1u);
    expectRows(w, {{"WB1", ControlKind::WebBrowser, "", "", {120, 120, 7200, 3975}, 0, D}});
}

TEST(AboutWindowLayout, ControlsSitWhereTheWindowWasDrawn) {
    const WindowLayout w = loadLayout(QStringLiteral(":/layouts/Form3.json"));
    EXPECT_EQ(w.caption, "About Quillmere");
    EXPECT_EQ(w.clientWidth, 4680);
    EXPECT_EQ(w.clientHeight, 2775);
    EXPECT_EQ(w.border, BorderStyle::FixedToolWindow);
    EXPECT_FALSE(w.minimiseButton);
    EXPECT_EQ(tabIndices(w), range(0, 5));
    using K = ControlKind;
    expectRows(w, {
        {"Label2", K::Label, "", "Version", {120, 2160, 735, 255}, 2, D},
        {"Label3", K::Label, "", "1.0.0", {120, 2400, 735, 255}, 3, D},
        {"Label4", K::Label, "", "MSN/E-mail", {960, 2160, 3735, 255}, 5, D},
    });
    // The OK button keeps the control's default caption, so none is stored.
    EXPECT_FALSE(w.control("ccXPButton1")->buttonProperties.contains("caption"));
    EXPECT_EQ(w.control("ccXPButton1")->rect, (TwipsRect{3600, 2280, 975, 375}));
    EXPECT_EQ(w.control("Shape6")->rect, (TwipsRect{-1440, 120, 1575, 495}));
    EXPECT_EQ(w.control("Shape1")->fill, ShapeFill::InactiveTitleBar);
    EXPECT_TRUE(w.control("Shape3")->outline);
    EXPECT_EQ(w.control("Image2")->rect, (TwipsRect{1080, 360, 3060, 135}));
    EXPECT_EQ(w.control("Image1")->rect, (TwipsRect{120, 840, 750, 360}));
    EXPECT_TRUE(w.control("Text1")->text.startsWith("Quillmere is software that \r\nmakes it easy"));
    EXPECT_TRUE(w.control("Text1")->text.endsWith("plus many more \r\nfeatures.\r\n"));
    EXPECT_TRUE(w.control("Text1")->buttonFaceBackground);
    EXPECT_TRUE(w.control("Text2")->centred);
    EXPECT_TRUE(w.control("Text2")->locked);
}

TEST(LayoutResourcesDeathTest, AMissingLayoutEndsTheProgramNamingIt) {
    EXPECT_DEATH(loadLayout(QStringLiteral(":/layouts/Form9.json")), "Form9.json");
}

}  // namespace
