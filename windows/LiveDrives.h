#pragma once

#include <QObject>
#include <vector>

#include "services/MountWatcher.h"
#include "services/Volumes.h"

namespace qm {

class DriveList;

// The mounted volumes read at one moment, with the mount table opened just
// before: live drives that watch this table miss no change since the reading.
struct MountSnapshot {
    WatchedMountTable table;
    std::vector<Volume> volumes;
};

MountSnapshot takeMountSnapshot(const VolumeScanner& scanner);

// Keeps the drive list in step with the mounts while the program runs. When
// a volume appears and the user has not picked a drive by hand, a stick among
// the volumes is chosen as Refresh would choose it, without its message. A
// chosen volume that goes away stays in the list, marked as gone.
class LiveDrives : public QObject {
    Q_OBJECT
public:
    // Watches the table of the snapshot the list's volumes came from; the list
    // must outlive this.
    LiveDrives(DriveList* list, WatchedMountTable table, QObject* parent = nullptr);

    // Brings the list up to date; runs whenever the kernel reports a change.
    void mountsChanged();

private:
    DriveList* list_;
};

}  // namespace qm
