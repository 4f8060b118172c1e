// Pixels of the painted button body, checked against colours typed from the
// colour tables. No window system needed.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "xpbutton/ButtonRenderer.h"

using namespace qm;

namespace {

constexpr QRgb Background = 0xFF123456;

QImage paintBody(int w, int h, int state) {
    QImage image(w, h, QImage::Format_RGB32);
    qm::paintButtonBody(image, state, qm::defaultButtonPalette(), Background);
    return image;
}

// #RRGGBB as the image holds it.
QRgb rgb(quint32 rrggbb) { return 0xFF000000u | rrggbb; }

struct CornerColours {
    quint32 near, far, diag;
};

// Per state, typed from the corner tables.
const CornerColours kCorners[5] = {
    {0xCEC7BD, 0xC4B18C, 0xC4B18C},
    {0x7B96AD, 0x215584, 0x527DA5},
    {0x7B96AD, 0x215584, 0x527DA5},
    {0x7B96AD, 0x215584, 0x527DA5},
    {0x7B96AD, 0x215584, 0x527DA5},
};

// One channel of the gradient at step i of n from colour a (top) to b (bottom):
// the step is a single-precision quotient, halves go to the even neighbour.
int gradientChannel(int a, int b, int n, int i) {
    const float step = float(a - b) / float(n);
    return int(std::nearbyint(double(step * float(i)) + b));
}

QRgb gradientAt(quint32 a, quint32 b, int n, int i) {
    const int r = gradientChannel(a >> 16, b >> 16, n, i);
    const int g = gradientChannel((a >> 8) & 0xFF, (b >> 8) & 0xFF, n, i);
    const int bl = gradientChannel(a & 0xFF, b & 0xFF, n, i);
    return qRgb(r, g, bl);
}

}  // namespace

TEST(ButtonBody, NormalButtonHasShortBorderLinesAndHighlightRows) {
    const QImage img = paintBody(75, 23, qm::Normal);
    const QRgb edge = rgb(0x003C74);
    for (int x = 3; x <= 71; ++x) {
        EXPECT_EQ(img.pixel(x, 0), edge) << "top x=" << x;
        EXPECT_EQ(img.pixel(x, 22), edge) << "bottom x=" << x;
    }
    for (int y = 3; y <= 19; ++y) {
        EXPECT_EQ(img.pixel(0, y), edge) << "left y=" << y;
        EXPECT_EQ(img.pixel(74, y), edge) << "right y=" << y;
    }
    for (int x = 2; x <= 72; ++x) {
        EXPECT_EQ(img.pixel(x, 1), rgb(0xFFFFFF)) << "row 1 x=" << x;
        EXPECT_EQ(img.pixel(x, 2), rgb(0xFEFEFE)) << "row 2 x=" << x;
        EXPECT_EQ(img.pixel(x, 20), rgb(0xE2DFD6)) << "row 20 x=" << x;
        EXPECT_EQ(img.pixel(x, 21), rgb(0xD6D0C5)) << "row 21 x=" << x;
    }
    // The inner face starts and ends with the fixed gradient colours.
    EXPECT_EQ(img.pixel(30, 3), rgb(0xFCFCFB));
    EXPECT_EQ(img.pixel(30, 19), gradientAt(0xFCFCFB, 0xECEBE6, 17, 1));
}

TEST(ButtonBody, EveryStateSetsTwentyCornerPixelsAndLeavesTheExtremesAlone) {
    const int w = 75, h = 23;
    for (int s = 0; s <= 4; ++s) {
        SCOPED_TRACE(s);
        const QImage img = paintBody(w, h, s);
        const QRgb n = rgb(kCorners[s].near), f = rgb(kCorners[s].far), d = rgb(kCorners[s].diag);
        const struct { int x, y; QRgb c; } pixels[] = {
            {0, 1, n},         {0, 2, f},         {1, 0, n},         {1, 1, d},         {2, 0, f},
            {w - 1, 1, n},     {w - 1, 2, f},     {w - 2, 0, n},     {w - 2, 1, d},     {w - 3, 0, f},
            {0, h - 2, n},     {0, h - 3, f},     {1, h - 1, n},     {1, h - 2, d},     {2, h - 1, f},
            {w - 1, h - 2, n}, {w - 1, h - 3, f}, {w - 2, h - 1, n}, {w - 2, h - 2, d}, {w - 3, h - 1, f},
        };
        for (const auto& p : pixels) EXPECT_EQ(img.pixel(p.x, p.y), p.c) << p.x << "," << p.y;
        EXPECT_EQ(img.pixel(0, 0), Background);
        EXPECT_EQ(img.pixel(w - 1, 0), Background);
        EXPECT_EQ(img.pixel(0, h - 1), Background);
        EXPECT_EQ(img.pixel(w - 1, h - 1), Background);
    }
}

