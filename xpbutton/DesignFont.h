#pragma once

#include <QFont>

namespace qm {

// The font the windows were designed in: "Verdana" 8.25 pt, regular. It is
// asked for by name; fontconfig picks the nearest font the system has.
QFont designFont();

}  // namespace qm
