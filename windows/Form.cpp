#include "windows/Form.h"

#include <QCloseEvent>

#include "windows/FormBuilder.h"

namespace qm {

Form::Form(const QString& layoutResource, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    controls_ = buildForm(layoutResource, this);
}

void Form::showForm() {
    if (!loaded_) {
        loaded_ = true;
        load();
    }
    // A window opening for the first time comes up on top anyway; raising it
    // then would only cost round trips to the display before its first paint.
    if (isVisible()) raise();
    show();
    activateWindow();
}

void Form::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

}  // namespace qm
