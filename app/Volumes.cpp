#include "Volumes.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>

#include "MountInfo.h"
#include "PathBytes.h"

namespace {

// File systems that are the kernel's views or memory, never a medium.
bool isPseudoFileSystem(const QByteArray& type) {
    static const QByteArrayList pseudo = {
        "proc",      "sysfs",     "tmpfs",    "devtmpfs",  "devpts",    "cgroup",
        "cgroup2",   "securityfs", "pstore",  "debugfs",   "tracefs",   "configfs",
        "fusectl",   "mqueue",    "hugetlbfs", "bpf",      "autofs",    "binfmt_misc",
        "efivarfs",  "ramfs",     "rpc_pipefs", "nsfs",    "overlay",   "squashfs",
        "fuse.portal", "fuse.gvfsd-fuse", "selinuxfs", "rootfs"};
    return pseudo.contains(type);
}

constexpr unsigned kFloppyMajor = 2;

QString readFirstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readLine()).trimmed();
}

bool onRemovableBus(QString dir, const QString& sysRoot) {
    static const QStringList buses = {"usb", "mmc", "memstick", "ieee1394"};
    const QString top = QDir::cleanPath(sysRoot + "/devices");
    while (dir.startsWith(top) && dir.size() > top.size()) {
        const QString subsystem = QFileInfo(dir + "/subsystem").symLinkTarget();
        if (!subsystem.isEmpty() && buses.contains(QFileInfo(subsystem).fileName())) return true;
        dir = QFileInfo(dir).path();
    }
    return false;
}

}  // namespace

VolumeScanner::VolumeScanner(QString procRoot, QString sysRoot, QString devRoot)
    : procRoot_(std::move(procRoot)), sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

bool VolumeScanner::isRemovable(unsigned major, unsigned minor) const {
    if (major == 0) return false;  // no block device behind it
    const QString link = QStringLiteral("%1/dev/block/%2:%3").arg(sysRoot_).arg(major).arg(minor);
    QString device = QFileInfo(link).canonicalFilePath();
    if (device.isEmpty()) return false;
    if (QFileInfo::exists(device + "/partition")) device = QFileInfo(device).path();
    if (readFirstLine(device + "/removable") == QLatin1String("1")) return true;
    return onRemovableBus(device, QFileInfo(sysRoot_).canonicalFilePath());
}

QString VolumeScanner::labelOf(const QString& source) const {
    const QString device = QFileInfo(devRoot_ + source.mid(4)).canonicalFilePath();
    if (device.isEmpty()) return {};
    QDir labels(devRoot_ + "/disk/by-label");
    for (const QFileInfo& entry : labels.entryInfoList(QDir::System | QDir::Files)) {
        if (entry.canonicalFilePath() == device) {
            // udev escapes unsafe characters as \xNN.
            QByteArray name = entry.fileName().toUtf8();
            name.replace("\\x20", " ");
            return QString::fromUtf8(name);
        }
    }
    return {};
}

std::vector<Volume> VolumeScanner::volumes() const {
    QFile file(procRoot_ + "/self/mountinfo");
    if (!file.open(QIODevice::ReadOnly)) return {};
    // A later mount on the same point hides the earlier one.
    std::map<QByteArray, MountEntry> byMountPoint;
    for (MountEntry& entry : parseMountInfo(file.readAll())) {
        if (isPseudoFileSystem(entry.fsType)) continue;
        byMountPoint[entry.mountPoint] = std::move(entry);
    }
    std::vector<Volume> result;
    for (const auto& [mountPoint, entry] : byMountPoint) {  // std::map keeps byte order
        struct stat info {};
        // A single file bound over another is no volume.
        if (::stat(mountPoint.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) continue;
        Volume volume;
        volume.mountPoint = qm::pathFromBytes(mountPoint);
        volume.floppy = entry.major == kFloppyMajor || entry.source.startsWith("/dev/fd");
        volume.removable = !volume.floppy && isRemovable(entry.major, entry.minor);
        if (entry.source.startsWith("/dev/"))
            volume.label = labelOf(QFile::decodeName(entry.source));
        result.push_back(std::move(volume));
    }
    return result;
}

bool VolumeScanner::isMountPoint(const QString& folder) const {
    const std::vector<Volume> all = volumes();
    return std::any_of(all.begin(), all.end(), [&](const Volume& v) { return v.mountPoint == folder; });
}

namespace {

// A marker is a file, or a link to a file that exists.
bool isFileAt(int folderFd, const char* name) {
    struct stat info {};
    return ::fstatat(folderFd, name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

bool hasMarkerFile(const QString& root) {
    static const char marker[] = "MEMSTICK.IND";
    const int folderFd = ::open(qm::pathToBytes(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) return false;
    if (isFileAt(folderFd, marker)) {
        ::close(folderFd);
        return true;
    }
    DIR* folder = ::fdopendir(folderFd);  // takes over the descriptor
    if (!folder) {
        ::close(folderFd);
        return false;
    }
    bool found = false;
    while (const dirent* entry = ::readdir(folder)) {
        if (::strcasecmp(entry->d_name, marker) == 0 && isFileAt(::dirfd(folder), entry->d_name)) {
            found = true;
            break;
        }
    }
    ::closedir(folder);
    return found;
}
