#pragma once

#include <QByteArray>
#include <QString>
#include <utility>

namespace qm {

// The system's own words for an error number, in the user's language.
QString systemReason(int error);

// An open file or folder, closed when it goes out of scope.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Closes it now: 0, or the system's error number. Data that did not reach
    // the medium can show up only here.
    int close();

private:
    int fd_ = -1;
};

// Flushes an open file or folder to its medium; 0 on success, else -1 with
// errno set. The writers take one for files and one for folders, so a test
// can see what was flushed and when, or make a flush fail.
using SyncCall = int (*)(int fd);

struct SyncCalls {
    SyncCall file = nullptr;    // nullptr: fsync
    SyncCall folder = nullptr;  // nullptr: fsync
};

// Opens the folder `name` inside the folder `at` (AT_FDCWD: the working
// folder), never through a link at `name`; not open, with errno set, on failure.
Descriptor openFolder(int at, const QByteArray& name);

// Flushes a folder, so entries added or renamed in it reach the medium:
// 0, or the system's error number. A file system that cannot flush folders
// (EINVAL, EROFS) has nothing to flush.
int syncFolder(int folderFd, SyncCall sync);

// Writes bytes into a new, hidden temporary file in the folder, named after
// `name` and with the permission bits `mode` when not -1, and flushes it: its
// name, or empty with the error number in `error` and nothing left behind.
QByteArray writeTemporary(int folderFd, const QByteArray& name, const QByteArray& bytes,
                          SyncCall syncFile, int& error, int mode = -1);

}  // namespace qm
