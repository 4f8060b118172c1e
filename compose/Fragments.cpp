#include "compose/Fragments.h"

namespace qm {

namespace fragment {

namespace {
const QString kBreak = QStringLiteral("<BR>\r\n");
}

QString newLine() { return kBreak; }

QString colouredText(const QString& quote, const QString& colour, const QString& size,
                     const QString& text) {
    return QStringLiteral("<font color=") + quote + colour + quote + QStringLiteral(" size=") + quote +
           size + quote + QStringLiteral(">") + text + QStringLiteral("</font>") + kBreak;
}

QString hyperlink(const QString& quote, const QString& target, const QString& text) {
    return QStringLiteral("<a href = ") + quote + target + quote + QStringLiteral(">") + text +
           QStringLiteral("</a>") + kBreak;
}

QString searchBar(const QString& block) { return block + kBreak; }

QString backgroundImage(const QString& quote, const QString& imageName) {
    return QStringLiteral("<body background=") + quote + QStringLiteral("PSP/Photo/") + imageName +
           quote + QStringLiteral(">");
}

QString backgroundColour(const QString& quote, const QString& code) {
    return QStringLiteral("<body bgcolor= ") + quote + code + quote + QStringLiteral(">");
}

QString picture(const QString& quote, const QString& fileName) {
    return QStringLiteral("<img src=") + quote + QStringLiteral("PSP/Photo/") + fileName + quote + QStringLiteral(">");
}

}  // namespace fragment

}  // namespace qm
