#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

#include "xpbutton/ButtonFlags.h"
#include "xpbutton/ButtonPalette.h"

namespace qm {

// A rectangle by its edges: covers x from left to right-1, y from top to
// bottom-1.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The pixel painters draw into a Format_RGB32 image, clip to it, and take
// colours as 0x00BBGGRR.

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value);

void setPixel(QImage& image, int x, int y, quint32 colour);
void fillSolid(QImage& image, PixelRect rect, quint32 colour);
// One pixel wide, the end point excluded.
void drawLine(QImage& image, int x1, int y1, int x2, int y2, quint32 colour);
// Rows rect.top (colour a) down to rect.bottom (colour b), both included,
// each row from rect.left to rect.right-1. A rectangle without height draws
// nothing.
void drawGradient(QImage& image, PixelRect rect, quint32 a, quint32 b);

// Background, border, face and corner pixels of one look (states 0 to 4;
// any other state gets only the background).
void paintButtonBody(QImage& image, int state, const ButtonPalette& palette, QRgb background);

// One line, centred in (3,3,w-3,h-3) and clipped to it; "&" underlines the
// next character and "&&" shows "&".
void drawCaption(QImage& image, const QString& caption, const QFont& font, quint32 colour);

// The dotted focus rectangle: every other pixel of its outline (those with an
// even x + y) is inverted, so drawing it twice restores the image.
void drawFocusRect(QImage& image, PixelRect rect);

// The visible shape of a w x h button: a rounded rectangle (0,0)-(w+1,h+1)
// with 3 x 3 corner ellipses, which cuts one pixel at each corner of that
// rectangle. Only the top-left cut, (0,0), falls inside the button; the other
// three extreme pixels stay visible and show the cleared background.
QRegion roundedShape(int w, int h);

}  // namespace qm
