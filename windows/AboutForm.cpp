#include "windows/AboutForm.h"

#include <QPointer>
#include <utility>

#include "windows/ControlBinder.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

namespace {

QPointer<AboutForm>& openAbout() {
    static QPointer<AboutForm> about;
    return about;
}

}  // namespace

AboutForm::AboutForm() : Form(QStringLiteral(":/layouts/Form3.json")) {
    auto* ok = qm::ControlBinder(controls(), objectName()).bind<qm::ccXPButton>("ccXPButton1");
    connect(ok, &qm::ccXPButton::clicked, this, &QWidget::close);
}

AboutForm* showAbout() {
    return showSingle(openAbout());
}

void closeAbout() {
    if (const QPointer<AboutForm> about = std::exchange(openAbout(), nullptr)) about->close();
}

}  // namespace qm
