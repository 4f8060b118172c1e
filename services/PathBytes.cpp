#include "services/PathBytes.h"

namespace qm {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool continuation(unsigned char c, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return c >= low && c <= high;
}

// Length of the valid UTF-8 sequence at text[i], or 0 when it is not one.
qsizetype validSequence(const QByteArray& text, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(text[k]); };
    const qsizetype left = text.size() - i;
    const unsigned char c = at(i);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return left >= 2 && continuation(at(i + 1)) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned char low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
        return left >= 3 && continuation(at(i + 1), low, high) && continuation(at(i + 2)) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned char low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
        return left >= 4 && continuation(at(i + 1), low, high) && continuation(at(i + 2)) &&
                       continuation(at(i + 3))
                   ? 4
                   : 0;
    }
    return 0;
}

}  // namespace

QString pathFromBytes(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = validSequence(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        out += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        runStart = ++i;
    }
    out += QString::fromUtf8(bytes.constData() + runStart, bytes.size() - runStart);
    return out;
}

QByteArray pathToBytes(const QString& path) {
    QByteArray out;
    out.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t u = path[i].unicode();
        // A low surrogate with no high one before it is an escaped byte.
        const bool paired = i > 0 && path[i - 1].isHighSurrogate();
        if (u < kEscapeBase + 0x80 || u > kEscapeBase + 0xFF || paired) continue;
        out += QStringView(path).mid(runStart, i - runStart).toUtf8();
        out += char(u - kEscapeBase);
        runStart = i + 1;
    }
    out += QStringView(path).mid(runStart).toUtf8();
    return out;
}

QString childPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

}  // namespace qm
