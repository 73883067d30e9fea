#include "mapping/ColorNames.h"

#include <array>

namespace tesselo {
namespace {

struct NamedColor {
    std::string_view Name;
    std::string_view Text;
};

constexpr std::array<NamedColor, 16> kNames = {{
    {"BLUE", "#0000FF"},
    {"AQUA", "#00FFFF"},
    {"GREEN", "#008000"},
    {"YELLOW", "#FFFF00"},
    {"RED", "#FF0000"},
    {"FUCHSIA", "#FF00FF"},
    {"BLACK", "#000000"},
    {"WHITE", "#FFFFFF"},
    {"GRAY", "#808080"},
    {"SILVER", "#C0C0C0"},
    {"LIME", "#00FF00"},
    {"MAROON", "#800000"},
    {"NAVY", "#000080"},
    {"OLIVE", "#808000"},
    {"PURPLE", "#800080"},
    {"TEAL", "#008080"},
}};

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

uint8_t Pair(char high, char low) {
    return uint8_t(16 * HexValue(high) + HexValue(low));
}

} // namespace

bool IsColorName(std::string_view text) {
    for (const auto& row : kNames)
        if (row.Name == text)
            return true;
    return false;
}

Color TextToColor(std::string_view input) {
    std::string text(input);
    for (const auto& row : kNames) {
        if (row.Name == text) {
            text = row.Text;
            break;
        }
    }
    if (text.size() == 4 && text[0] == '#')
        text = {'#', text[1], text[1], text[2], text[2], text[3], text[3]};
    if (text.size() == 6)
        text = "#" + text;
    if (text.size() == 7 && text[0] == '#')
        return {Pair(text[1], text[2]), Pair(text[3], text[4]), Pair(text[5], text[6])};
    return kFallbackColor;
}

std::string ColorToText(Color color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (uint8_t component : {color.Red, color.Green, color.Blue}) {
        text += kDigits[component >> 4];
        text += kDigits[component & 15];
    }
    for (const auto& row : kNames)
        if (row.Text == text)
            return std::string(row.Name);
    return text;
}

} // namespace tesselo
