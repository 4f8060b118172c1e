#include "services/Descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qm {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

Descriptor::~Descriptor() {
    close();
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

int Descriptor::close() {
    if (fd_ < 0) return 0;
    // Linux frees the descriptor even when close fails: never close it twice.
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
}

Descriptor openFolder(int at, const QByteArray& name) {
    return Descriptor(
        ::openat(at, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

int syncFolder(int folderFd, SyncCall sync) {
    if ((sync ? sync : ::fsync)(folderFd) == 0 || errno == EINVAL || errno == EROFS) return 0;
    return errno;
}

namespace {

// Writes every byte, in chunks so a huge file never asks for one huge call;
// false with errno set on the first failure.
bool writeAll(int fd, const QByteArray& bytes) {
    constexpr qsizetype kChunk = 1 << 20;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, std::min(kChunk, left));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {  // nothing taken and no reason given: the medium is full
            errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// Makes a new, exclusive temporary file; its name, or empty with errno set.
QByteArray createTemporary(int folderFd, const QByteArray& name, Descriptor& file) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray candidate =
            "." + name + "." + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        file = Descriptor(::openat(folderFd, candidate.constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.isOpen()) return candidate;
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace

QByteArray writeTemporary(int folderFd, const QByteArray& name, const QByteArray& bytes,
                          SyncCall syncFile, int& error, int mode) {
    Descriptor file;
    const QByteArray temporary = createTemporary(folderFd, name, file);
    if (temporary.isEmpty()) {
        error = errno;
        return {};
    }
    error = 0;
    if (mode >= 0)
        ::fchmod(file.get(), mode);  // where the medium keeps no permissions, none are lost
    if (!writeAll(file.get(), bytes) || (syncFile ? syncFile : ::fsync)(file.get()) != 0)
        error = errno;
    if (const int closed = file.close(); error == 0) error = closed;
    if (error == 0) return temporary;
    ::unlinkat(folderFd, temporary.constData(), 0);
    return {};
}

}  // namespace qm
