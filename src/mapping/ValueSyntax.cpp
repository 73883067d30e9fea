#include "mapping/ValueSyntax.h"

#include "document/ByteText.h"
#include "mapping/DeclarationList.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tesselo {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
    for (auto word : words)
        if (EqualsIgnoringAsciiCase(text, word))
            return true;
    return false;
}

// The units the chooser offers, then those only read.
constexpr std::array<std::string_view, 16> kChooserUnits = {"px", "pt",   "pc",   "in", "mm",  "cm",
                                                            "q",  "em",   "ex",   "ch", "rem", "vw",
                                                            "vh", "vmin", "vmax", "%"};
constexpr std::array<std::string_view, 17> kOtherUnits = {"vi",  "vb",  "svw", "svh", "lvw", "lvh",
                                                          "dvw", "dvh", "lh",  "rlh", "cap", "ic",
                                                          "rex", "rch", "cqw", "cqh", "cqi"};

// The name of a function called by the whole text ("calc" of "calc(1px + 2%)"), or
// nothing when the text is no single call with balanced parentheses.
std::optional<std::string_view> FunctionName(std::string_view text) {
    size_t open = text.find('(');
    if (open == std::string_view::npos || open == 0 || text.back() != ')')
        return std::nullopt;
    for (size_t i = 0; i < open; ++i)
        if (!IsCssNameChar(text[i]))
            return std::nullopt;
    int depth = 0;
    char quote = 0;
    for (size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0 && i + 1 != text.size()) {
            return std::nullopt; // the call ends before the text does
        }
    }
    if (depth != 0 || quote)
        return std::nullopt;
    return text.substr(0, open);
}

bool IsNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    return digits > 0 && i == text.size();
}

struct NamedColor {
    std::string_view Name;
    uint32_t Rgb;
};

