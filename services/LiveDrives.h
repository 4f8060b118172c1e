#pragma once

#include <QObject>

namespace qm {

class DriveList;
class MountWatcher;

// Keeps the drive list in step with the mounts while the program runs. When
// a volume appears and the user has not picked a drive by hand, a stick among
// the volumes is chosen as Refresh would choose it, without its message. A
// chosen volume that goes away stays in the list, marked as gone.
class LiveDrives : public QObject {
    Q_OBJECT
public:
    // Watches the mount table of the list's scanner; the list must outlive this.
    explicit LiveDrives(DriveList* list, QObject* parent = nullptr);

    MountWatcher* watcher() const { return watcher_; }

private:
    void mountsChanged();

    DriveList* list_;
    MountWatcher* watcher_;
};

}  // namespace qm
