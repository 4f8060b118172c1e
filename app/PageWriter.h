#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// The page file format: the page source in the locale's character set, no
// byte-order mark, followed by one CR LF.
QByteArray encodePage(const QString& pageSource);

// The text in the named 8-bit or UTF-8 character set, "?" for what it cannot hold.
QByteArray encodeForCharset(const QString& text, const char* codeset);

struct WriteResult {
    bool ok = false;
    QString error;  // names the path and the system's reason when !ok
};

// Flushes an open file to its medium; 0 on success, else -1 with errno set.
using SyncCall = int (*)(int fd);

// Replaces the file at path whole with the encoded page, or leaves it exactly
// as it was. Flushes file and folder to the medium before reporting success.
// A link at path is replaced itself, never written through, and the folder is
// not entered through a link either. Paths are in pathFromBytes form.
WriteResult writePageFile(const QString& path, const QString& pageSource, SyncCall syncFile = nullptr);

}  // namespace qm