// clang-format off
constexpr std::array<NamedColor, 148> kColorNames = {{
    {"aliceblue", 0xf0f8ff}, {"antiquewhite", 0xfaebd7}, {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4}, {"azure", 0xf0ffff}, {"beige", 0xf5f5dc}, {"bisque", 0xffe4c4},
    {"black", 0x000000}, {"blanchedalmond", 0xffebcd}, {"blue", 0x0000ff},
    {"blueviolet", 0x8a2be2}, {"brown", 0xa52a2a}, {"burlywood", 0xdeb887},
    {"cadetblue", 0x5f9ea0}, {"chartreuse", 0x7fff00}, {"chocolate", 0xd2691e},
    {"coral", 0xff7f50}, {"cornflowerblue", 0x6495ed}, {"cornsilk", 0xfff8dc},
    {"crimson", 0xdc143c}, {"cyan", 0x00ffff}, {"darkblue", 0x00008b}, {"darkcyan", 0x008b8b},
    {"darkgoldenrod", 0xb8860b}, {"darkgray", 0xa9a9a9}, {"darkgreen", 0x006400},
    {"darkgrey", 0xa9a9a9}, {"darkkhaki", 0xbdb76b}, {"darkmagenta", 0x8b008b},
    {"darkolivegreen", 0x556b2f}, {"darkorange", 0xff8c00}, {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000}, {"darksalmon", 0xe9967a}, {"darkseagreen", 0x8fbc8f},
    {"darkslateblue", 0x483d8b}, {"darkslategray", 0x2f4f4f}, {"darkslategrey", 0x2f4f4f},
    {"darkturquoise", 0x00ced1}, {"darkviolet", 0x9400d3}, {"deeppink", 0xff1493},
    {"deepskyblue", 0x00bfff}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff}, {"firebrick", 0xb22222}, {"floralwhite", 0xfffaf0},
    {"forestgreen", 0x228b22}, {"fuchsia", 0xff00ff}, {"gainsboro", 0xdcdcdc},
    {"ghostwhite", 0xf8f8ff}, {"gold", 0xffd700}, {"goldenrod", 0xdaa520}, {"gray", 0x808080},
    {"green", 0x008000}, {"greenyellow", 0xadff2f}, {"grey", 0x808080}, {"honeydew", 0xf0fff0},
    {"hotpink", 0xff69b4}, {"indianred", 0xcd5c5c}, {"indigo", 0x4b0082}, {"ivory", 0xfffff0},
    {"khaki", 0xf0e68c}, {"lavender", 0xe6e6fa}, {"lavenderblush", 0xfff0f5},
    {"lawngreen", 0x7cfc00}, {"lemonchiffon", 0xfffacd}, {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080}, {"lightcyan", 0xe0ffff}, {"lightgoldenrodyellow", 0xfafad2},
    {"lightgray", 0xd3d3d3}, {"lightgreen", 0x90ee90}, {"lightgrey", 0xd3d3d3},
    {"lightpink", 0xffb6c1}, {"lightsalmon", 0xffa07a}, {"lightseagreen", 0x20b2aa},
    {"lightskyblue", 0x87cefa}, {"lightslategray", 0x778899}, {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de}, {"lightyellow", 0xffffe0}, {"lime", 0x00ff00},
    {"limegreen", 0x32cd32}, {"linen", 0xfaf0e6}, {"magenta", 0xff00ff}, {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa}, {"mediumblue", 0x0000cd}, {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db}, {"mediumseagreen", 0x3cb371}, {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a}, {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585}, {"midnightblue", 0x191970}, {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1}, {"moccasin", 0xffe4b5}, {"navajowhite", 0xffdead},
    {"navy", 0x000080}, {"oldlace", 0xfdf5e6}, {"olive", 0x808000}, {"olivedrab", 0x6b8e23},
    {"orange", 0xffa500}, {"orangered", 0xff4500}, {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa}, {"palegreen", 0x98fb98}, {"paleturquoise", 0xafeeee},
    {"palevioletred", 0xdb7093}, {"papayawhip", 0xffefd5}, {"peachpuff", 0xffdab9},
    {"peru", 0xcd853f}, {"pink", 0xffc0cb}, {"plum", 0xdda0dd}, {"powderblue", 0xb0e0e6},
    {"purple", 0x800080}, {"rebeccapurple", 0x663399}, {"red", 0xff0000},
    {"rosybrown", 0xbc8f8f}, {"royalblue", 0x4169e1}, {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072}, {"sandybrown", 0xf4a460}, {"seagreen", 0x2e8b57},
    {"seashell", 0xfff5ee}, {"sienna", 0xa0522d}, {"silver", 0xc0c0c0}, {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd}, {"slategray", 0x708090}, {"slategrey", 0x708090},
    {"snow", 0xfffafa}, {"springgreen", 0x00ff7f}, {"steelblue", 0x4682b4}, {"tan", 0xd2b48c},
    {"teal", 0x008080}, {"thistle", 0xd8bfd8}, {"tomato", 0xff6347}, {"turquoise", 0x40e0d0},
    {"violet", 0xee82ee}, {"wheat", 0xf5deb3}, {"white", 0xffffff}, {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00}, {"yellowgreen", 0x9acd32},
}};
// clang-format on