TEST(ButtonBody, HotRingColumnsCarryTheOuterGradient) {
    const int w = 75, h = 23, n = h - 5;
    const QImage img = paintBody(w, h, qm::Hot);
    EXPECT_EQ(img.pixel(1, 3), rgb(0xE1DF9C));
    for (int y = 3; y <= h - 4; ++y) {
        const QRgb expected = gradientAt(0xE1DF9C, 0xFFB630, n, (h - 2) - y);
        for (int x : {1, 2, w - 3, w - 2}) EXPECT_EQ(img.pixel(x, y), expected) << x << "," << y;
    }
    // Rows h-3 and h-2 belong to the shadow lines, not the ring.
    EXPECT_EQ(img.pixel(1, h - 3), rgb(0xFFB231));
    EXPECT_EQ(img.pixel(2, h - 2), rgb(0xE69600));
}

TEST(ButtonBody, FocusedRingIsBlue) {
    const QImage img = paintBody(75, 23, qm::Focused);
    EXPECT_EQ(img.pixel(1, 3), rgb(0xBDD3F7));
    EXPECT_EQ(img.pixel(73, 3), rgb(0xBDD3F7));
    EXPECT_EQ(img.pixel(10, 1), rgb(0xCEE7FF));
    EXPECT_EQ(img.pixel(10, 21), rgb(0x6B82EF));
}

