#include "AboutForm.h"

#include <QPointer>

#include "ccXPButton.h"

AboutForm::AboutForm() : Form(QStringLiteral(":/layouts/Form3.json")) {
    if (auto* ok = controls().get<qm::ccXPButton>(QStringLiteral("ccXPButton1")))
        connect(ok, &qm::ccXPButton::clicked, this, &QWidget::close);
}

AboutForm* showAbout() {
    static QPointer<AboutForm> about;
    return showSingle(about);
}

void connectAbout(FormControls& mainWindowControls) {
    if (auto* button = mainWindowControls.get<qm::ccXPButton>(QStringLiteral("cmdAbout")))
        QObject::connect(button, &qm::ccXPButton::clicked, button, [] { showAbout(); });
}