int Hex(char c) {
    if (IsDigit(c))
        return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<Color> ParseHex(std::string_view digits) {
    for (char c : digits)
        if (Hex(c) < 0)
            return std::nullopt;
    auto one = [&](size_t i) { return uint8_t(17 * Hex(digits[i])); };
    auto two = [&](size_t i) { return uint8_t(16 * Hex(digits[i]) + Hex(digits[i + 1])); };
    switch (digits.size()) {
    case 3:
        return Color{one(0), one(1), one(2), 255};
    case 4:
        return Color{one(0), one(1), one(2), one(3)};
    case 6:
        return Color{two(0), two(2), two(4), 255};
    case 8:
        return Color{two(0), two(2), two(4), two(6)};
    }
    return std::nullopt;
}

// A number, or a percentage of `full`.
std::optional<double> Component(std::string_view text, double full) {
    bool percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    if (!IsNumber(text))
        return std::nullopt;
    double value = std::strtod(std::string(text).c_str(), nullptr);
    return percent ? value * full / 100 : value;
}

std::optional<double> Hue(std::string_view text) {
    double scale = 1;
    for (auto [unit, factor] : {std::pair<std::string_view, double>{"deg", 1},
                                {"grad", 0.9},
                                {"rad", 180 / M_PI},
                                {"turn", 360}}) {
        if (text.size() > unit.size() &&
            EqualsIgnoringAsciiCase(text.substr(text.size() - unit.size()), unit)) {
            text.remove_suffix(unit.size());
            scale = factor;
            break;
        }
    }
    if (!IsNumber(text))
        return std::nullopt;
    return std::strtod(std::string(text).c_str(), nullptr) * scale;
}

uint8_t Channel(double value) {
    return uint8_t(std::lround(std::clamp(value, 0.0, 255.0)));
}

// rgb(), rgba(), hsl(), hsla() with commas or with blanks and "/ alpha".
std::optional<Color> ParseColorFunction(std::string_view name, std::string_view inner) {
    std::vector<std::string_view> parts;
    std::optional<std::string_view> alpha;
    if (inner.find(',') != std::string_view::npos) {
        parts = SplitValue(inner, ',');
        if (parts.size() == 4) {
            alpha = parts[3];
            parts.pop_back();
        }
    } else {
        size_t slash = inner.find('/');
        if (slash != std::string_view::npos) {
            alpha = TrimCssBlanks(inner.substr(slash + 1));
            inner = inner.substr(0, slash);
        }
        parts = SplitValue(inner);
    }
    if (parts.size() != 3)
        return std::nullopt;
    double a = 1;
    if (alpha) {
        auto value = Component(*alpha, 1);
        if (!value)
            return std::nullopt;
        a = std::clamp(*value, 0.0, 1.0);
    }
    const uint8_t alpha8 = Channel(a * 255);
    if (IsOneOf(name, {"rgb", "rgba"})) {
        std::array<uint8_t, 3> rgb{};
        for (size_t i = 0; i < 3; ++i) {
            auto value = Component(parts[i], 255);
            if (!value)
                return std::nullopt;
            rgb[i] = Channel(*value);
        }
        return Color{rgb[0], rgb[1], rgb[2], alpha8};
    }
    auto h = Hue(parts[0]);
    auto s = Component(parts[1], 1);
    auto l = Component(parts[2], 1);
    if (!h || !s || !l || parts[1].back() != '%' || parts[2].back() != '%')
        return std::nullopt;
    const double hue = std::fmod(std::fmod(*h, 360) + 360, 360) / 30;
    const double sat = std::clamp(*s, 0.0, 1.0), light = std::clamp(*l, 0.0, 1.0);
    auto f = [&](double n) {
        const double k = std::fmod(n + hue, 12);
        const double amount = sat * std::min(light, 1 - light);
        return light - amount * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return Color{Channel(f(0) * 255), Channel(f(8) * 255), Channel(f(4) * 255), alpha8};
}

// The shortest decimal that gives the alpha back: 128 is "0.5".
// A number with at most the given decimals, without trailing zeros.
std::string DecimalText(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string AlphaText(uint8_t alpha) {
    for (int decimals = 1; decimals <= 3; ++decimals) {
        const std::string text = DecimalText(alpha / 255.0, decimals);
        if (Channel(std::strtod(text.c_str(), nullptr) * 255) == alpha)
            return text;
    }
    return "1";
}

std::string HexText(Color color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "#";
    auto add = [&](uint8_t component) {
        text += kDigits[component >> 4];
        text += kDigits[component & 15];
    };
    add(color.Red);
    add(color.Green);
    add(color.Blue);
    if (color.Alpha != 255)
        add(color.Alpha);
    return text;
}

std::string RgbText(Color color) {
    std::string text = color.Alpha == 255 ? "rgb(" : "rgba(";
    text += std::to_string(color.Red) + ", " + std::to_string(color.Green) + ", " +
            std::to_string(color.Blue);
    if (color.Alpha != 255)
        text += ", " + AlphaText(color.Alpha);
    return text + ")";
}

std::string HslText(Color color) {
    const double r = color.Red / 255.0, g = color.Green / 255.0, b = color.Blue / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double light = (high + low) / 2, range = high - low;
    double hue = 0, sat = 0;
    if (range > 0) {
        sat = range / (1 - std::abs(2 * light - 1));
        if (high == r)
            hue = std::fmod((g - b) / range + 6, 6);
        else if (high == g)
            hue = (b - r) / range + 2;
        else
            hue = (r - g) / range + 4;
        hue *= 60;
    }
    // Whole numbers where they give the colour back, more decimals where rounding would
    // move a channel: the browser turns the text into the same RGB as was meant.
    std::string text;
    for (int decimals = 0; decimals <= 3; ++decimals) {
        text = color.Alpha == 255 ? "hsl(" : "hsla(";
        text += DecimalText(std::fmod(hue, 360), decimals) + ", " +
                DecimalText(sat * 100, decimals) + "%, " + DecimalText(light * 100, decimals) + "%";
        if (color.Alpha != 255)
            text += ", " + AlphaText(color.Alpha);
        text += ")";
        const auto back = ParseColor(text);
        if (back && back->Red == color.Red && back->Green == color.Green &&
            back->Blue == color.Blue)
            break;
    }
    return text;
}

} // namespace

std::vector<std::string_view> SplitValue(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    int depth = 0;
    char quote = 0;
    auto cut = [&](size_t end) {
        std::string_view part = TrimCssBlanks(text.substr(start, end - start));
        if (!part.empty())
            parts.push_back(part);
        start = end + 1;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '\\') {
            ++i;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            size_t close = text.find("*/", i + 2);
            i = close == std::string_view::npos ? text.size() : close + 1;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && (separator == ' ' ? IsCssBlank(c) : c == separator)) {
            cut(i);
        }
    }
    if (start <= text.size())
        cut(text.size());
    return parts;
}

std::span<const std::string_view> LengthUnits() {
    return kChooserUnits;
}

bool IsLengthUnit(std::string_view unit) {
    return std::any_of(kChooserUnits.begin(), kChooserUnits.end(),
                       [&](auto u) { return EqualsIgnoringAsciiCase(u, unit); }) ||
           std::any_of(kOtherUnits.begin(), kOtherUnits.end(),
                       [&](auto u) { return EqualsIgnoringAsciiCase(u, unit); });
}

bool IsCssWideKeyword(std::string_view text) {
    return IsOneOf(text, {"inherit", "initial", "unset", "revert", "revert-layer"});
}

bool IsMathOrVarFunction(std::string_view text) {
    auto name = FunctionName(text);
    if (!name)
        return false;
    std::string_view n = *name;
    if (n.size() > 8 && EqualsIgnoringAsciiCase(n.substr(0, 8), "-webkit-"))
        n.remove_prefix(8);
    return IsOneOf(n, {"calc", "var", "min", "max", "clamp", "env"});
}

bool HoldsVariable(std::string_view text) {
    const std::string lower = LowerAscii(text);
    for (std::string_view call : {"var(", "env("}) {
        for (size_t at = lower.find(call); at != std::string::npos; at = lower.find(call, at + 1))
            if (at == 0 || !IsCssNameChar(lower[at - 1]))
                return true;
    }
    return false;
}

std::optional<NumberAndUnit> SplitNumberAndUnit(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    std::string_view unit = text.substr(i);
    if (!unit.empty() && !IsLengthUnit(unit))
        return std::nullopt;
    return NumberAndUnit{std::string(text.substr(0, i)), LowerAscii(unit)};
}

bool IsLengthLike(std::string_view text) {
    if (auto parts = SplitNumberAndUnit(text))
        return !parts->Unit.empty() || parts->Number.find_first_not_of("+-0.") == std::string::npos;
    return IsMathOrVarFunction(text);
}

bool IsVendorKeyword(std::string_view text) {
    for (std::string_view prefix : {"-webkit-", "-moz-", "-ms-", "-o-"})
        if (text.size() > prefix.size() &&
            EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix))
            return std::all_of(text.begin(), text.end(), IsCssNameChar);
    return false;
}

