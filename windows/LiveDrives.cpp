#include "windows/LiveDrives.h"

#include <algorithm>
#include <utility>

#include "services/Detection.h"
#include "services/MountWatcher.h"
#include "windows/DriveList.h"

namespace qm {

namespace {

QStringList listedDrives(const DriveList* list) {
    QStringList drives;
    for (int i = 0; i < list->count(); ++i) drives << list->itemData(i).toString();
    return drives;
}

}  // namespace

MountSnapshot takeMountSnapshot(const VolumeScanner& scanner) {
    return {WatchedMountTable(scanner.mountTablePath()), scanner.volumes()};  // in this order
}

LiveDrives::LiveDrives(DriveList* list, WatchedMountTable table, QObject* parent)
    : QObject(parent), list_(list) {
    auto* watcher = new MountWatcher(std::move(table), this);
    connect(watcher, &MountWatcher::changed, this, &LiveDrives::mountsChanged);
}

void LiveDrives::mountsChanged() {
    const QStringList before = listedDrives(list_);
    const QString chosen = list_->drive();
    const std::vector<Volume> volumes = list_->scanner().volumes();
    list_->showVolumes(volumes);
    // A chosen volume mounted again elsewhere stays chosen there.
    if (list_->chosenByHand() || list_->drive() != chosen) return;
    const QStringList after = listedDrives(list_);
    const bool appeared = std::any_of(after.begin(), after.end(), [&](const QString& d) { return !before.contains(d); });
    if (!appeared) return;
    const DetectedDrive detected = qm::detectDrive(volumes);
    if (detected.isStick) list_->setDrive(detected.drive);
}

}  // namespace qm
