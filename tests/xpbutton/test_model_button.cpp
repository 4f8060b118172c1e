// The button widget: property writes and their redraw rules, the stored
// properties, the naming rule, resizing, caption and focus pixels, shape.
#include <gtest/gtest.h>

#include <QCursor>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include "ParkedPointer.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

QRgb rgb(quint32 rrggbb) { return 0xFF000000u | rrggbb; }

bool surfaceHas(const ccXPButton& b, QRgb colour) {
    const QImage& img = b.surface();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == colour) return true;
    return false;
}

// A loaded 75 x 23 button with the stored defaults, drawn as Normal.
struct LoadedButton {
    QWidget window;
    ccXPButton* button = new ccXPButton(&window);
    LoadedButton() {
        button->setObjectName("Go");
        button->setGeometry(10, 10, 75, 23);
        button->readProperties(qm::PropertyBag());
    }
};

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

}  // namespace

TEST(ButtonCreation, StartsLockedWithTheDesignFont) {
    ccXPButton b;
    EXPECT_TRUE(b.flags().drawLocked);
    EXPECT_EQ(b.flags().look, qm::Disabled);
    b.drawButton(qm::Hot);
    EXPECT_EQ(b.flags().look, qm::Disabled);
    EXPECT_TRUE(b.surface().isNull());
    EXPECT_EQ(b.captionFont().family(), "Verdana");
    EXPECT_DOUBLE_EQ(b.captionFont().pointSizeF(), 8.25);
    EXPECT_EQ(b.captionFont().weight(), 400);
    EXPECT_EQ(b.size(), QSize(82, 27));
}

TEST(ButtonLoading, EmptyLayoutGivesTheDefaultsAndDrawsNormal) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    EXPECT_EQ(b.caption(), "&OK");
    EXPECT_EQ(b.accessKey(), "o");
    EXPECT_TRUE(b.isEnabled());
    EXPECT_TRUE(b.focusRect());
    EXPECT_EQ(b.foreColor(), 0u);
    EXPECT_EQ(b.captionFont().family(), "Verdana");
    EXPECT_DOUBLE_EQ(b.captionFont().pointSizeF(), 8.25);
    EXPECT_FALSE(b.flags().drawLocked);
    EXPECT_EQ(b.flags().look, qm::Normal);
    ASSERT_EQ(b.surface().size(), QSize(75, 23));
    EXPECT_EQ(b.surface().pixel(10, 1), rgb(0xFFFFFF));
}

TEST(ButtonLoading, MixedCaseKeysAndWrongTypes) {
    QWidget window;
    auto* b = new ccXPButton(&window);
    b->readProperties(qm::PropertyBag(QJsonObject{
        {"CAPTION", "&Refresh"}, {"Enabled", "no"}, {"foreColor", 255},
        {"font", QJsonArray{1, 2}}, {"FocusRect", 0}}));
    EXPECT_EQ(b->caption(), "&Refresh");
    EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(b->foreColor(), 0xFFu);
    EXPECT_EQ(b->captionFont().family(), "Verdana");
    EXPECT_TRUE(b->focusRect());
}

TEST(ButtonSaving, DefaultButtonStoresOnlyTheFont) {
    LoadedButton t;
    const QJsonObject font{{"name", "Verdana"}, {"size", 8.25}, {"weight", 400}, {"italic", false},
                           {"underline", false}, {"strikeout", false}, {"charset", 0}};
    EXPECT_EQ(t.button->writeProperties().values(), (QJsonObject{{"font", font}}));
}

TEST(ButtonSaving, RoundTripKeepsEveryProperty) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    b.setCaption("Save && &Quit");
    b.setEnabled(false);
    b.setForeColor(0x0000FF);
    QFont font("DejaVu Serif");
    font.setPointSizeF(10.5);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setUnderline(true);
    b.setCaptionFont(font);
    b.setFocusRect(false);
    // A character set Qt fonts do not hold must survive the trip as well.
    QJsonObject values = b.writeProperties().values();
    QJsonObject storedFont = values["font"].toObject();
    storedFont["charset"] = 2;
    values["font"] = storedFont;
    const qm::PropertyBag stored(values);

    QWidget other;
    auto* copy = new ccXPButton(&other);
    copy->readProperties(stored);
    EXPECT_EQ(copy->caption(), "Save && &Quit");
    EXPECT_EQ(copy->accessKey(), "q");
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_EQ(copy->foreColor(), 0xFFu);
    EXPECT_EQ(copy->captionFont().family(), "DejaVu Serif");
    EXPECT_DOUBLE_EQ(copy->captionFont().pointSizeF(), 10.5);
    EXPECT_EQ(copy->captionFont().weight(), 700);
    EXPECT_TRUE(copy->captionFont().italic());
    EXPECT_TRUE(copy->captionFont().underline());
    EXPECT_FALSE(copy->focusRect());
    EXPECT_EQ(copy->writeProperties().values(), stored.values());
    EXPECT_EQ(copy->flags().look, qm::Disabled);
}

