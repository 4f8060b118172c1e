#include "AboutForm.h"

#include <QPointer>

#include "ControlBinder.h"
#include "ccXPButton.h"

namespace qm {

AboutForm::AboutForm() : Form(QStringLiteral(":/layouts/Form3.json")) {
    auto* ok = qm::ControlBinder(controls(), objectName()).bind<qm::ccXPButton>("ccXPButton1");
    connect(ok, &qm::ccXPButton::clicked, this, &QWidget::close);
}

AboutForm* showAbout() {
    static QPointer<AboutForm> about;
    return showSingle(about);
}

}  // namespace qm
