#pragma once

// The reader's rule scan written out step by step, as slowly and plainly as it is
// described: to extract rule n the whole text is scanned from its start, and every
// character goes through the same three steps. It is the reference that the
// one-pass reader of src/document is compared with. Nothing here calls the reader.

#include "document/ByteText.h"
#include "document/StyleDocument.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo::testing {

// A rule as the scan gives it: the selector and the declaration lines.
struct LiteralRule {
    std::string Selector;
    tesselo::LineList Lines;
    bool operator==(const LiteralRule&) const = default;
};

// Selector and declaration lines of rule n (from 0); nullopt when the text holds
// fewer than n + 1 "{".
std::optional<LiteralRule> LiteralParseCSSRule(const tesselo::LineList& sheet, int n);

// Rules 0, 1, 2 ... until one does not exist.
std::vector<LiteralRule> LiteralLoadStyles(const tesselo::LineList& sheet);

// The selector trim of the scan: spaces and bytes above 127 off both ends.
std::string LiteralTrimSelector(std::string_view text);

// A random sheet-like text of at most maxLength bytes: braces, comments, lone "*"
// and "/", CR, LF, CR LF, NUL, tabs, bytes 127-255, unclosed blocks, nested
// "@media" blocks, selector words and declarations. The same generator state gives
// the same text.
std::string RandomSheetBytes(std::mt19937& rng, size_t maxLength);

// Whether the "@" at `at` begins a group's condition ("@media x"), which the reader
// takes in and the old scan did not.
bool StartsAGroup(std::string_view text, size_t at);

// A text of RandomSheetBytes with what the old scan cut otherwise made blank: quotes and
// backslashes outside comments, braces inside comments, a "{" inside a block, comment
// marks that share a character ("/*/", "*/*") and the "@" of a group's condition. What
// is left (braces, comments, line ends, NUL, high bytes, unclosed blocks) the reference
// and the reader cut alike.
std::string FlatSheetBytes(std::mt19937& rng, size_t maxLength);

// The bytes as a C string literal body ("a\r\n\xC0"), for reproducing a failure.
std::string EscapeBytes(std::string_view bytes);
// The lines of a sheet or a rule, each escaped, for failure messages.
std::string DescribeRules(const std::vector<LiteralRule>& rules);

// The selector and the lines of each record.
std::vector<LiteralRule> RulesOf(const std::vector<tesselo::StyleRecord>& records);

} // namespace tesselo::testing

namespace tesselo {

// Lets the test framework show a record's bytes readably in failure messages.
inline void PrintTo(const StyleRecord& record, std::ostream* os) {
    *os << "{\"" << testing::EscapeBytes(record.Selector) << "\", {";
    const LineList& lines = record.Lines();
    for (size_t i = 0; i < lines.size(); ++i)
        *os << (i ? ", \"" : "\"") << testing::EscapeBytes(lines[i]) << "\"";
    *os << "}" << (record.Edited() ? ", edited" : "") << "}";
}

} // namespace tesselo

namespace tesselo::testing {

inline void PrintTo(const LiteralRule& rule, std::ostream* os) {
    *os << "{\"" << EscapeBytes(rule.Selector) << "\", {";
    for (size_t i = 0; i < rule.Lines.size(); ++i)
        *os << (i ? ", \"" : "\"") << EscapeBytes(rule.Lines[i]) << "\"";
    *os << "}}";
}

} // namespace tesselo::testing
