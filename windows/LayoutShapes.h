#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>
#include <optional>

namespace qm {

// A straight line in the window's text colour, one pixel wide. The widget
// covers the line's bounding box; `line` is in the widget's own coordinates.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(const QLine& line, QWidget* parent);

    QLine line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
};

// A rectangle: filled with a colour, outlined in the text colour, or both.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    ShapeControl(std::optional<QColor> fill, bool outline, QWidget* parent);

    std::optional<QColor> fill() const { return fill_; }
    bool outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> fill_;
    bool outline_;
};

}  // namespace qm
