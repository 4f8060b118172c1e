#include "preview/StickPages.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <QMimeDatabase>

#include "services/Descriptor.h"
#include "services/PageWriter.h"
#include "services/PathBytes.h"

namespace qm {
namespace {

// Relative to the root whatever the path says; "..", links and other mounts
// fail instead of leading out. Non-blocking, so a FIFO on the stick cannot
// hold the program up.
int openBeneath(int root, const QByteArray& relative) {
    open_how how{};
    how.flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_NO_XDEV;
    return int(::syscall(SYS_openat2, root, relative.constData(), &how, sizeof how));
}

PreviewReply fileReply(int fd, const QString& name, const QByteArray& mimeType = {}) {
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    const QByteArray type = mimeType.isEmpty()
                                ? QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).name().toLatin1()
                                : mimeType;
    return {std::move(file), type};
}

}  // namespace

StickPages::StickPages(VolumeScanner scanner, QObject* parent) : PreviewSource(parent), scanner_(std::move(scanner)) {}

PreviewReply StickPages::open(const QUrl& address) const {
    if (address.scheme() != QLatin1String(kPreviewScheme) || address.host() != previewPageAddress().host())
        return {};
    const QByteArray path = QByteArray::fromPercentEncoding(address.path(QUrl::FullyEncoded).toLatin1());
    if (path == previewPageAddress().path().toLatin1()) {
        const int fd = ::open(pathToBytes(pageFile_).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        // The page is in the character set it was written in, whatever it says itself.
        return fd < 0 ? PreviewReply{} : fileReply(fd, pageFile_, "text/html;charset=" + pageCodeset());
    }
    return openOnStick(path);
}

PreviewReply StickPages::openOnStick(const QByteArray& path) const {
    if (drive_.isEmpty() || !path.startsWith('/')) return {};
    const QByteArray relative = path.mid(1);
    if (relative.isEmpty() || relative.contains('\0') || relative.split('/').contains(".."))
        return {};
    // Opened first: the folder checked is then the one read from.
    const Descriptor root = openFolder(AT_FDCWD, pathToBytes(drive_));
    if (!root.isOpen() || !scanner_.isMountPoint(drive_)) return {};
    const int fd = openBeneath(root.get(), relative);
    if (fd < 0) return {};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {};
    }
    return fileReply(fd, pathFromBytes(relative));
}

}  // namespace qm
