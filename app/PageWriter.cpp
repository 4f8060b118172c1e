#include "PageWriter.h"

#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringView>
#include <cerrno>
#include <cstring>

namespace qm {
namespace {

// Length of the UTF-8 sequence that starts with byte c.
int utf8Length(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

// Converts UTF-8 to an 8-bit character set; what the set cannot hold becomes "?".
QByteArray convertFromUtf8(const QByteArray& utf8, const char* codeset) {
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
    return QStringLiteral("Could not write %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
}

// Folder entries reach the medium only when the folder itself is synced.
bool syncFolder(const QString& folder, QString& reason) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        reason = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    if (!ok) reason = QString::fromLocal8Bit(strerror(errno));
    ::close(fd);
    return ok;
}

}  // namespace

QByteArray encodeForCharset(const QString& text, const char* codeset) {
    if (qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0) return text.toUtf8();
    // Every 8-bit set the program meets holds ASCII as it is.
    if (QtPrivate::isAscii(text)) return text.toLatin1();
    // The plain C locale reports its set as ANSI_X3.4-1968, that is ASCII.
    return convertFromUtf8(text.toUtf8(), codeset);
}

QByteArray encodePage(const QString& pageSource) {
    return encodeForCharset(pageSource, nl_langinfo(CODESET)) + "\r\n";
}

WriteResult writePageFile(const QString& path, const QString& pageSource) {
    const QByteArray bytes = encodePage(pageSource);
    QSaveFile file(path);
    // Unbuffered, so a short write on a full medium shows at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, describe(path, file.errorString())};
    constexpr qsizetype kChunk = 1 << 20;
    for (qsizetype offset = 0; offset < bytes.size(); offset += kChunk) {
        const qsizetype length = std::min(kChunk, bytes.size() - offset);
        if (file.write(bytes.constData() + offset, length) != length) {
            QString reason = file.errorString();
            file.cancelWriting();
            return {false, describe(path, reason)};
        }
    }
    if (::fsync(file.handle()) != 0) {
        QString reason = QString::fromLocal8Bit(strerror(errno));
        file.cancelWriting();
        return {false, describe(path, reason)};
    }
    if (!file.commit()) return {false, describe(path, file.errorString())};
    QString reason;
    if (!syncFolder(QFileInfo(path).absolutePath(), reason)) return {false, describe(path, reason)};
    return {true, {}};
}

}  // namespace qm
