#pragma once

#include <QByteArray>
#include <QString>

#include "services/Descriptor.h"

namespace qm {

// The character set pages are written in: the locale's, except that the
// plain C and POSIX locales, which know only ASCII, get UTF-8.
QByteArray pageCodeset();

// The page file format: the page source in pageCodeset(), no byte-order
// mark, followed by one CR LF. `replaced` counts the characters written as "?".
QByteArray encodePage(const QString& pageSource, qsizetype* replaced = nullptr);

// The text in the named 8-bit or UTF-8 character set, "?" for each character
// it cannot hold; `replaced` counts those.
QByteArray encodeForCharset(const QString& text, const char* codeset, qsizetype* replaced = nullptr);

// The sentence that tells how many characters became "?", with a leading
// line break; empty when none did.
QString replacedCharactersNote(qsizetype replaced);

struct WriteResult {
    bool ok = false;
    QString error;           // names the path and the system's reason when !ok
    qsizetype replaced = 0;  // characters the character set could not hold, written as "?"
};

// The system's reason for an error number; for a medium that went away
// mid-write, what that means to a person.
QString reasonFor(int error);

// A folder opened for writing pages into, not entered through a link. While
// it is open, the volume it is on cannot be unmounted normally.
class PageFolder {
public:
    explicit PageFolder(const QString& path);  // in pathFromBytes form

    bool isOpen() const { return folder_.isOpen(); }
    // Why it could not be opened, for the file name in it; empty when open.
    QString openError(const QString& fileName) const;

    // Replaces fileName in the folder whole with the encoded page, or leaves
    // it exactly as it was; flushes file and folder before reporting success.
    // A link at fileName is replaced itself, never written through.
    WriteResult writePage(const QString& fileName, const QString& pageSource,
                          const SyncCalls& sync = {}) const;

private:
    QString path_;
    Descriptor folder_;
    int error_ = 0;
};

// Replaces the file at path whole with the encoded page, or leaves it exactly
// as it was. Flushes file and folder to the medium before reporting success.
// A link at path is replaced itself, never written through, and the folder is
// not entered through a link either. Paths are in pathFromBytes form.
WriteResult writePageFile(const QString& path, const QString& pageSource, const SyncCalls& sync = {});

}  // namespace qm
