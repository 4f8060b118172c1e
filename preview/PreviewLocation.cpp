#include "PreviewLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

#include "Toolkit.h"

namespace preview {
namespace {

QString folderError(const QString& folder, const QString& reason) {
    return QStringLiteral("Could not use the preview folder %1:\n%2").arg(folder, reason);
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

PreviewFolder choosePreviewFolder(const QString& applicationFolder, const QString& runtimeFolder,
                                  const QString& cacheFolder) {
    const QFileInfo app(applicationFolder);
    if (!applicationFolder.isEmpty() && app.isDir() && app.isWritable()) return {applicationFolder, false};
    const QString base = !runtimeFolder.isEmpty() ? runtimeFolder : cacheFolder;
    if (base.isEmpty()) return {};
    return {base + QStringLiteral("/quillmere"), true};
}

PreviewFolder defaultPreviewFolder() {
    return choosePreviewFolder(qm::applicationFolder(), qEnvironmentVariable("XDG_RUNTIME_DIR"),
                               QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
}

QString preparePreviewFolder(const PreviewFolder& folder) {
    if (folder.path.isEmpty())
        return QStringLiteral("Could not write the preview file:\nno folder of this user can hold it.");
    if (!folder.isPrivate) return {};
    const QString parent = QFileInfo(folder.path).path();
    if (!QDir().mkpath(parent)) return folderError(parent, QStringLiteral("the folder cannot be made"));
    const QByteArray path = QFile::encodeName(folder.path);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return folderError(folder.path, systemReason(errno));
    // An existing entry must be our own folder, not a link planted elsewhere.
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) return folderError(folder.path, systemReason(errno));
    if (!S_ISDIR(info.st_mode)) return folderError(folder.path, QStringLiteral("it is not a folder"));
    if (info.st_uid != ::geteuid()) return folderError(folder.path, QStringLiteral("it belongs to another user"));
    if ((info.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return folderError(folder.path, systemReason(errno));
    return {};
}

QString previewFilePath(const QString& folder) { return folder + QStringLiteral("/index.html"); }

QUrl previewAddress(const QString& folder) { return QUrl::fromLocalFile(previewFilePath(folder)); }

}  // namespace preview
