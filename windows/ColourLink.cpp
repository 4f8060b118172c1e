#include "ColourLink.h"

#include <QDesktopServices>

void openColourCodePage() { QDesktopServices::openUrl(kColourCodePage); }
