#include "services/PageWriter.h"

#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <sys/stat.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "services/PathBytes.h"

namespace qm {
namespace {

// Length of the UTF-8 sequence that starts with byte c.
int utf8Length(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

// Converts UTF-8 to an 8-bit character set; what the set cannot hold becomes
// "?", counted in `replaced`.
QByteArray convertFromUtf8(const QByteArray& utf8, const char* codeset, qsizetype& replaced) {
    iconv_t cd = iconv_open(codeset, "UTF-8");
    if (cd == iconv_t(-1)) return utf8;  // an unknown set: keep every character
    QByteArray out(utf8.size() + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = utf8.size();
    size_t written = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + written;
        size_t outLeft = out.size() - written;
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        written = out.size() - outLeft;
        if (rc != size_t(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else {  // EILSEQ or EINVAL: one character the set cannot hold
            if (written == size_t(out.size())) out.resize(out.size() * 2);
            out[written++] = '?';
            ++replaced;
            const size_t skip = std::min<size_t>(utf8Length(static_cast<unsigned char>(*in)), inLeft);
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    out.truncate(written);
    return out;
}

QString describe(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1:\n%2").arg(path, reason);
}

// The system's reason, and for a medium that went away mid-write what that
// means to a person.
QString reasonFor(int error) {
    const QString system = QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EXDEV:
    case ESTALE:
    case ENOTCONN:
        return QStringLiteral("The drive or folder is no longer there (%1).").arg(system);
    default:
        return system;
    }
}

// Writes every byte, in chunks so a huge page never asks for one huge call;
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

// Makes a new, exclusive temporary file beside the page; its name, or empty
// with errno set.
QByteArray createTemporary(int folderFd, const QByteArray& name, int& fd) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray candidate = "." + name + "." +
                                     QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(folderFd, candidate.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) return candidate;
        if (errno != EEXIST) return {};
    }
    return {};
}

// The page's own permissions carry over to its replacement.
void keepPermissions(int folderFd, const QByteArray& name, int fd) {
    struct stat old {};
    if (::fstatat(folderFd, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
}

int writeInFolder(int folderFd, const QByteArray& name, const QByteArray& bytes, SyncCall syncFile) {
    int fd = -1;
    const QByteArray temporary = createTemporary(folderFd, name, fd);
    if (temporary.isEmpty()) return errno;
    keepPermissions(folderFd, name, fd);
    int error = 0;
    if (!writeAll(fd, bytes) || syncFile(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::renameat(folderFd, temporary.constData(), folderFd, name.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folderFd, temporary.constData(), 0);
        return error;
    }
    // The new entry reaches the medium only when the folder itself is synced.
    if (::fsync(folderFd) != 0 && errno != EINVAL && errno != EROFS) return errno;
    return 0;
}

}  // namespace

QByteArray pageCodeset() {
    const char* ctype = ::setlocale(LC_CTYPE, nullptr);
    if (!ctype || qstrcmp(ctype, "C") == 0 || qstrcmp(ctype, "POSIX") == 0) return "UTF-8";
    return nl_langinfo(CODESET);
}

QByteArray encodeForCharset(const QString& text, const char* codeset, qsizetype* replaced) {
    qsizetype lost = 0;
    QByteArray bytes;
    if (qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0) {
        bytes = text.toUtf8();
    } else if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        bytes = text.toLatin1();  // every 8-bit set the program meets holds ASCII as it is
    } else {
        bytes = convertFromUtf8(text.toUtf8(), codeset, lost);
    }
    if (replaced) *replaced = lost;
    return bytes;
}

QByteArray encodePage(const QString& pageSource, qsizetype* replaced) {
    return encodeForCharset(pageSource, pageCodeset().constData(), replaced) + "\r\n";
}

QString replacedCharactersNote(qsizetype replaced) {
    if (replaced <= 0) return {};
    const QString set = QString::fromLatin1(pageCodeset());
    return replaced == 1
               ? QStringLiteral("\n\n1 character became \"?\": this system's character set (%1) cannot hold it.").arg(set)
               : QStringLiteral("\n\n%1 characters became \"?\": this system's character set (%2) cannot hold them.")
                     .arg(replaced)
                     .arg(set);
}

PageFolder::PageFolder(const QString& path) : path_(path) {
    fd_ = ::open(pathToBytes(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0) error_ = errno;
}

PageFolder::~PageFolder() {
    if (fd_ >= 0) ::close(fd_);
}

QString PageFolder::openError(const QString& fileName) const {
    return isOpen() ? QString() : describe(childPath(path_, fileName), reasonFor(error_));
}

WriteResult PageFolder::writePage(const QString& fileName, const QString& pageSource, SyncCall syncFile) const {
    if (!isOpen()) return {false, openError(fileName)};
    qsizetype replaced = 0;
    const QByteArray page = encodePage(pageSource, &replaced);
    const int error = writeInFolder(fd_, pathToBytes(fileName), page, syncFile ? syncFile : ::fsync);
    if (error != 0) return {false, describe(childPath(path_, fileName), reasonFor(error))};
    return {true, {}, replaced};
}

WriteResult writePageFile(const QString& path, const QString& pageSource, SyncCall syncFile) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash == 0 ? QStringLiteral("/") : slash < 0 ? QStringLiteral(".") : path.left(slash);
    return PageFolder(folder).writePage(path.mid(slash + 1), pageSource, syncFile);
}

}  // namespace qm
