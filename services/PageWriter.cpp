#include "services/PageWriter.h"

#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "services/Descriptor.h"
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

// The page's own permissions carry over to its replacement; -1 when there is
// no page yet.
int keptPermissions(int folderFd, const QByteArray& name) {
    struct stat old {};
    if (::fstatat(folderFd, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    return -1;
}

int writeInFolder(int folderFd, const QByteArray& name, const QByteArray& bytes, const SyncCalls& sync) {
    int error = 0;
    const QByteArray temporary =
        writeTemporary(folderFd, name, bytes, sync.file, error, keptPermissions(folderFd, name));
    if (temporary.isEmpty()) return error;
    if (::renameat(folderFd, temporary.constData(), folderFd, name.constData()) != 0) {
        error = errno;
        ::unlinkat(folderFd, temporary.constData(), 0);
        return error;
    }
    // The new entry reaches the medium only when the folder itself is flushed.
    return syncFolder(folderFd, sync.folder);
}

}  // namespace

QString reasonFor(int error) {
    const QString system = systemReason(error);
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

PageFolder::PageFolder(const QString& path) : path_(path), folder_(openFolder(AT_FDCWD, pathToBytes(path))) {
    if (!folder_.isOpen()) error_ = errno;
}

QString PageFolder::openError(const QString& fileName) const {
    return isOpen() ? QString() : describe(childPath(path_, fileName), reasonFor(error_));
}

WriteResult PageFolder::writePage(const QString& fileName, const QString& pageSource, const SyncCalls& sync) const {
    if (!isOpen()) return {false, openError(fileName)};
    qsizetype replaced = 0;
    const QByteArray page = encodePage(pageSource, &replaced);
    const int error = writeInFolder(folder_.get(), pathToBytes(fileName), page, sync);
    if (error != 0) return {false, describe(childPath(path_, fileName), reasonFor(error))};
    return {true, {}, replaced};
}

WriteResult writePageFile(const QString& path, const QString& pageSource, const SyncCalls& sync) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash == 0 ? QStringLiteral("/") : slash < 0 ? QStringLiteral(".") : path.left(slash);
    return PageFolder(folder).writePage(path.mid(slash + 1), pageSource, sync);
}

}  // namespace qm
