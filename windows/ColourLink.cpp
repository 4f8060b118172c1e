#include "windows/ColourLink.h"

#include <QDesktopServices>

#include "windows/Messages.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

void openColourCodePage() {
    if (QDesktopServices::openUrl(kColourCodePage)) return;
    qm::showMessage({QStringLiteral("No web browser could be started to show the colour codes. "
                                    "Open this address in your browser by hand:\n\n%1")
                         .arg(kColourCodePage.toString()),
                     QStringLiteral("Colours"), qm::MessageIcon::Exclamation});
}

}  // namespace qm
