#include "xpbutton/DesignFont.h"

namespace qm {

QFont designFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    // Set, not inherited: inside a window whose own font is condensed, text in
    // this font would otherwise be condensed too, unlike the buttons' captions.
    font.setStretch(QFont::Unstretched);
    return font;
}

}  // namespace qm
