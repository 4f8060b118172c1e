#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace qm {

// A mount table held open for watching. The kernel flags every change made
// after the opening, so a table opened before the mounts are read lets no
// change in between go unnoticed.
class WatchedMountTable {
public:
    explicit WatchedMountTable(const QString& path);
    WatchedMountTable(WatchedMountTable&& other) noexcept;
    ~WatchedMountTable();

    // False when the table could not be opened.
    bool isOpen() const { return fd_ >= 0; }
    int descriptor() const { return fd_; }

private:
    int fd_ = -1;
};

// Tells when mounts come or go. The kernel signals a change of a mount table
// such as /proc/self/mountinfo through poll() as an exceptional condition
// (POLLPRI, POLLERR), which a socket notifier of type Exception sees in the
// event loop: no timer, no thread.
class MountWatcher : public QObject {
    Q_OBJECT
public:
    // Reports the changes made since the table was opened, too; a table that
    // could not be opened reports nothing.
    explicit MountWatcher(WatchedMountTable table, QObject* parent = nullptr);
    ~MountWatcher() override;

signals:
    void changed();

private:
    WatchedMountTable table_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qm
