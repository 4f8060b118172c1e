#include "services/MountWatcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <utility>

#include "services/PathBytes.h"

namespace qm {

WatchedMountTable::WatchedMountTable(const QString& path)
    : fd_(::open(qm::pathToBytes(path).constData(), O_RDONLY | O_CLOEXEC)) {}

WatchedMountTable::WatchedMountTable(WatchedMountTable&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

WatchedMountTable::~WatchedMountTable() {
    if (fd_ >= 0) ::close(fd_);
}

MountWatcher::MountWatcher(WatchedMountTable table, QObject* parent) : QObject(parent), table_(std::move(table)) {
    if (!table_.isOpen()) return;
    notifier_ = new QSocketNotifier(table_.descriptor(), QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MountWatcher::changed);
}

MountWatcher::~MountWatcher() { delete notifier_; }  // before its descriptor goes

}  // namespace qm
