#include "services/LiveDrives.h"

#include <algorithm>

#include "services/Detection.h"
#include "services/DriveList.h"
#include "services/MountWatcher.h"

namespace qm {

namespace {

QStringList listedDrives(const DriveList* list) {
    QStringList drives;
    for (int i = 0; i < list->count(); ++i) drives << list->itemData(i).toString();
    return drives;
}

}  // namespace

LiveDrives::LiveDrives(DriveList* list, QObject* parent)
    : QObject(parent), list_(list), watcher_(new MountWatcher(list->scanner().mountTablePath(), this)) {
    connect(watcher_, &MountWatcher::changed, this, &LiveDrives::mountsChanged);
}

void LiveDrives::mountsChanged() {
    const QStringList before = listedDrives(list_);
    list_->refresh();
    if (list_->chosenByHand()) return;
    const QStringList after = listedDrives(list_);
    const bool appeared = std::any_of(after.begin(), after.end(), [&](const QString& d) { return !before.contains(d); });
    if (!appeared) return;
    const QString stick = qm::detectStick(list_->scanner());
    if (!stick.isEmpty()) list_->setDrive(stick);
}

}  // namespace qm