TEST(ButtonNaming, NewButtonTakesTheFirstFreeStandardCaption) {
    QWidget window;
    auto* ok = new ccXPButton(&window);
    ok->setCaption("&OK");
    auto* cancel = new ccXPButton(&window);
    cancel->setCaption("&Cancel");
    auto* third = new ccXPButton(&window);
    third->setObjectName("ccXPButton3");
    third->initProperties();
    EXPECT_EQ(third->caption(), "&Apply");

    auto* fourth = new ccXPButton(&window);
    fourth->setObjectName("ccXPButton4");
    fourth->initProperties();
    EXPECT_EQ(fourth->caption(), "ccXPButton4");
    EXPECT_TRUE(fourth->isEnabled());
    EXPECT_EQ(fourth->flags().look, qm::Normal);
}

TEST(ButtonNaming, ANewButtonHasBlackTextAndAFocusRectangle) {
    QWidget window;
    auto* b = new ccXPButton(&window);
    // Whatever a button held before, a new instance starts from these.
    b->setForeColor(0x0000FF);
    b->setFocusRect(false);
    b->initProperties();
    EXPECT_EQ(b->foreColor(), 0u);
    EXPECT_TRUE(b->focusRect());
}

TEST(ButtonNaming, CaptionsCompareWithLetterCase) {
    QWidget window;
    QWidget* frame = new QWidget(&window);
    auto* ok = new ccXPButton(frame);  // inside a panel: still on the window
    ok->setCaption("&Ok");
    auto* fresh = new ccXPButton(&window);
    fresh->initProperties();
    EXPECT_EQ(fresh->caption(), "&OK");
    auto* next = new ccXPButton(frame);
    next->initProperties();
    EXPECT_EQ(next->caption(), "&Cancel");
}

TEST(ButtonEnabled, FollowsThePointerAndDefaultRules) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    QSignalSpy changed(&b, &ccXPButton::propertyChanged);
    b.flags().mouseOver = true;
    b.setEnabled(false);
    EXPECT_EQ(b.flags().look, qm::Disabled);
    EXPECT_FALSE(b.isEnabled());
    b.setEnabled(true);
    EXPECT_EQ(b.flags().look, qm::Hot);
    EXPECT_TRUE(b.isEnabled());
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toString(), "Enabled");

    b.flags().mouseOver = false;
    b.flags().showDefault = true;
    b.setEnabled(false);
    b.setEnabled(true);
    EXPECT_EQ(b.flags().look, qm::Focused);
    b.flags().showDefault = false;
    b.setEnabled(false);
    b.setEnabled(true);
    EXPECT_EQ(b.flags().look, qm::Normal);
}

TEST(ButtonEnabled, DisablingAbandonsAPressInProgress) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    b.flags().armed = b.flags().leftDown = b.flags().spaceDown = true;
    b.setEnabled(false);
    EXPECT_FALSE(b.flags().armed || b.flags().leftDown || b.flags().spaceDown);
}

TEST(ButtonProperties, WritingTheSameValueOrLookNeitherRepaintsNorReports) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    b.setForeColor(0x0000FF);
    b.setFocusPolicy(Qt::NoFocus);  // taking the focus would rightly repaint
    PaintCounter counter(&b);
    parkPointer();
    t.window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));
    QCoreApplication::processEvents();
    const int painted = counter.paints;

    QSignalSpy changed(&b, &ccXPButton::propertyChanged);
    b.setCaption(b.caption());
    b.setForeColor(0x0000FF);
    b.setFocusRect(b.focusRect());
    b.setEnabled(true);
    b.setCaptionFont(b.captionFont());
    b.setDisplayAsDefault(false);
    b.drawButton(b.flags().look);
    b.setFocusRect(false);  // reported, but without the focus it looks the same
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, painted);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "FocusRect");

    b.drawButton(qm::Hot);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > painted; }));
}

TEST(ButtonFocusRect, ShownOnlyForFocusedLooksWhenSwitchedOn) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    const QRgb face = rgb(0xFCFCFB), inverted = rgb(0x030304);
    b.flags().hasFocus = true;
    b.drawButton(qm::Focused);
    EXPECT_EQ(b.surface().pixel(3, 3), inverted);
    EXPECT_EQ(b.surface().pixel(4, 3), face);
    b.drawButton(qm::Normal);
    EXPECT_EQ(b.surface().pixel(3, 3), face);
    b.drawButton(qm::Hot);
    EXPECT_EQ(b.surface().pixel(3, 3), inverted);

    b.setFocusRect(false);  // focused: redraws at once
    EXPECT_EQ(b.surface().pixel(3, 3), face);
}

