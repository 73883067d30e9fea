#include "panel/LengthText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tesselo {
namespace {

// Above this magnitude nothing printable is taken any more.
constexpr double kLargestTyped = 9999;

} // namespace

double ReadDecimal(std::string_view text) {
    if (text.empty() || text == "-")
        return 0;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return 0;
    (void)end;
    return value;
}

int32_t RoundHalfEven(double value) {
    const double rounded = std::nearbyint(value); // the default rounding is to even
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

bool IsNumberText(std::string_view text) {
    return text.find_first_not_of("0123456789.,-") == std::string_view::npos;
}

namespace {

// What a CSS value of a length field is made of besides digits: unit and keyword
// letters, "%", and the parentheses, blanks, commas and operators of calc(), var(),
// min(), max() and clamp().
bool IsValueCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("%() ,*/+-._").find(c) != std::string_view::npos;
}

} // namespace

KeyVerdict FilterLengthKey(std::string_view text, char key) {
    KeyVerdict verdict;
    const auto code = static_cast<unsigned char>(key);
    if (code < 32) {
        verdict.Accepted = true;
        verdict.Key = key;
        return verdict;
    }
    const bool number = IsNumberText(text);
    const bool numberKey = (key >= '0' && key <= '9') || key == ',' || key == '.' || key == '-';
    if (!number || !numberKey) {
        // Text beyond a number (a unit, a keyword, a function) is typed as it stands;
        // a number already too long takes nothing more.
        verdict.Accepted =
            IsValueCharacter(key) && !(number && std::fabs(ReadDecimal(text)) > kLargestTyped);
        verdict.Key = key;
        return verdict;
    }
    std::string before(text);
    if (key == ',' || key == '.') {
        verdict.Accepted = before.find('.') == std::string::npos;
        verdict.Key = '.';
    } else if (key == '-') {
        verdict.Retyped = true;
        if (auto minus = before.find('-'); minus != std::string::npos) {
            // A second minus takes the sign away.
            verdict.Text = before;
            verdict.Text.erase(minus, 1);
            return verdict;
        }
        verdict.Text = "-" + before;
        before = verdict.Text;
    } else {
        verdict.Accepted = before.find('-', 1) == std::string::npos;
        verdict.Key = key;
    }
    if (std::fabs(ReadDecimal(before)) > kLargestTyped) {
        verdict.Accepted = false;
        if (verdict.Retyped)
            verdict.Text = std::string(text);
    }
    return verdict;
}

WholeReading ReadWhole16(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return {0, WholeError::NotANumber};
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > 32768)
            return {0, WholeError::OutOfRange};
    }
    if (text[0] == '-')
        value = -value;
    if (value > 32767)
        return {0, WholeError::OutOfRange};
    return {static_cast<int>(value), WholeError::None};
}

LeaveResult NormaliseOnLeave(std::string_view text) {
    LeaveResult result;
    std::string d(text);
    // From the end, so that the part before a separator is taken as it stood.
    for (size_t i = d.size(); i-- > 0;) {
        const char c = d[i];
        if ((c >= '0' && c <= '9') || c == '-')
            continue;
        if (c == ',' || c == '.') {
            d[i] = '.';
            result.WholePart = d.substr(0, i);
            continue;
        }
        d.erase(i, 1);
    }
    result.Text = std::move(d);
    return result;
}

} // namespace tesselo
