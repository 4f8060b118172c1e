#include "xpbutton/ButtonRenderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qm {

namespace {

int channel(quint32 colour, int shift) { return int((colour >> shift) & 0xFF); }

// Horizontal run [x1, x2) on row y, clipped; the caller orders x1 <= x2.
void fillRow(QImage& image, int y, int x1, int x2, QRgb rgb) {
    if (y < 0 || y >= image.height()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, image.width());
    if (x1 >= x2) return;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(row + x1, row + x2, rgb);
}

void invertPixel(QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    row[x] ^= 0x00FFFFFFu;
}

// Inverts the pixels with an even x + y inside [left,right) x [top,bottom).
void invertDotted(QImage& image, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left + ((left + y) & 1); x < right; x += 2) invertPixel(image, x, y);
}

}  // namespace

int roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return int(below) + 1;
    if (fraction < 0.5) return int(below);
    return std::fmod(below, 2.0) == 0.0 ? int(below) : int(below) + 1;
}

void setPixel(QImage& image, int x, int y, quint32 colour) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = toQRgb(colour);
}

void fillSolid(QImage& image, PixelRect rect, quint32 colour) {
    const QRgb rgb = toQRgb(colour);
    for (int y = rect.top; y < rect.bottom; ++y) fillRow(image, y, rect.left, rect.right, rgb);
}

void drawLine(QImage& image, int x1, int y1, int x2, int y2, quint32 colour) {
    const QRgb rgb = toQRgb(colour);
    if (y1 == y2) {
        // Leaving out the end point means leaving out x2, whichever way the line runs.
        if (x1 <= x2)
            fillRow(image, y1, x1, x2, rgb);
        else
            fillRow(image, y1, x2 + 1, x1 + 1, rgb);
        return;
    }
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        setPixel(image, x1, y1, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x1 += sx; }
        if (e2 <= dx) { err += dx; y1 += sy; }
    }
}

void drawGradient(QImage& image, PixelRect rect, quint32 a, quint32 b) {
    const int n = rect.bottom - rect.top;
    // No height: the per-row step cannot be formed, so nothing is drawn.
    if (n <= 0) return;
    float step[3];
    int base[3];
    for (int c = 0; c < 3; ++c) {
        base[c] = channel(b, 8 * c);
        step[c] = float(channel(a, 8 * c) - base[c]) / float(n);
    }
    for (int i = 0; i <= n; ++i) {
        quint32 colour = 0;
        for (int c = 0; c < 3; ++c) {
            // The product is taken in single precision, the sum exactly.
            const int v = roundHalfEven(double(step[c] * float(i)) + base[c]);
            colour |= quint32(std::clamp(v, 0, 255)) << (8 * c);
        }
        fillRow(image, rect.bottom - i, rect.left, rect.right, toQRgb(colour));
    }
}

void paintButtonBody(QImage& image, int s, const ButtonPalette& p, QRgb background) {
    image.fill(background);
    if (s < Disabled || s > Pressed) return;
    const int w = image.width(), h = image.height();

    // Border: four lines that stop three pixels short of each corner.
    const quint32 edge = p.edgeColor[s];
    drawLine(image, 3, 0, w - 3, 0, edge);
    drawLine(image, 0, 3, 0, h - 3, edge);
    drawLine(image, 3, h - 1, w - 3, h - 1, edge);
    drawLine(image, w - 1, 3, w - 1, h - 3, edge);

    // Face. The outer gradient stays visible only as a two-pixel ring at the
    // left and right, which carries the state's colour.
    if (s == Normal || s == Focused || s == Hot) {
        drawGradient(image, {1, 3, w - 1, h - 2}, p.ringTopColor[s], p.ringBottomColor[s]);
        drawGradient(image, {3, 3, w - 3, h - 3}, InnerFaceTop, InnerFaceBottom);
        drawLine(image, 1, 1, w, 1, p.highlightColor[s]);
        drawLine(image, 1, 2, w, 2, p.highlightColor2[s]);
        drawLine(image, 1, h - 3, w, h - 3, p.shadowColor2[s]);
        drawLine(image, 2, h - 2, w - 1, h - 2, p.shadowColor[s]);
    } else {
        fillSolid(image, {1, 1, w - 1, h - 1}, s == Disabled ? DisabledFace : PressedFace);
    }

    // Corners, five pixels each; the four extreme pixels stay background.
    const quint32 n = p.cornerNearColor[s], f = p.cornerFarColor[s], d = p.cornerDiagColor[s];
    setPixel(image, 0, 1, n);
    setPixel(image, 0, 2, f);
    setPixel(image, 1, 0, n);
    setPixel(image, 1, 1, d);
    setPixel(image, 2, 0, f);

    setPixel(image, w - 1, 1, n);
    setPixel(image, w - 1, 2, f);
    setPixel(image, w - 2, 0, n);
    setPixel(image, w - 2, 1, d);
    setPixel(image, w - 3, 0, f);

    setPixel(image, 0, h - 2, n);
    setPixel(image, 0, h - 3, f);
    setPixel(image, 1, h - 1, n);
    setPixel(image, 1, h - 2, d);
    setPixel(image, 2, h - 1, f);

    setPixel(image, w - 1, h - 2, n);
    setPixel(image, w - 1, h - 3, f);
    setPixel(image, w - 2, h - 1, n);
    setPixel(image, w - 2, h - 2, d);
    setPixel(image, w - 3, h - 1, f);
}

void drawCaption(QImage& image, const QString& caption, const QFont& font, quint32 colour) {
    const QRect box(3, 3, image.width() - 6, image.height() - 6);
    if (caption.isEmpty() || box.isEmpty()) return;
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(toQRgb(colour)));
    painter.setClipRect(box);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
}

void drawFocusRect(QImage& image, PixelRect r) {
    // Four one-pixel strips, as the system draws them; where strips overlap
    // (a rectangle one pixel high) the inversions cancel out.
    invertDotted(image, r.left, r.top, r.right, r.top + 1);
    invertDotted(image, r.left, r.bottom - 1, r.right, r.bottom);
    invertDotted(image, r.left, r.top + 1, r.left + 1, r.bottom - 1);
    invertDotted(image, r.right - 1, r.top + 1, r.right, r.bottom - 1);
}

QRegion roundedShape(int w, int h) {
    QRegion shape(0, 0, w + 1, h + 1);
    for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
        shape -= QRegion(corner.x(), corner.y(), 1, 1);
    return shape & QRegion(0, 0, w, h);
}

}  // namespace qm
