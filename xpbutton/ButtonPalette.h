#pragma once

#include <QtGlobal>
#include <array>

namespace qm {

// Colours are held as 0x00BBGGRR (red in the lowest byte), the form the
// stored ForeColor uses too.
constexpr quint32 fromRgbHex(quint32 rrggbb) {
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}
// 0x00BBGGRR to an opaque QRgb (0xFFRRGGBB).
constexpr quint32 toQRgb(quint32 bgr) {
    return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// One colour per visual state, indexed by qm::ButtonLook. States whose
// looks never use a table hold 0 there.
using StateColours = std::array<quint32, 5>;

struct ButtonPalette {
    StateColours edgeColor{};
    StateColours highlightColor{};
    StateColours highlightColor2{};
    StateColours shadowColor2{};
    StateColours shadowColor{};
    StateColours cornerNearColor{};
    StateColours cornerFarColor{};
    StateColours cornerDiagColor{};
    StateColours ringTopColor{};
    StateColours ringBottomColor{};
};

ButtonPalette defaultButtonPalette();

// Fixed colours of the face and caption.
inline constexpr quint32 InnerFaceTop = fromRgbHex(0xFCFCFB);
inline constexpr quint32 InnerFaceBottom = fromRgbHex(0xECEBE6);
inline constexpr quint32 DisabledFace = fromRgbHex(0xF5F4EA);
inline constexpr quint32 PressedFace = fromRgbHex(0xE7E3DE);
inline constexpr quint32 DisabledText = fromRgbHex(0xA1A192);

}  // namespace qm
