#include "editor/MediaWidth.h"

#include "document/ByteText.h"
#include "mapping/DeclarationList.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tesselo {
namespace {

constexpr double kFontSize = 16; // px of 1em and 1rem in a page that sets none

// Splits at `mark` outside parentheses.
std::vector<std::string_view> SplitTop(std::string_view text, char mark) {
    std::vector<std::string_view> parts;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            depth = std::max(0, depth - 1);
        else if (text[i] == mark && depth == 0) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// "768px", "48em", "0": pixels.
std::optional<double> Pixels(std::string_view text) {
    text = TrimCssBlanks(text);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc())
        return std::nullopt;
    const std::string unit =
        LowerAscii(std::string_view(end, static_cast<size_t>(text.data() + text.size() - end)));
    if (unit == "px" || (unit.empty() && number == 0))
        return number;
    if (unit == "em" || unit == "rem")
        return number * kFontSize;
    return std::nullopt;
}

// The widths a feature lets through: [Low, High].
struct Range {
    double Low = -1e9;
    double High = 1e9;
};

// "(min-width: 768px)", "(width >= 600px)", "(400px <= width < 800px)"; nothing for a
// feature that is not the width.
std::optional<Range> WidthRange(std::string_view feature) {
    const std::string text = LowerAscii(TrimCssBlanks(feature));
    if (const size_t colon = text.find(':'); colon != std::string::npos) {
        const std::string_view name = TrimCssBlanks(std::string_view(text).substr(0, colon));
        const auto value = Pixels(std::string_view(text).substr(colon + 1));
        if (!value)
            return std::nullopt;
        if (name == "min-width")
            return Range{*value, 1e9};
        if (name == "max-width")
            return Range{-1e9, *value};
        if (name == "width")
            return Range{*value, *value};
        return std::nullopt;
    }
    // The range form: values and "width" joined by <, <=, >, >=.
    std::vector<std::string> parts;
    std::vector<std::string> signs;
    std::string part;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<' || text[i] == '>') {
            std::string sign(1, text[i]);
            if (i + 1 < text.size() && text[i + 1] == '=')
                sign += text[++i];
            parts.emplace_back(TrimCssBlanks(part));
            signs.push_back(sign);
            part.clear();
        } else {
            part += text[i];
        }
    }
    parts.emplace_back(TrimCssBlanks(part));
    const auto width = std::find(parts.begin(), parts.end(), "width");
    if (signs.empty() || width == parts.end())
        return std::nullopt;
    Range range;
    const auto at = static_cast<size_t>(width - parts.begin());
    constexpr double kStep = 0.01; // a strict bound, as a fraction of a pixel
    for (size_t i = 0; i < signs.size(); ++i) {
        // parts[i] signs[i] parts[i + 1]; one side is the width.
        const bool widthLeft = i == at;
        const bool widthRight = i + 1 == at;
        if (!widthLeft && !widthRight)
            return std::nullopt;
        const auto value = Pixels(parts[widthLeft ? i + 1 : i]);
        if (!value)
            return std::nullopt;
        const std::string& sign = signs[i];
        const bool strict = sign.size() == 1;
        // Written as "width < v" or "v > width": an upper bound.
        const bool upper = (sign[0] == '<') == widthLeft;
        if (upper)
            range.High = std::min(range.High, strict ? *value - kStep : *value);
        else
            range.Low = std::max(range.Low, strict ? *value + kStep : *value);
    }
    return range;
}

