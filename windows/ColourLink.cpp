#include "ColourLink.h"

#include <QDesktopServices>

#include "ccXPButton.h"

void openColourCodePage() { QDesktopServices::openUrl(kColourCodePage); }

void connectColourLinks(FormControls& mainWindowControls) {
    for (const char* name : {"Colours", "ccXPButton2"}) {
        if (auto* button = mainWindowControls.get<qm::ccXPButton>(QString::fromLatin1(name)))
            QObject::connect(button, &qm::ccXPButton::clicked, button, &openColourCodePage);
    }
}
