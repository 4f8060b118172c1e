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
    show();
    raise();
    activateWindow();
}

void Form::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

}  // namespace qm
