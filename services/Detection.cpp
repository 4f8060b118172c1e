#include "services/Detection.h"

#include "services/Volumes.h"

namespace qm {

DetectedDrive detectDrive(const std::vector<Volume>& volumes) {
    DetectedDrive detected;
    for (const Volume& volume : volumes) {
        if (!volume.removable || volume.floppy) continue;
        detected.drive = volume.mountPoint;  // before the marker test: the last one examined
        if (hasMarkerFile(volume.mountPoint)) {
            detected.isStick = true;
            break;
        }
    }
    return detected;
}

}  // namespace qm
