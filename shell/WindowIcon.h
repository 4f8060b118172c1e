#pragma once

#include <QIcon>

namespace qm {

// The program's own pictures at 16, 24, 32 and 48 pixels; desktops take
// larger ones from the installed icon theme.
QIcon windowIcon();

}  // namespace qm
