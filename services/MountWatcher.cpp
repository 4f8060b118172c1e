#include "services/MountWatcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "services/PathBytes.h"

namespace qm {

MountWatcher::MountWatcher(const QString& mountTable, QObject* parent) : QObject(parent) {
    fd_ = ::open(qm::pathToBytes(mountTable).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MountWatcher::reportChange);
}

MountWatcher::~MountWatcher() {
    delete notifier_;  // before its descriptor goes
    if (fd_ >= 0) ::close(fd_);
}

void MountWatcher::reportChange() { emit changed(); }

}  // namespace qm
