#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "windows/AboutForm.h"
#include "windows/ComboAccessible.h"
#include "windows/Form.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

struct ButtonSeen {
    const char* name;
    const char* accessibleName;
    const char* shortcut;  // empty: none
};

// What a screen reader must hear for a few buttons of each window.
const ButtonSeen kMainButtons[] = {
    {"cmdAbout", "About", "Alt+A"},  {"Make", "Make", ""},         {"Collapse", "Fold the window", ""},
    {"Expand", "Unfold the window", ""}, {"google", "Add Google Search Bar", ""}, {"EndBold", "End Bold", ""},
};
const ButtonSeen kAboutButtons[] = {{"ccXPButton1", "OK", "Alt+O"}};

QAccessibleInterface* accessibleOf(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

void expectButtonsSeen(Form& form, const ButtonSeen* first, const ButtonSeen* last) {
    for (const ButtonSeen* b = first; b != last; ++b) {
        auto* button = form.controls().get<qm::ccXPButton>(QLatin1String(b->name));
        ASSERT_NE(button, nullptr) << b->name;
        QAccessibleInterface* a = accessibleOf(button);
        ASSERT_NE(a, nullptr) << b->name;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(b->accessibleName)) << b->name;
        const QStringList bindings =
            a->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(bindings, *b->shortcut ? QStringList{QString::fromUtf8(b->shortcut)} : QStringList{}) << b->name;
    }
}

class ButtonsOfEveryWindow : public ::testing::TestWithParam<const char*> {};

bool offersPress(QAccessibleInterface* a) {
    return a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
}

TEST_P(ButtonsOfEveryWindow, ArePushButtonsThatPressLikeAClickOnlyWhileEnabledAndOnScreen) {
    Form form(QStringLiteral(":/layouts/%1.json").arg(GetParam()));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    int pressed = 0;
    for (QWidget* w : form.controls().all()) {
        auto* button = qobject_cast<qm::ccXPButton*>(w);
        if (!button) continue;
        const std::string name = button->objectName().toStdString();
        QAccessibleInterface* a = accessibleOf(button);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->role(), QAccessible::Button) << name;
        EXPECT_FALSE(a->text(QAccessible::Name).contains(QLatin1Char('&'))) << name;
        EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << name << " does not say what it does";
        EXPECT_FALSE(a->state().disabled) << name;
        // Nothing covers the buttons of a window as it opens; a closed panel hides its own.
        const bool onScreen = button->isVisible();
        EXPECT_EQ(!a->state().invisible, onScreen) << name;
        EXPECT_EQ(offersPress(a), onScreen) << name;

        ASSERT_NE(a->actionInterface(), nullptr) << name;
        QSignalSpy clicks(button, &qm::ccXPButton::clicked);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.count(), onScreen ? 1 : 0) << name;
        pressed += clicks.count();

        button->setEnabled(false);
        EXPECT_TRUE(a->state().disabled) << name;
        EXPECT_FALSE(offersPress(a)) << name << ": a disabled button offers Press";
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.count(), onScreen ? 1 : 0) << name << ": a disabled button was pressed";
        button->setEnabled(true);
    }
    EXPECT_GT(pressed, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, ButtonsOfEveryWindow, ::testing::Values("Form1", "Form3"));

TEST(AccessibleButtons, AreNamedByTheirCaptionOrTheWordsTheLayoutGivesAndReportTheirAccessKey) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    expectButtonsSeen(main, std::begin(kMainButtons), std::end(kMainButtons));
    AboutForm about;
    expectButtonsSeen(about, std::begin(kAboutButtons), std::end(kAboutButtons));
}

struct LabelPair {
    const char* label;
    const char* field;
};

const LabelPair kMainPairs[] = {
    {"Label1", "Drive1"}, {"Label9", "TxtInput"}, {"Label2", "Text2"},  {"Label3", "Text3"},
    {"Label10", "Text6"}, {"Label7", "TxtBackground"}, {"Label8", "Text4"}, {"Label6", "Text1"},
    {"Label12", "Text8"}, {"Label13", "Combo1"},  {"Label11", "Text7"},
};
const LabelPair kAboutPairs[] = {{"Label4", "Text2"}, {"Label2", "Label3"}};

bool hasRelation(QWidget* of, QAccessible::Relation relation, QWidget* to) {
    for (const auto& [other, kind] : accessibleOf(of)->relations(relation))
        if (kind == relation && other->object() == to) return true;
    return false;
}

void expectLabelled(Form& form, const LabelPair* first, const LabelPair* last) {
    for (const LabelPair* p = first; p != last; ++p) {
        QWidget* label = form.controls().widget(QLatin1String(p->label));
        QWidget* field = form.controls().widget(QLatin1String(p->field));
        ASSERT_TRUE(label && field) << p->label;
        EXPECT_TRUE(hasRelation(field, QAccessible::Label, label)) << p->label << " is not the label of " << p->field;
        EXPECT_TRUE(hasRelation(label, QAccessible::Labelled, field)) << p->label << " does not label " << p->field;
    }
}

