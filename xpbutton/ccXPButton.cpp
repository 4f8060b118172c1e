#include "ccXPButton.h"

#include <QMouseEvent>
#include <QPainter>

ccXPButton::ccXPButton(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

ccXPButton::~ccXPButton() = default;

void ccXPButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void ccXPButton::readProperties(const xp::PropertyBag& bag) {
    const QJsonValue caption = bag.read(QStringLiteral("Caption"));
    setCaption(caption.isString() ? caption.toString() : QStringLiteral("&OK"));
}

xp::PropertyBag ccXPButton::writeProperties() const {
    xp::PropertyBag bag;
    bag.write(QStringLiteral("Caption"), caption_, QStringLiteral("&OK"));
    return bag;
}

void ccXPButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xEC, 0xEB, 0xE6));
    p.setPen(QColor(0x00, 0x3C, 0x74));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QString text = caption_;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
    p.drawText(rect(), Qt::AlignCenter, text);
}

void ccXPButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}
