#include "preview/PreviewLocation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cerrno>

#include "services/Descriptor.h"
#include "services/PathBytes.h"
#include "services/Toolkit.h"

namespace qm {
namespace {

QString folderError(const QString& folder, const QString& reason) {
    return QStringLiteral("Could not use the preview folder %1:\n%2").arg(folder, reason);
}

QString openFolderAt(int at, const QString& path, const QByteArray& name, Descriptor& out) {
    out = openFolder(at, name);
    if (out.isOpen()) return {};
    if (errno == ELOOP || errno == ENOTDIR) return folderError(path, QStringLiteral("it is not a folder"));
    return folderError(path, systemReason(errno));
}

QString checkOwner(int fd, const QString& path, struct stat& info) {
    if (::fstat(fd, &info) != 0) return folderError(path, systemReason(errno));
    if (info.st_uid != ::geteuid()) return folderError(path, QStringLiteral("it belongs to another user"));
    return {};
}

}  // namespace

QString copyFolderName() {
    static const QString name = QStringLiteral("copy-%1-%2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    return name;
}

bool runsFromBuildTree(const QString& applicationFolder) {
#ifdef QM_BUILD_TREE
    const QString built = QFileInfo(QStringLiteral(QM_BUILD_TREE)).canonicalFilePath();
    return !built.isEmpty() && QFileInfo(applicationFolder).canonicalFilePath() == built;
#else
    Q_UNUSED(applicationFolder);
    return false;
#endif
}

PreviewFolder choosePreviewFolder(bool fromBuildTree, const QString& applicationFolder,
                                  const QString& runtimeFolder, const QString& cacheFolder) {
    QString owner;
    if (fromBuildTree && !applicationFolder.isEmpty())
        owner = applicationFolder + QStringLiteral("/live-preview");
    else if (!runtimeFolder.isEmpty())
        owner = runtimeFolder + QStringLiteral("/quillmere");
    else if (!cacheFolder.isEmpty())
        owner = cacheFolder + QStringLiteral("/quillmere");
    if (owner.isEmpty()) return {};
    return {owner + QLatin1Char('/') + copyFolderName(), true};
}

PreviewFolder defaultPreviewFolder() {
    const QString app = qm::applicationFolder();
    return choosePreviewFolder(runsFromBuildTree(app), app, qEnvironmentVariable("XDG_RUNTIME_DIR"),
                               QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
}

QString PreviewFolders::prepare(const PreviewFolder& folder) {
    if (folder.path.isEmpty())
        return QStringLiteral("Could not write the preview file:\nno folder of this user can hold it.");
    if (!folder.isPrivate) return {};
    const QString owner = QFileInfo(folder.path).path();
    const QByteArray ownerBytes = qm::pathToBytes(owner);
    const QByteArray name = qm::pathToBytes(QFileInfo(folder.path).fileName());
    if (!QDir().mkpath(QFileInfo(owner).path()))
        return folderError(owner, QStringLiteral("the folder cannot be made"));
    if (::mkdir(ownerBytes.constData(), 0700) != 0 && errno != EEXIST) return folderError(owner, systemReason(errno));
    Descriptor ownerFd;
    struct stat info {};
    if (QString error = openFolderAt(AT_FDCWD, owner, ownerBytes, ownerFd); !error.isEmpty()) return error;
    if (QString error = checkOwner(ownerFd.get(), owner, info); !error.isEmpty()) return error;
    // Once closed again, nobody else can add to it; what others put there
    // before is never read, as this copy's folder must be new.
    if ((info.st_mode & 077) != 0 && ::fchmod(ownerFd.get(), 0700) != 0) return folderError(owner, systemReason(errno));

    const bool ours = made_.contains(folder.path);
    if (::mkdirat(ownerFd.get(), name.constData(), 0700) == 0)
        made_.insert(folder.path);
    else if (errno != EEXIST || !ours)
        return folderError(folder.path, errno == EEXIST ? QStringLiteral("it was not made by this program")
                                                         : systemReason(errno));
    Descriptor copyFd;
    if (QString error = openFolderAt(ownerFd.get(), folder.path, name, copyFd); !error.isEmpty()) return error;
    if (QString error = checkOwner(copyFd.get(), folder.path, info); !error.isEmpty()) return error;
    if ((info.st_mode & 077) != 0) return folderError(folder.path, QStringLiteral("others can write to it"));
    return {};
}

bool PreviewFolders::remove(const PreviewFolder& folder) {
    if (!folder.isPrivate || !made_.contains(folder.path)) return false;
    const QString owner = QFileInfo(folder.path).path();
    const QByteArray name = qm::pathToBytes(QFileInfo(folder.path).fileName());
    Descriptor ownerFd, copyFd;
    struct stat info {};
    if (!openFolderAt(AT_FDCWD, owner, qm::pathToBytes(owner), ownerFd).isEmpty() ||
        !checkOwner(ownerFd.get(), owner, info).isEmpty() ||
        !openFolderAt(ownerFd.get(), folder.path, name, copyFd).isEmpty() ||
        !checkOwner(copyFd.get(), folder.path, info).isEmpty())
        return false;
    made_.remove(folder.path);
    // Unlinking removes a link itself, never what it leads to.
    ::unlinkat(copyFd.get(), "index.html", 0);
    return ::unlinkat(ownerFd.get(), name.constData(), AT_REMOVEDIR) == 0;
}

PreviewFolders& PreviewFolders::ofThisRun() {
    static PreviewFolders folders;
    return folders;
}

QString preparePreviewFolder(const PreviewFolder& folder) { return PreviewFolders::ofThisRun().prepare(folder); }

bool removePreviewFolder(const PreviewFolder& folder) { return PreviewFolders::ofThisRun().remove(folder); }

QString previewFilePath(const QString& folder) { return qm::childPath(folder, QStringLiteral("index.html")); }

}  // namespace qm