TEST(AccessibleLabels, NameTheFieldBesideThem) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    expectLabelled(main, std::begin(kMainPairs), std::end(kMainPairs));
    AboutForm about;
    expectLabelled(about, std::begin(kAboutPairs), std::end(kAboutPairs));
}

TEST(AccessibleFields, ComboBoxesAreNamedByTheirLabelWithTheirTextAsValue) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    main.show();
    main.controls().widget(QStringLiteral("Frame3"))->show();  // its panel open: the edit field exists
    QAccessibleInterface* size = accessibleOf(main.controls().widget(QStringLiteral("Combo1")));
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->role(), QAccessible::ComboBox);
    EXPECT_EQ(size->text(QAccessible::Name), QStringLiteral("Font Size"));
    EXPECT_EQ(size->text(QAccessible::Value), QStringLiteral("3"));
    EXPECT_TRUE(size->state().editable);
    EXPECT_EQ(size->textInterface(), nullptr);  // its edit field holds the text
    ASSERT_EQ(size->childCount(), 2);  // the list and the edit field, each named as the box
    for (int i = 0; i < size->childCount(); ++i) {
        EXPECT_EQ(size->indexOfChild(size->child(i)), i);
        EXPECT_EQ(size->child(i)->text(QAccessible::Name), QStringLiteral("Font Size")) << i;
    }
    QAccessibleInterface* drive = accessibleOf(main.controls().widget(QStringLiteral("Drive1")));
    EXPECT_EQ(drive->text(QAccessible::Name), QStringLiteral("PSP Drive"));
    ASSERT_EQ(drive->childCount(), 1);
    EXPECT_EQ(drive->child(0)->text(QAccessible::Name), QStringLiteral("PSP Drive"));
}

TEST(AccessibleFields, AListThatCannotBeTypedInReadsAsItsChoice) {
    installComboAccessibility();  // as every built window does
    QComboBox list;
    list.addItems({QStringLiteral("STICK (removable)"), QStringLiteral("Home")});
    QAccessibleTextInterface* text = accessibleOf(&list)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("STICK (removable)"));
    list.setCurrentIndex(1);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("Home"));
    list.setCurrentIndex(-1);
    EXPECT_EQ(text->characterCount(), 0);
}

QStringList childNames(QAccessibleInterface* parent) {
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        EXPECT_EQ(parent->indexOfChild(child), i);
        names << child->object()->objectName();
    }
    return names;
}

TEST(AccessibleWindows, LeaveOutWhatIsDrawnOnlyForTheEyeAndTheHiddenFragmentStore) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    QAccessibleInterface* window = accessibleOf(&main);
    ASSERT_NE(window, nullptr);
    const QStringList seen = childNames(window);
    for (const char* hidden : {"Label4", "Text9", "Line1"})
        EXPECT_FALSE(seen.contains(QLatin1String(hidden))) << hidden;
    for (const char* shown : {"TxtInput", "Frame1", "Drive1", "Label9", "Collapse"})
        EXPECT_TRUE(seen.contains(QLatin1String(shown))) << shown;
    EXPECT_EQ(window->indexOfChild(accessibleOf(main.controls().widget(QStringLiteral("Label4")))),
              -1);

    AboutForm about;
    QAccessibleInterface* aboutWindow = accessibleOf(&about);
    for (int i = 0; i < aboutWindow->childCount(); ++i)
        EXPECT_FALSE(aboutWindow->child(i)->text(QAccessible::Name).isEmpty())
            << qPrintable(aboutWindow->child(i)->object()->objectName()) << " is a nameless child";
}

// The left half row by row, then the commands column; the panels over the
// column read before it, as they lie above it.
TEST(AccessibleWindows, ListTheirControlsInReadingOrder) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    const QStringList seen = childNames(accessibleOf(&main));
    const QStringList expected{
        "Label1",    "Drive1",      "Refresh",  "Make",          "Label9",       "TxtInput",
        "Clear",     "LivePreview", "Collapse", "Expand",        "Frame3",       "Frame1",
        "Frame2",    "Label5",      "cmdTEXT",  "AddBackground", "AddHyperlink", "Strike",
        "EndStrike", "google",      "Center",   "EndCenter",     "Italic",       "EndItalic",
        "Bold",      "EndBold",     "Marquee",  "EndMarquee",    "NewLine",      "cmdAbout"};
    EXPECT_EQ(seen, expected);
    const QStringList textPanel =
        childNames(accessibleOf(main.controls().widget(QStringLiteral("Frame3"))));
    EXPECT_EQ(textPanel, QStringList({"Label12", "ccXPButton2", "Text8", "Label13", "Combo1",
                                      "Label11", "NewLine2", "Text7", "cmdAdd", "ccXPButton1"}));
    EXPECT_EQ(
        accessibleOf(main.controls().widget(QStringLiteral("Frame3")))->text(QAccessible::Name),
        QStringLiteral("Text"));
}

}  // namespace
