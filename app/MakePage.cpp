#include "MakePage.h"

#include "PathBytes.h"
#include "Volumes.h"

namespace qm {

WriteResult makePage(const VolumeScanner& scanner, const QString& drive, const QString& pageSource) {
    const QString path = childPath(drive, QStringLiteral("index.html"));
    if (!scanner.isMountPoint(drive))
        return {false, QStringLiteral("Could not write %1:\nThe drive %2 is no longer there. Put the "
                                      "memory stick back, press Refresh, then press Make again.")
                           .arg(path, drive)};
    return writePageFile(path, pageSource);
}

}  // namespace qm
