#include "AboutForm.h"

#include <QPointer>

#include "ccXPButton.h"

AboutForm::AboutForm() : Form(QStringLiteral(":/layouts/Form3.json")) {
    if (auto* ok = controls().get<ccXPButton>(QStringLiteral("ccXPButton1")))
        connect(ok, &ccXPButton::Click, this, &QWidget::close);
}

AboutForm* showAbout() {
    static QPointer<AboutForm> about;
    return showSingle(about);
}

void connectAbout(FormControls& mainWindowControls) {
    if (auto* button = mainWindowControls.get<ccXPButton>(QStringLiteral("cmdAbout")))
        QObject::connect(button, &ccXPButton::Click, button, [] { showAbout(); });
}
