#pragma once

#include <QString>

namespace qm {

// Dispatches the window events already queued, then returns.
void processPendingEvents();

// Folder of the executable, without a closing separator.
QString applicationFolder();

}  // namespace qm
