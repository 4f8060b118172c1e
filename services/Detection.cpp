#include "services/Detection.h"

#include "services/Messages.h"
#include "services/Toolkit.h"
#include "services/Volumes.h"

namespace Module1 {
namespace {

QString& detectedDrive() {
    static QString drive;
    return drive;
}

}  // namespace

const QString& DetectedDrive() { return detectedDrive(); }

QString FindPSPDrive(const VolumeScanner& scanner) {
    QString result;
    for (const Volume& volume : scanner.volumes()) {
        if (volume.floppy || !volume.removable) continue;
        result = volume.mountPoint;  // before the marker test: the last one examined
        if (hasMarkerFile(volume.mountPoint)) return result;
    }
    qm::showMessage({QStringLiteral("PSP not Detected."), QStringLiteral("Error"),
                     qm::MessageIcon::Exclamation});
    qm::processPendingEvents();
    return result;
}

void DetectDrive(const VolumeScanner& scanner) { detectedDrive() = FindPSPDrive(scanner); }

QString FindStick(const VolumeScanner& scanner) {
    for (const Volume& volume : scanner.volumes())
        if (!volume.floppy && volume.removable && hasMarkerFile(volume.mountPoint)) return volume.mountPoint;
    return {};
}

QString DetectStick(const VolumeScanner& scanner) {
    const QString stick = FindStick(scanner);
    if (!stick.isEmpty()) detectedDrive() = stick;
    return stick;
}

}  // namespace Module1
