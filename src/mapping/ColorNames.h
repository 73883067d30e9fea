#pragma once

// Colours as the swatches hold them and colours as declarations write them: one of
// sixteen upper-case names or "#RRGGBB".

#include <cstdint>
#include <string>
#include <string_view>

namespace tesselo {

struct Color {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    uint8_t Alpha = 255; // 255 is opaque
    bool operator==(const Color&) const = default;
};

// How a colour was written, so that a changed colour is written the same way.
enum class ColorNotation : uint8_t { Name, Hex, Rgb, Hsl };

// What an unreadable colour text turns into; written back as "#123456".
inline constexpr Color kFallbackColor{0x12, 0x34, 0x56};

// The system's button-face colour, as the not-set border swatch shows it.
inline constexpr Color kButtonFaceColor{0xF0, 0xF0, 0xF0};

Color TextToColor(std::string_view text);
std::string ColorToText(Color color);

// True when the text is one of the sixteen names (upper case, as the table holds them).
bool IsColorName(std::string_view text);

} // namespace tesselo
