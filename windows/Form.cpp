#include "windows/Form.h"

#include <QCloseEvent>

#include "windows/FormBuilder.h"

namespace qm {

Form::Form(const QString& layoutResource, QWidget* parent) : Form(loadLayout(layoutResource), parent) {}

Form::Form(const WindowLayout& layout, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    controls_ = buildForm(layout, this);
}

void Form::showForm() {
    if (!loaded_) {
        loaded_ = true;
        load();
    }
    // A window opening for the first time comes up on top anyway; raising it
    // then would only cost round trips to the display before its first paint.
    // Its activation waits for that paint too: asking for it makes the
    // display answer first, and the window looks the same either way.
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        activateAfterPaint_ = true;
    }
    show();
}

void Form::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (activateAfterPaint_) {
        activateAfterPaint_ = false;
        QMetaObject::invokeMethod(this, &QWidget::activateWindow, Qt::QueuedConnection);
    }
}

void Form::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

}  // namespace qm
