#include "windows/AboutForm.h"

#include <QPointer>

#include "windows/ControlBinder.h"
#include "xpbutton/ccXPButton.h"

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
