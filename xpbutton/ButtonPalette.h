#pragma once

#include <QtGlobal>
#include <array>

namespace xp {

// Colours are held as 0x00BBGGRR (red in the lowest byte), the form the
// stored ForeColor uses too.
constexpr quint32 fromRgbHex(quint32 rrggbb) {
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}
// 0x00BBGGRR to an opaque QRgb (0xFFRRGGBB).
constexpr quint32 toQRgb(quint32 bgr) {
    return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// One colour per visual state, indexed by xp::VisualStateValue. States whose
// looks never use a table hold 0 there.
using StateColours = std::array<quint32, 5>;

struct ButtonPalette {
    StateColours EdgeColor{};
    StateColours HighlightColor{};
    StateColours HighlightColor2{};
    StateColours ShadowColor2{};
    StateColours ShadowColor{};
    StateColours CornerNearColor{};
    StateColours CornerFarColor{};
    StateColours CornerDiagColor{};
    StateColours RingTopColor{};
    StateColours RingBottomColor{};
};

ButtonPalette InitPalette();

// Fixed colours of the face and caption.
inline constexpr quint32 InnerFaceTop = fromRgbHex(0xFCFCFB);
inline constexpr quint32 InnerFaceBottom = fromRgbHex(0xECEBE6);
inline constexpr quint32 DisabledFace = fromRgbHex(0xF5F4EA);
inline constexpr quint32 PressedFace = fromRgbHex(0xE7E3DE);
inline constexpr quint32 DisabledText = fromRgbHex(0xA1A192);

}  // namespace xp
