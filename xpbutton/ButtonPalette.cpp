#include "xpbutton/ButtonPalette.h"

namespace qm {

namespace {

StateColours hex(quint32 s0, quint32 s1, quint32 s2, quint32 s3, quint32 s4) {
    return {fromRgbHex(s0), fromRgbHex(s1), fromRgbHex(s2), fromRgbHex(s3), fromRgbHex(s4)};
}

}  // namespace

ButtonPalette defaultButtonPalette() {
    ButtonPalette p;
    //                        Disabled  Normal    Focused   Hot       Pressed
    p.edgeColor       = hex(0xC9C7BA, 0x003C74, 0x003C74, 0x003C74, 0x003C74);
    p.highlightColor  = hex(0,        0xFFFFFF, 0xCEE7FF, 0xFFF3CE, 0);
    p.highlightColor2 = hex(0,        0xFEFEFE, 0xBDD7F7, 0xFFDB8C, 0);
    p.shadowColor2    = hex(0,        0xE2DFD6, 0x8CAEE7, 0xFFB231, 0);
    p.shadowColor     = hex(0,        0xD6D0C5, 0x6B82EF, 0xE69600, 0);
    p.cornerNearColor = hex(0xCEC7BD, 0x7B96AD, 0x7B96AD, 0x7B96AD, 0x7B96AD);
    p.cornerFarColor  = hex(0xC4B18C, 0x215584, 0x215584, 0x215584, 0x215584);
    p.cornerDiagColor = hex(0xC4B18C, 0x527DA5, 0x527DA5, 0x527DA5, 0x527DA5);
    p.ringTopColor    = hex(0,        0xFCFCFB, 0xBDD3F7, 0xE1DF9C, 0);
    p.ringBottomColor = hex(0,        0xECEBE6, 0x8CAEE7, 0xFFB630, 0);
    return p;
}

}  // namespace qm
