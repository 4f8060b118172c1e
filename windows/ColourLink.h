#pragma once

#include <QUrl>

namespace qm {

// A public page that lists HTML colour codes in hexadecimal.
inline const QUrl kColourCodePage = QUrl(QStringLiteral("https://htmlcolorcodes.com/"));

// Hands the colour-code page to the desktop's browser through xdg-open,
// without waiting for it. When xdg-open fails or finds no browser, a message
// shows the address, with the reason, so the user can open it by hand.
void openColourCodePage();

}  // namespace qm
