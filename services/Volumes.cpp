#include "services/Volumes.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>

#include "services/MountInfo.h"
#include "services/PathBytes.h"

namespace qm {

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

// The kernel marks its mount table changed (POLLPRI) when a mount comes or
// goes; a table read across such a change may mix both states, so it is
// read again.
std::optional<QByteArray> readMountTable(const QString& path) {
    constexpr int kAttempts = 3;
    for (int attempt = 1;; ++attempt) {
        const int fd = ::open(qm::pathToBytes(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return std::nullopt;
        QByteArray text;
        char buffer[16384];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0) text.append(buffer, n);
        pollfd change{fd, POLLPRI, 0};
        const bool changed = ::poll(&change, 1, 0) > 0 && (change.revents & (POLLPRI | POLLERR));
        ::close(fd);
        if (!changed || attempt == kAttempts) return text;
    }
}

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

// The name of the link in folder, under /dev/disk, that leads to the device source.
QByteArray VolumeScanner::linkNameTo(const QString& folder, const QString& source) const {
    const QString device = QFileInfo(devRoot_ + source.mid(4)).canonicalFilePath();
    if (device.isEmpty()) return {};
    QDir links(devRoot_ + "/disk/" + folder);
    for (const QFileInfo& entry : links.entryInfoList(QDir::System | QDir::Files)) {
        if (entry.canonicalFilePath() == device) return QFile::encodeName(entry.fileName());
    }
    return {};
}

QString VolumeScanner::mountTablePath() const { return procRoot_ + QStringLiteral("/self/mountinfo"); }

std::vector<Volume> VolumeScanner::volumes() const {
    const std::optional<QByteArray> table = readMountTable(mountTablePath());
    if (!table) return {};
    // A later mount on the same point hides the earlier one.
    std::map<QByteArray, MountEntry> byMountPoint;
    for (MountEntry& entry : parseMountInfo(*table)) {
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
        if (entry.source.startsWith("/dev/")) {
            const QString source = QFile::decodeName(entry.source);
            volume.label = labelFromLinkName(linkNameTo(QStringLiteral("by-label"), source));
            if (entry.root == "/")
                volume.id = QString::fromLatin1(linkNameTo(QStringLiteral("by-uuid"), source));
        }
        // A folder inside a volume, bound elsewhere, is not that volume.
        if (volume.id.isEmpty() && entry.major != 0 && entry.root == "/")
            volume.id = QStringLiteral("%1:%2").arg(entry.major).arg(entry.minor);
        result.push_back(std::move(volume));
    }
    return result;
}

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Valid UTF-8 as text, anything else as U+FFFD; controls, which would break
// a list entry, as U+FFFD too.
QString readable(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = QChar::ReplacementCharacter;
    return text;
}

}  // namespace

QString labelFromLinkName(const QByteArray& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            const int high = hexDigit(name[i + 2]), low = hexDigit(name[i + 3]);
            if (high >= 0 && low >= 0) {
                bytes += char(high * 16 + low);
                i += 3;
                continue;
            }
        }
        bytes += name[i];
    }
    return readable(bytes);
}

QString mountPointDisplay(const QString& mountPoint) { return readable(qm::pathToBytes(mountPoint)); }

QString volumeDisplayName(const Volume& volume) {
    if (!volume.label.isEmpty()) return volume.label;
    const QByteArray path = qm::pathToBytes(volume.mountPoint);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray last = slash >= 0 && slash + 1 < path.size() ? path.mid(slash + 1) : path;
    return readable(last);
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

}  // namespace qm
