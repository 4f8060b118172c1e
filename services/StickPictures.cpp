#include "services/StickPictures.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "services/PageWriter.h"
#include "services/PathBytes.h"
#include "services/PictureForStick.h"
#include "services/Volumes.h"

namespace qm {
namespace {

constexpr qsizetype kLargestPicture = 256 * 1024 * 1024;
constexpr int kMostNames = 999;

// Reads the user's file whole, never changing it: empty error on success.
QString readPicture(const QString& path, QByteArray& bytes) {
    // Not blocking: a pipe or device in the file's place must not hang the program.
    const Descriptor file(
        ::open(pathToBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0) return systemReason(errno);
    if (!S_ISREG(info.st_mode)) return QStringLiteral("It is not a file.");
    if (info.st_size > kLargestPicture) return QStringLiteral("It is too large for a picture.");
    bytes.resize(info.st_size);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return systemReason(errno);
        if (n == 0) break;  // it shrank while being read
        done += n;
    }
    bytes.truncate(done);
    return {};
}

// Opens the folder `name` in `parent`, making it when missing, on the same
// volume and never through a link: empty error on success.
QString enterFolder(int parent, const QByteArray& name, dev_t volume, Descriptor& folder,
                    bool& made) {
    folder = openFolder(parent, name);
    if (!folder.isOpen() && errno == ENOENT) {
        made = ::mkdirat(parent, name.constData(), 0777) == 0;
        if (!made && errno != EEXIST) return reasonFor(errno);
        folder = openFolder(parent, name);
    }
    if (!folder.isOpen() && (errno == ELOOP || errno == ENOTDIR))
        return QStringLiteral("%1 on the stick is a link or a file, not a folder.")
            .arg(QString::fromUtf8(name));
    struct stat info {};
    if (!folder.isOpen() || ::fstat(folder.get(), &info) != 0) return reasonFor(errno);
    if (info.st_dev != volume)
        return QStringLiteral("%1 on the stick is another volume mounted there.")
            .arg(QString::fromUtf8(name));
    return {};
}

enum class NameUse { Free, HoldsTheSameBytes, Taken };

NameUse lookAt(int folder, const QByteArray& name, const QByteArray& bytes) {
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? NameUse::Free : NameUse::Taken;
    if (!S_ISREG(info.st_mode) || info.st_size != bytes.size()) return NameUse::Taken;
    const Descriptor file(
        ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) return NameUse::Taken;
    QByteArray there(bytes.size() + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (ssize_t n = 1; n > 0 && done < there.size(); done += n)
        if ((n = ::read(file.get(), there.data() + done, there.size() - done)) < 0)
            return NameUse::Taken;
    return done == bytes.size() && QByteArrayView(there.constData(), done) == bytes
               ? NameUse::HoldsTheSameBytes
               : NameUse::Taken;
}

// The n-th name to try: bg.jpg, bg-2.jpg, bg-3.jpg…
QString numberedName(const QString& name, int n) {
    if (n == 1) return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    return name.left(dot) + QStringLiteral("-%1").arg(n) + name.mid(dot);
}

// Gives the temporary file its name unless something already has it: 0, or
// the system's error number (EEXIST: the name is taken).
int placeWithoutReplacing(int folder, const QByteArray& temporary, const QByteArray& name) {
    if (::renameat2(folder, temporary.constData(), folder, name.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without that kind of rename: a second link never replaces either.
    if (::linkat(folder, temporary.constData(), folder, name.constData(), 0) != 0) return errno;
    ::unlinkat(folder, temporary.constData(), 0);
    return 0;
}

struct Placement {
    QString name;
    bool reused = false;  // the name already held the same bytes
    int error = 0;        // the system's error number; EEXIST: every name is taken
};

// Puts the bytes into the folder under the first of firstName, its -2, -3…
// names that is free, or finds them already there; never replaces a file.
Placement place(int folder, const QString& firstName, const QByteArray& bytes, SyncCall syncFile) {
    QByteArray temporary;
    const auto leaving = [&](const Placement& placed) {
        if (!temporary.isEmpty()) ::unlinkat(folder, temporary.constData(), 0);
        return placed;
    };
    for (int n = 1; n <= kMostNames; ++n) {
        const QString name = numberedName(firstName, n);
        const QByteArray nameBytes = pathToBytes(name);
        const NameUse found = lookAt(folder, nameBytes, bytes);
        if (found == NameUse::HoldsTheSameBytes) return leaving({name, true, 0});
        if (found == NameUse::Taken) continue;
        int error = 0;
        if (temporary.isEmpty())
            temporary = writeTemporary(folder, pathToBytes(firstName), bytes, syncFile, error);
        if (temporary.isEmpty()) return {{}, false, error};
        error = placeWithoutReplacing(folder, temporary, nameBytes);
        if (error == 0) return {name, false, 0};
        if (error != EEXIST) return leaving({{}, false, error});  // EEXIST: taken since looked at
    }
    return leaving({{}, false, EEXIST});
}

QString doneMessage(const QString& userName, const QString& name, const StickPicture& picture) {
    QString text = QStringLiteral("%1 copied to PSP/Photo").arg(userName);
    if (name != userName) text += QStringLiteral(" as %1").arg(name);
    if (picture.scaledTo.isValid())
        text += QStringLiteral(", scaled to %1 × %2")
                    .arg(picture.scaledTo.width())
                    .arg(picture.scaledTo.height());
    return text;
}

QString reusedMessage(const QString& userName, const QString& name) {
    return name == userName
               ? QStringLiteral("%1 is already in PSP/Photo").arg(userName)
               : QStringLiteral("%1 is already in PSP/Photo as %2").arg(userName, name);
}

}  // namespace

PictureCopy copyPictureToStick(const VolumeScanner& scanner, const QString& drive,
                               const QString& picturePath, PictureUse use, const SyncCalls& sync) {
    const QString userName = QFileInfo(picturePath).fileName();
    const QString where = childPath(drive, QStringLiteral("PSP/Photo"));
    const auto failed = [&](const QString& reason) {
        return PictureCopy{
            false, {}, QStringLiteral("Could not copy %1 to %2:\n%3").arg(userName, where, reason)};
    };

    if (drive.isEmpty())
        return {false,
                {},
                QStringLiteral("No drive is chosen. Pick the PSP's memory stick in the "
                               "drive list, then try again.")};
    QByteArray original;
    if (const QString error = readPicture(picturePath, original); !error.isEmpty())
        return {false, {}, QStringLiteral("Could not read %1:\n%2").arg(picturePath, error)};
    const StickPicture picture = pictureForStick(original, use);
    if (!picture.error.isEmpty()) return failed(picture.error);

    // Opened first, so the volume checked below is the one written to: an
    // open folder keeps it from being unmounted in between.
    const Descriptor root = openFolder(AT_FDCWD, pathToBytes(drive));
    struct stat rootInfo {};
    if (!root.isOpen() || ::fstat(root.get(), &rootInfo) != 0) return failed(reasonFor(errno));
    if (!scanner.isMountPoint(drive))
        return failed(
            QStringLiteral("The drive %1 is no longer there. Put the memory stick back, press "
                           "Refresh, then try again.")
                .arg(drive));
    Descriptor psp, photo;
    bool madePsp = false, madePhoto = false;
    if (const QString error = enterFolder(root.get(), "PSP", rootInfo.st_dev, psp, madePsp);
        !error.isEmpty())
        return failed(error);
    if (const QString error = enterFolder(psp.get(), "Photo", rootInfo.st_dev, photo, madePhoto);
        !error.isEmpty())
        return failed(error);

    const QString firstName = stickFileName(userName, picture.format);
    const Placement placed = place(photo.get(), firstName, picture.bytes, sync.file);
    if (placed.error == EEXIST)
        return failed(QStringLiteral("Every name from %1 to %2 is taken.")
                          .arg(firstName, numberedName(firstName, kMostNames)));
    if (placed.error != 0) return failed(reasonFor(placed.error));
    if (placed.reused) return {true, placed.name, reusedMessage(userName, placed.name)};

    // New entries reach the medium only when the folders that hold them are flushed.
    int error = syncFolder(photo.get(), sync.folder);
    if (error == 0 && madePhoto) error = syncFolder(psp.get(), sync.folder);
    if (error == 0 && madePsp) error = syncFolder(root.get(), sync.folder);
    if (error != 0) return failed(reasonFor(error));
    return {true, placed.name, doneMessage(userName, placed.name, picture)};
}

}  // namespace qm
