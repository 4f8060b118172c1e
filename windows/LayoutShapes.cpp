#include "windows/LayoutShapes.h"

#include <QPainter>

namespace qm {

LineControl::LineControl(const QLine& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(line_);
}

ShapeControl::ShapeControl(std::optional<QColor> fill, bool outline, QWidget* parent)
    : QWidget(parent), fill_(fill), outline_(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_) p.fillRect(rect(), *fill_);
    if (outline_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace qm
