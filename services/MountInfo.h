#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace qm {

// One line of /proc/<pid>/mountinfo.
struct MountEntry {
    QByteArray mountPoint;  // unescaped, as the kernel's bytes
    QByteArray root;        // the folder of the file system mounted there
    QByteArray fsType;
    QByteArray source;
    unsigned major = 0;
    unsigned minor = 0;
};

// Parses mountinfo text; a line that cannot be parsed is skipped.
std::vector<MountEntry> parseMountInfo(const QByteArray& text);

// Undoes the kernel's octal escapes (\040 for a space, \011, \012, \134).
QByteArray unescapeMountField(const QByteArray& field);

}  // namespace qm
