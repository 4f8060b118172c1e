#include "ColourLink.h"

#include <QDesktopServices>

#include "Messages.h"
#include "ccXPButton.h"

void openColourCodePage() {
    if (QDesktopServices::openUrl(kColourCodePage)) return;
    qm::showMessage({QStringLiteral("No web browser could be started to show the colour codes. "
                                    "Open this address in your browser by hand:\n\n%1")
                         .arg(kColourCodePage.toString()),
                     QStringLiteral("Colours"), qm::MessageIcon::Exclamation});
}

void connectColourLinks(FormControls& mainWindowControls) {
    for (const char* name : {"Colours", "ccXPButton2"}) {
        if (auto* button = mainWindowControls.get<ccXPButton>(QString::fromLatin1(name)))
            QObject::connect(button, &ccXPButton::Click, button, &openColourCodePage);
    }
}
