#include "services/MakePage.h"

#include "services/PathBytes.h"
#include "services/Volumes.h"

namespace qm {

WriteResult makePage(const VolumeScanner& scanner, const QString& drive, const QString& pageSource) {
    const QString name = QStringLiteral("index.html");
    // Opened first, so the volume checked below is the one written to: an
    // open folder keeps it from being unmounted in between.
    const PageFolder folder(drive);
    if (!folder.isOpen()) return {false, folder.openError(name)};
    if (!scanner.isMountPoint(drive))
        return {false, QStringLiteral("Could not write %1:\nThe drive %2 is no longer there. Put the "
                                      "memory stick back, press Refresh, then press Make again.")
                           .arg(childPath(drive, name), drive)};
    return folder.writePage(name, pageSource);
}

}  // namespace qm