TEST(ButtonBody, DisabledAndPressedFacesAreFlat) {
    const struct { int state; quint32 face, edge; } looks[] = {
        {qm::Disabled, 0xF5F4EA, 0xC9C7BA},
        {qm::Pressed, 0xE7E3DE, 0x003C74},
    };
    const int w = 75, h = 23;
    for (const auto& look : looks) {
        SCOPED_TRACE(look.state);
        const QImage img = paintBody(w, h, look.state);
        for (int y = 1; y <= h - 2; ++y) {
            for (int x = 2; x <= w - 3; ++x) {
                const bool corner = (x == 1 || x == w - 2) && (y == 1 || y == h - 2);
                if (!corner) {
                    ASSERT_EQ(img.pixel(x, y), rgb(look.face)) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(img.pixel(10, 0), rgb(look.edge));
        EXPECT_EQ(img.pixel(1, 10), rgb(look.face));
    }
}

TEST(ButtonBody, SixPixelHighButtonSkipsOnlyTheEmptyInnerGradient) {
    const int w = 40, h = 6;
    const QImage img = paintBody(w, h, qm::Hot);
    EXPECT_EQ(img.pixel(10, 0), rgb(0x003C74));
    EXPECT_EQ(img.pixel(10, 5), rgb(0x003C74));
    EXPECT_EQ(img.pixel(10, 1), rgb(0xFFF3CE));
    EXPECT_EQ(img.pixel(10, 2), rgb(0xFFDB8C));
    EXPECT_EQ(img.pixel(10, 3), rgb(0xFFB231));
    EXPECT_EQ(img.pixel(10, 4), rgb(0xE69600));
    EXPECT_EQ(img.pixel(1, 4), rgb(0x527DA5));
    EXPECT_EQ(img.pixel(w - 1, h - 2), rgb(0x7B96AD));
    EXPECT_EQ(img.pixel(0, 0), Background);
}

TEST(ButtonBody, UnknownStateLeavesOnlyTheBackground) {
    const QImage img = paintBody(20, 10, 7);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(img.pixel(x, y), Background);
}

TEST(PixelPainters, LinesLeaveOutTheirEndPointInEitherDirection) {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::black);
    qm::drawLine(img, 1, 1, 5, 1, qm::fromRgbHex(0xFF0000));
    EXPECT_EQ(img.pixel(1, 1), rgb(0xFF0000));
    EXPECT_EQ(img.pixel(4, 1), rgb(0xFF0000));
    EXPECT_EQ(img.pixel(5, 1), rgb(0x000000));

    qm::drawLine(img, 5, 3, 1, 3, qm::fromRgbHex(0x00FF00));
    EXPECT_EQ(img.pixel(1, 3), rgb(0x000000));
    EXPECT_EQ(img.pixel(2, 3), rgb(0x00FF00));
    EXPECT_EQ(img.pixel(5, 3), rgb(0x00FF00));

    qm::drawLine(img, 7, 0, 7, 4, qm::fromRgbHex(0x0000FF));
    EXPECT_EQ(img.pixel(7, 3), rgb(0x0000FF));
    EXPECT_EQ(img.pixel(7, 4), rgb(0x000000));

    // Off the image: clipped, not written out of bounds.
    qm::drawLine(img, -5, 6, 20, 6, qm::fromRgbHex(0xFFFFFF));
    EXPECT_EQ(img.pixel(0, 6), rgb(0xFFFFFF));
    EXPECT_EQ(img.pixel(7, 6), rgb(0xFFFFFF));
}

TEST(PixelPainters, GradientDrawsBothEndRowsAndNothingWithoutHeight) {
    QImage img(4, 8, QImage::Format_RGB32);
    img.fill(Qt::black);
    qm::drawGradient(img, {0, 2, 3, 6}, qm::fromRgbHex(0x102030), qm::fromRgbHex(0x506070));
    EXPECT_EQ(img.pixel(0, 2), rgb(0x102030));
    EXPECT_EQ(img.pixel(0, 6), rgb(0x506070));
    EXPECT_EQ(img.pixel(0, 4), rgb(0x304050));
    EXPECT_EQ(img.pixel(3, 4), rgb(0x000000));
    EXPECT_EQ(img.pixel(0, 1), rgb(0x000000));
    EXPECT_EQ(img.pixel(0, 7), rgb(0x000000));

    QImage flat(4, 4, QImage::Format_RGB32);
    flat.fill(Qt::black);
    qm::drawGradient(flat, {0, 2, 4, 2}, qm::fromRgbHex(0xFFFFFF), qm::fromRgbHex(0xFFFFFF));
    qm::drawGradient(flat, {0, 3, 4, 1}, qm::fromRgbHex(0xFFFFFF), qm::fromRgbHex(0xFFFFFF));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) ASSERT_EQ(flat.pixel(x, y), rgb(0x000000));
}

TEST(PixelPainters, GradientHalvesRoundToEven) {
    // 0 to 5 over two steps: 2.5 rounds to 2; 0 to 3: 1.5 rounds to 2.
    QImage img(1, 3, QImage::Format_RGB32);
    qm::drawGradient(img, {0, 0, 1, 2}, qm::fromRgbHex(0x050300), qm::fromRgbHex(0x000000));
    EXPECT_EQ(img.pixel(0, 1), rgb(0x020200));
    EXPECT_EQ(qm::roundHalfEven(0.5), 0);
    EXPECT_EQ(qm::roundHalfEven(1.5), 2);
    EXPECT_EQ(qm::roundHalfEven(2.5), 2);
    EXPECT_EQ(qm::roundHalfEven(2.49), 2);
    EXPECT_EQ(qm::roundHalfEven(-0.5), 0);
    EXPECT_EQ(qm::roundHalfEven(-1.5), -2);
}

TEST(FocusRectangle, InvertsAlternatePixelsOfTheOutlineOnly) {
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(rgb(0xFCFCFB));
    const QImage before = img;
    qm::drawFocusRect(img, {3, 3, 17, 7});
    const QRgb inverted = rgb(0x030304);
    EXPECT_EQ(img.pixel(3, 3), inverted);
    EXPECT_EQ(img.pixel(4, 3), rgb(0xFCFCFB));
    EXPECT_EQ(img.pixel(16, 6), inverted);
    EXPECT_EQ(img.pixel(15, 6), rgb(0xFCFCFB));
    EXPECT_EQ(img.pixel(3, 4), rgb(0xFCFCFB));
    EXPECT_EQ(img.pixel(3, 5), inverted);
    EXPECT_EQ(img.pixel(16, 4), inverted);
    EXPECT_EQ(img.pixel(5, 5), rgb(0xFCFCFB));  // inside stays
    EXPECT_EQ(img.pixel(2, 3), rgb(0xFCFCFB));  // outside stays
    qm::drawFocusRect(img, {3, 3, 17, 7});
    EXPECT_EQ(img, before);
}

TEST(ButtonShape, OnlyTheTopLeftPixelIsCutInsideTheButton) {
    const QRegion shape = qm::roundedShape(75, 23);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(74, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, 22)));
    EXPECT_TRUE(shape.contains(QPoint(74, 22)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, 1)));
    EXPECT_FALSE(shape.contains(QPoint(75, 5)));
    EXPECT_EQ(shape.boundingRect(), QRect(0, 0, 75, 23));
}
