#pragma once

#include <QUrl>

namespace qm {

// A public page that lists HTML colour codes in hexadecimal.
inline const QUrl kColourCodePage = QUrl(QStringLiteral("https://htmlcolorcodes.com/"));

// Hands the colour-code page to the desktop's browser; a failure shows nothing.
void openColourCodePage();

}  // namespace qm
