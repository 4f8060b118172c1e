#pragma once

#include <QUrl>

#include "FormControls.h"

// A public page that lists HTML colour codes in hexadecimal.
inline const QUrl kColourCodePage = QUrl(QStringLiteral("https://htmlcolorcodes.com/"));

// Hands the colour-code page to the desktop's browser. When no browser takes
// it, a message shows the address so the user can open it by hand.
void openColourCodePage();

// Connects both "Colours" buttons of the main window (Colours, ccXPButton2).
void connectColourLinks(FormControls& mainWindowControls);
