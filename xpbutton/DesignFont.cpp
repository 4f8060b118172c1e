#include "xpbutton/DesignFont.h"

namespace qm {

QFont designFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace qm
