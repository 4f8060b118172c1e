#pragma once

#include <QString>

namespace qm {

// Dispatches the window events already queued, then returns.
void processPendingEvents();

// Folder of the executable, without a closing separator.
QString applicationFolder();

// Deletes a file; false when it was missing or could not be removed.
bool deleteFile(const QString& path);

}  // namespace qm
