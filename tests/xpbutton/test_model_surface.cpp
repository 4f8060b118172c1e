// The button's surface is painted only when looked at: what it shows must
// still be exactly the look drawButton was asked for, whatever happened since.
#include <gtest/gtest.h>

#include <QJsonObject>

#include "xpbutton/ButtonFlags.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

QRgb rgb(quint32 rrggbb) { return 0xFF000000u | rrggbb; }

ccXPButton* loaded(QWidget* window, const QString& caption) {
    auto* b = new ccXPButton(window);
    b->setGeometry(10, 10, 75, 23);
    b->readProperties(qm::PropertyBag(QJsonObject{{"caption", caption}}));
    return b;
}

}  // namespace

TEST(ButtonSurface, ShowsTheLookAsAskedNotLaterPropertyChanges) {
    QWidget window;
    ccXPButton* asked = loaded(&window, "Go");
    ccXPButton* same = loaded(&window, "Go");
    ccXPButton* other = loaded(&window, "Stop");
    for (ccXPButton* b : {asked, same, other}) b->drawButton(qm::Hot);

    // Changes that are not drawn (the lock holds) must not reach the pixels.
    asked->flags().drawLocked = true;
    asked->setCaption("Stop");
    asked->setForeColor(0x0000FF);
    asked->flags().drawLocked = false;

    EXPECT_EQ(asked->surface(), same->surface());
    EXPECT_NE(asked->surface(), other->surface());
}

TEST(ButtonSurface, ScreenShowsTheLastLookAskedBeforeThePaint) {
    QWidget window;
    window.resize(100, 50);
    ccXPButton* b = loaded(&window, "Go");
    window.show();
    b->drawButton(qm::Hot);
    b->drawButton(qm::Pressed);
    const QImage shot = b->grab().toImage();
    EXPECT_EQ(shot.pixel(2, 2), rgb(0xE7E3DE));  // the pressed face
    EXPECT_EQ(b->surface().pixel(2, 2), rgb(0xE7E3DE));
    EXPECT_EQ(b->flags().look, qm::Pressed);
}

TEST(ButtonSurface, HiddenButtonIsPaintedWhenShown) {
    QWidget window;
    window.resize(100, 50);
    ccXPButton* b = loaded(&window, "Go");
    b->hide();
    window.show();
    b->drawButton(qm::Pressed);
    b->show();
    EXPECT_EQ(b->grab().toImage().pixel(2, 2), rgb(0xE7E3DE));
}
