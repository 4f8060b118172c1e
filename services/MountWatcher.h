#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace qm {

// Tells when mounts come or go. The kernel signals a change of a mount table
// such as /proc/self/mountinfo through poll() as an exceptional condition
// (POLLPRI, POLLERR), which a socket notifier of type Exception sees in the
// event loop: no timer, no thread.
class MountWatcher : public QObject {
    Q_OBJECT
public:
    explicit MountWatcher(const QString& mountTable, QObject* parent = nullptr);
    ~MountWatcher() override;

    // False when the table could not be opened; then nothing is reported.
    bool isWatching() const { return fd_ >= 0; }

    // Reports a change. The kernel's signal arrives here; a file that is no
    // kernel table never signals, so tests call it themselves.
    void reportChange();

signals:
    void changed();

private:
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qm