TEST(ButtonDrawing, LockedDrawLeavesStateAndSurface) {
    LoadedButton t;
    const QImage before = t.button->surface();
    t.button->flags().drawLocked = true;
    t.button->drawButton(qm::Pressed);
    EXPECT_EQ(t.button->flags().look, qm::Normal);
    EXPECT_EQ(t.button->surface(), before);
}

TEST(ButtonDrawing, TheCaptionKeepsItsFontInACondensedWindow) {
    LoadedButton plain, condensed;
    QFont small = condensed.window.font();
    small.setPointSizeF(7.5);
    small.setStretch(QFont::SemiCondensed);
    condensed.window.setFont(small);
    for (LoadedButton* t : {&plain, &condensed}) {
        t->button->setCaption("Add Background");
        t->button->resize(177, 25);
    }
    EXPECT_EQ(condensed.button->surface(), plain.button->surface());
}

TEST(ButtonDrawing, DisabledCaptionIgnoresForeColor) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    QFont font = b.captionFont();
    font.setStyleStrategy(QFont::NoAntialias);  // whole pixels in the exact colour
    b.setCaptionFont(font);
    b.setCaption("MMMM");
    b.setForeColor(0x0000FF);  // red
    EXPECT_TRUE(surfaceHas(b, rgb(0xFF0000)));
    b.setEnabled(false);
    EXPECT_TRUE(surfaceHas(b, rgb(0xA1A192)));
    EXPECT_FALSE(surfaceHas(b, rgb(0xFF0000)));
}

TEST(ButtonDrawing, CaptionStaysInsideTheFace) {
    LoadedButton t;
    ccXPButton& b = *t.button;
    b.setCaption("A caption far too long to fit in seventy-five pixels");
    b.drawButton(qm::Pressed);
    // Everything outside (3,3)-(w-3,h-3) is body: the face row 2 is untouched.
    for (int x = 2; x <= 72; ++x) ASSERT_EQ(b.surface().pixel(x, 2), rgb(0xE7E3DE)) << x;
    for (int y = 2; y <= 20; ++y) ASSERT_EQ(b.surface().pixel(2, y), rgb(0xE7E3DE)) << y;
}

TEST(ButtonDrawing, ShapeHidesOnlyTheTopLeftPixel) {
    LoadedButton t;
    const QRegion mask = t.button->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_TRUE(mask.contains(QPoint(74, 22)));
    EXPECT_TRUE(mask.contains(QPoint(1, 0)));
}

TEST(ButtonResize, KeepsAtLeastOneHundredTwipsAndRedraws) {
    LoadedButton t;
    t.window.resize(200, 100);
    t.window.show();
    ccXPButton& b = *t.button;
    b.resize(75, 3);  // 50 twips high
    EXPECT_EQ(b.size(), QSize(75, 7));
    EXPECT_EQ(b.surface().size(), QSize(75, 7));
    EXPECT_FALSE(b.flags().drawLocked);
    b.resize(2, 40);
    EXPECT_EQ(b.size(), QSize(7, 40));
    b.drawButton(qm::Hot);
    EXPECT_EQ(b.surface().size(), QSize(7, 40));
    EXPECT_EQ(b.flags().look, qm::Hot);
    EXPECT_EQ(b.surface().pixel(3, 0), rgb(0x003C74));  // one pixel of top border is left
    EXPECT_EQ(b.surface().pixel(4, 0), rgb(0x215584));
}

TEST(ButtonDefault, AmbientDefaultDrawsFocusedThenNormal) {
    LoadedButton t;
    t.button->setDisplayAsDefault(true);
    EXPECT_TRUE(t.button->flags().showDefault);
    EXPECT_EQ(t.button->flags().look, qm::Focused);
    t.button->setDisplayAsDefault(false);
    EXPECT_EQ(t.button->flags().look, qm::Normal);
}

TEST(ButtonPointer, SnapMovesToTheCentreRoundingHalvesToEven) {
    QWidget window;
    auto* b = new ccXPButton(&window);
    b->setGeometry(10, 20, 77, 25);  // centre 38.5, 12.5
    window.show();
    b->snapMouseTo();
    EXPECT_EQ(QCursor::pos(), b->mapToGlobal(QPoint(0, 0)) + QPoint(38, 12));
}