bool IsLengthFieldValue(Length field, std::string_view text) {
    text = TrimCssBlanks(text);
    if (text.empty())
        return false;
    if (IsCssWideKeyword(text) || IsMathOrVarFunction(text) || HoldsVariable(text) ||
        IsVendorKeyword(text))
        return true;
    if (auto parts = SplitNumberAndUnit(text))
        return true; // a plain number too, as the field has always written one
    using L = Length;
    switch (field) {
    case L::LineHeight:
    case L::WordSpacing:
    case L::LetterSpacing:
        return IsOneOf(text, {"normal"});
    case L::MarginTop:
    case L::MarginRight:
    case L::MarginBottom:
    case L::MarginLeft:
    case L::BlockTop:
    case L::BlockRight:
    case L::BlockBottom:
    case L::BlockLeft:
    case L::ClipTop:
    case L::ClipRight:
    case L::ClipBottom:
    case L::ClipLeft:
        return IsOneOf(text, {"auto"});
    case L::BlockHeight:
    case L::BlockWidth:
        return IsOneOf(text, {"auto", "min-content", "max-content", "fit-content", "stretch"}) ||
               (FunctionName(text) && IsOneOf(*FunctionName(text), {"fit-content"}));
    case L::BorderWidth: {
        auto widths = SplitValue(text);
        if (widths.empty() || widths.size() > 4)
            return false;
        for (auto width : widths)
            if (!IsLengthLike(width) && !IsOneOf(width, {"thin", "medium", "thick"}))
                return false;
        return true;
    }
    default:
        return false;
    }
}

