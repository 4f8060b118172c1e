#include "xpbutton/AccessKey.h"

namespace qm {

QString accessKeyOf(const QString& caption) {
    const qsizetype length = caption.size();
    // p is 1-based, as the rule counts positions.
    qsizetype p = 1;
    while (p + 1 < length) {
        const qsizetype amp = caption.indexOf(QLatin1Char('&'), p - 1) + 1;
        if (amp == 0 || amp == length) return {};
        const QChar next = caption.at(amp).toLower();
        if (next != QLatin1Char('&')) return QString(next);
        p = amp + 2;
    }
    return {};
}

QString displayCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                shown += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        shown += caption.at(i);
    }
    return shown;
}

}  // namespace qm
