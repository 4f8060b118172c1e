#include "services/MountInfo.h"

#include <QList>

namespace qm {

QByteArray unescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        const bool octal = c == '\\' && i + 3 < field.size() &&
                           field[i + 1] >= '0' && field[i + 1] <= '3' && field[i + 2] >= '0' &&
                           field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7';
        if (octal) {
            out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                        (field[i + 3] - '0'));
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

bool parseDevice(const QByteArray& field, unsigned& major, unsigned& minor) {
    const qsizetype colon = field.indexOf(':');
    if (colon <= 0) return false;
    bool okMajor = false, okMinor = false;
    major = field.left(colon).toUInt(&okMajor);
    minor = field.mid(colon + 1).toUInt(&okMinor);
    return okMajor && okMinor;
}

}  // namespace

std::vector<MountEntry> parseMountInfo(const QByteArray& text) {
    std::vector<MountEntry> entries;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        // id parent maj:min root mountpoint options [optional...] - fstype source superoptions
        const qsizetype separator = fields.indexOf(QByteArray("-"), 6);
        if (fields.size() < 10 || separator < 0 || separator + 2 >= fields.size()) continue;
        MountEntry entry;
        if (!parseDevice(fields[2], entry.major, entry.minor)) continue;
        entry.root = unescapeMountField(fields[3]);
        entry.mountPoint = unescapeMountField(fields[4]);
        if (!entry.mountPoint.startsWith('/')) continue;
        entry.fsType = fields[separator + 1];
        entry.source = unescapeMountField(fields[separator + 2]);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace qm
