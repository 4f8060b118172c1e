#include "services/Detection.h"

#include "services/Messages.h"
#include "services/Toolkit.h"
#include "services/Volumes.h"

namespace qm {
namespace {

QString& storedDrive() {
    static QString drive;
    return drive;
}

// Floppy drives are removable too, but never a memory stick.
bool mayHoldStick(const Volume& volume) { return volume.removable && !volume.floppy; }

}  // namespace

const QString& detectedDrive() { return storedDrive(); }

QString findStickDrive(const VolumeScanner& scanner) { return findStickDrive(scanner.volumes()); }

QString findStickDrive(const std::vector<Volume>& volumes) {
    QString result;
    for (const Volume& volume : volumes) {
        if (!mayHoldStick(volume)) continue;
        result = volume.mountPoint;  // before the marker test: the last one examined
        if (hasMarkerFile(volume.mountPoint)) return result;
    }
    qm::showMessage({QStringLiteral("PSP not Detected."), QStringLiteral("Error"),
                     qm::MessageIcon::Exclamation});
    qm::processPendingEvents();
    return result;
}

void detectDrive(const std::vector<Volume>& volumes) { storedDrive() = findStickDrive(volumes); }

QString findStick(const VolumeScanner& scanner) {
    for (const Volume& volume : scanner.volumes())
        if (mayHoldStick(volume) && hasMarkerFile(volume.mountPoint)) return volume.mountPoint;
    return {};
}

QString detectStick(const VolumeScanner& scanner) {
    const QString stick = findStick(scanner);
    if (!stick.isEmpty()) storedDrive() = stick;
    return stick;
}

}  // namespace qm