// One media query: "screen and (min-width: 768px)", "not print", "(max-width: 40em)".
MediaAnswer QueryHoldsAt(std::string_view query, double width) {
    std::string text = LowerAscii(TrimCssBlanks(query));
    bool negated = false;
    if (text.starts_with("not ")) {
        negated = true;
        text = std::string(TrimCssBlanks(std::string_view(text).substr(4)));
    } else if (text.starts_with("only ")) {
        text = std::string(TrimCssBlanks(std::string_view(text).substr(5)));
    }
    MediaAnswer answer = MediaAnswer::Holds;
    // The parts joined by "and", at the top level.
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsCssBlank(text[at]))
            ++at;
        if (at >= text.size())
            break;
        size_t end = at;
        if (text[at] == '(') {
            int depth = 0;
            for (; end < text.size(); ++end) {
                if (text[end] == '(')
                    ++depth;
                else if (text[end] == ')' && --depth == 0)
                    break;
            }
            if (end >= text.size())
                return MediaAnswer::Unknown;
            const std::string_view inner = std::string_view(text).substr(at + 1, end - at - 1);
            ++end;
            if (inner.find('(') != std::string_view::npos ||
                inner.find(" or ") != std::string_view::npos) {
                answer = MediaAnswer::Unknown; // nested or "or": left to the page
            } else if (const auto range = WidthRange(inner)) {
                if (width < range->Low || width > range->High)
                    return negated ? MediaAnswer::Holds : MediaAnswer::DoesNotHold;
            } else if (answer == MediaAnswer::Holds) {
                answer = MediaAnswer::Unknown;
            }
        } else {
            while (end < text.size() && !IsCssBlank(text[end]) && text[end] != '(')
                ++end;
            const std::string_view word = std::string_view(text).substr(at, end - at);
            if (word == "print" || word == "speech" || word == "tty" || word == "tv" ||
                word == "projection" || word == "handheld" || word == "braille" ||
                word == "embossed" || word == "aural")
                return negated ? MediaAnswer::Holds : MediaAnswer::DoesNotHold;
            if (word != "and" && word != "screen" && word != "all" && answer == MediaAnswer::Holds)
                answer = MediaAnswer::Unknown;
        }
        at = end;
    }
    if (negated && answer != MediaAnswer::Unknown)
        return answer == MediaAnswer::Holds ? MediaAnswer::DoesNotHold : MediaAnswer::Holds;
    return answer;
}

MediaAnswer ListHoldsAt(std::string_view list, double width) {
    bool unknown = false;
    for (std::string_view query : SplitTop(list, ',')) {
        const MediaAnswer answer = QueryHoldsAt(query, width);
        if (answer == MediaAnswer::Holds)
            return answer;
        unknown = unknown || answer == MediaAnswer::Unknown;
    }
    return unknown ? MediaAnswer::Unknown : MediaAnswer::DoesNotHold;
}

// The media query list of an "@media" condition; nothing for another group.
std::optional<std::string_view> MediaList(std::string_view condition) {
    condition = TrimCssBlanks(condition);
    constexpr std::string_view kMedia = "@media";
    if (condition.size() < kMedia.size() ||
        LowerAscii(condition.substr(0, kMedia.size())) != kMedia)
        return std::nullopt;
    condition.remove_prefix(kMedia.size());
    if (!condition.empty() && !IsCssBlank(condition.front()) && condition.front() != '(')
        return std::nullopt; // "@media-like"
    return TrimCssBlanks(condition);
}

} // namespace

MediaAnswer GroupHoldsAt(std::string_view condition, int width) {
    const auto list = MediaList(condition);
    if (!list)
        return MediaAnswer::Unknown;
    if (list->empty())
        return MediaAnswer::Holds;
    return ListHoldsAt(*list, width);
}

std::optional<int> WidthWhereHolds(std::string_view condition, int near) {
    const auto list = MediaList(condition);
    if (!list)
        return std::nullopt;
    if (ListHoldsAt(*list, near) == MediaAnswer::Holds)
        return near;
    // The width changes the answer only at the bounds the condition names.
    std::vector<int> candidates;
    for (size_t at = 0; (at = list->find('(', at)) != std::string_view::npos; ++at) {
        const size_t end = list->find(')', at);
        if (end == std::string_view::npos)
            break;
        if (const auto range = WidthRange(list->substr(at + 1, end - at - 1))) {
            for (double bound : {range->Low, range->High})
                if (std::abs(bound) < 1e8)
                    for (int nearBound :
                         {static_cast<int>(std::floor(bound)) - 1,
                          static_cast<int>(std::floor(bound)), static_cast<int>(std::ceil(bound)),
                          static_cast<int>(std::ceil(bound)) + 1})
                        if (nearBound > 0)
                            candidates.push_back(nearBound);
        }
    }
    std::optional<int> best;
    for (int width : candidates)
        if (ListHoldsAt(*list, width) == MediaAnswer::Holds &&
            (!best || std::abs(width - near) < std::abs(*best - near)))
            best = width;
    return best;
}

int GroupNotHoldingAt(const StyleDocument& document, int row, int width) {
    for (int at = row; at >= 0 && at < document.StyleCount(); at = document.ParentOf(at)) {
        const StyleRecord& record = document.Record(at);
        if (record.IsGroup() && GroupHoldsAt(record.Selector, width) == MediaAnswer::DoesNotHold)
            return at;
    }
    return -1;
}

std::string NotAtWidthText(std::string_view condition, int width) {
    return "Не действует при ширине " + std::to_string(width) +
           " пикселей: " + std::string(TrimCssBlanks(condition));
}

} // namespace tesselo
