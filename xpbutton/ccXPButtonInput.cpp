// Stand-in input handling until the full state machine lands.
#include <QMouseEvent>

#include "ccXPButton.h"

struct ccXPButton::InputBinding {};
void ccXPButton::InputBindingDeleter::operator()(InputBinding* binding) const { delete binding; }

void ccXPButton::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }

void ccXPButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void ccXPButton::mouseMoveEvent(QMouseEvent* event) { QWidget::mouseMoveEvent(event); }
void ccXPButton::mouseDoubleClickEvent(QMouseEvent* event) { QWidget::mouseDoubleClickEvent(event); }
void ccXPButton::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
void ccXPButton::keyReleaseEvent(QKeyEvent* event) { QWidget::keyReleaseEvent(event); }
void ccXPButton::focusInEvent(QFocusEvent* event) { QWidget::focusInEvent(event); }
void ccXPButton::focusOutEvent(QFocusEvent* event) { QWidget::focusOutEvent(event); }
bool ccXPButton::event(QEvent* event) { return QWidget::event(event); }

void ccXPButton::zSubclass_Proc(bool, bool&, long&, quintptr&, unsigned&, quintptr&, qintptr&) {}
void ccXPButton::installHooks() {}
void ccXPButton::removeHooks() {}

void ccXPButton::onAccessKey() {
    if (flags_.Enabled) emit Click();
}