std::optional<TypedLength> ReadTypedLength(Length field, std::string_view text) {
    text = TrimCssBlanks(text);
    if (!IsLengthFieldValue(field, text))
        return std::nullopt;
    if (auto parts = SplitNumberAndUnit(text)) {
        if (parts->Unit.empty())
            return TypedLength{TypedLength::Kind::Number, parts->Number, ""};
        return TypedLength{TypedLength::Kind::NumberWithUnit, parts->Number, parts->Unit};
    }
    return TypedLength{TypedLength::Kind::Text, std::string(text), ""};
}

std::vector<std::string_view> ColorKeywords() {
    std::vector<std::string_view> names;
    names.reserve(kColorNames.size());
    for (const auto& named : kColorNames)
        names.push_back(named.Name);
    return names;
}

std::optional<Color> ParseColor(std::string_view text) {
    text = TrimCssBlanks(text);
    if (text.empty())
        return std::nullopt;
    if (text[0] == '#')
        return ParseHex(text.substr(1));
    for (const auto& named : kColorNames)
        if (EqualsIgnoringAsciiCase(named.Name, text))
            return Color{uint8_t(named.Rgb >> 16), uint8_t(named.Rgb >> 8), uint8_t(named.Rgb),
                         255};
    auto name = FunctionName(text);
    if (!name || !IsOneOf(*name, {"rgb", "rgba", "hsl", "hsla"}))
        return std::nullopt;
    std::string_view inner = text.substr(name->size() + 1);
    inner.remove_suffix(1);
    if (HoldsVariable(inner))
        return std::nullopt;
    return ParseColorFunction(*name, inner);
}

ColorNotation NotationOf(std::string_view text) {
    text = TrimCssBlanks(text);
    if (!text.empty() && text[0] == '#')
        return ColorNotation::Hex;
    if (text.size() >= 3 && EqualsIgnoringAsciiCase(text.substr(0, 3), "rgb"))
        return ColorNotation::Rgb;
    if (text.size() >= 3 && EqualsIgnoringAsciiCase(text.substr(0, 3), "hsl"))
        return ColorNotation::Hsl;
    return ColorNotation::Name;
}

bool IsColorText(std::string_view text) {
    text = TrimCssBlanks(text);
    if (IsCssWideKeyword(text) || HoldsVariable(text) ||
        IsOneOf(text, {"currentcolor", "transparent"}))
        return true;
    auto name = FunctionName(text);
    return name && IsOneOf(*name, {"color-mix", "color", "lab", "lch", "oklab", "oklch", "hwb",
                                   "light-dark"});
}

std::string WriteColor(Color color, ColorNotation notation) {
    switch (notation) {
    case ColorNotation::Hex:
        return HexText(color);
    case ColorNotation::Rgb:
        return RgbText(color);
    case ColorNotation::Hsl:
        return HslText(color);
    case ColorNotation::Name:
        break;
    }
    if (color.Alpha != 255)
        return RgbText(color);
    return ColorToText(color);
}

} // namespace tesselo
