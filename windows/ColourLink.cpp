#include "ColourLink.h"

#include <QDesktopServices>

namespace qm {

void openColourCodePage() { QDesktopServices::openUrl(kColourCodePage); }

}  // namespace qm
