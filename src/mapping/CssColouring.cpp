#include "mapping/CssColouring.h"

#include "document/ByteText.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"

#include <array>
#include <string>

namespace tesselo {
namespace {

using Kind = CssSpanKind;
using Expect = CssLineState::Expect;
using Piece = CssPiece::Kind;

constexpr uint8_t kMaxDepth = 31;
constexpr unsigned kBlockBits = 22;

// The at-rules whose block holds rules rather than declarations.
constexpr std::array<std::string_view, 10> kRuleBlocks = {
    "media",         "supports", "layer",     "container",         "document",
    "-moz-document", "scope",    "keyframes", "-webkit-keyframes", "starting-style",
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsName(std::string_view line, size_t at) {
    const char c = line[at];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
        static_cast<unsigned char>(c) >= 0x80 || c == '\\')
        return true;
    if (c == '-' && at + 1 < line.size())
        return !IsDigit(line[at + 1]) && (IsCssNameChar(line[at + 1]) || line[at + 1] == '\\');
    return false;
}

bool StartsNumber(std::string_view line, size_t at) {
    auto digitAt = [&](size_t i) { return i < line.size() && IsDigit(line[i]); };
    size_t i = at;
    if (line[i] == '+' || line[i] == '-')
        ++i;
    return digitAt(i) || (i < line.size() && line[i] == '.' && digitAt(i + 1));
}

// Past a name from `at`: its name characters and escapes.
size_t NameEnd(std::string_view line, size_t at) {
    while (at < line.size()) {
        if (IsCssNameChar(line[at])) {
            ++at;
        } else if (line[at] == '\\' && NextCssPiece(line, at).What == Piece::Escape) {
            at = NextCssPiece(line, at).End;
        } else {
            break;
        }
    }
    return at;
}

size_t NumberEnd(std::string_view line, size_t at) {
    if (line[at] == '+' || line[at] == '-')
        ++at;
    while (at < line.size() && IsDigit(line[at]))
        ++at;
    if (at + 1 < line.size() && line[at] == '.' && IsDigit(line[at + 1])) {
        ++at;
        while (at < line.size() && IsDigit(line[at]))
            ++at;
    }
    // An exponent only where digits follow: "1em" is a number and its unit.
    if (at < line.size() && (line[at] == 'e' || line[at] == 'E')) {
        size_t i = at + 1;
        if (i < line.size() && (line[i] == '+' || line[i] == '-'))
            ++i;
        if (i < line.size() && IsDigit(line[i])) {
            at = i;
            while (at < line.size() && IsDigit(line[at]))
                ++at;
        }
    }
    return at;
}

// The ")" that closes the "(" at `open` on the same line, or npos.
size_t ClosingParenthesis(std::string_view line, size_t open) {
    int depth = 0;
    for (size_t at = open; at < line.size();) {
        const CssPiece piece = NextCssPiece(line, at);
        if (piece.What == Piece::Byte) {
            if (line[at] == '(')
                ++depth;
            else if (line[at] == ')' && --depth == 0)
                return at;
        }
        at = piece.End;
    }
    return std::string_view::npos;
}

// Whether what starts at `at` in a block of declarations is a nested rule: a "{" comes
// before any ";" or "}" on the line, and it is no custom property's block.
bool StartsNestedRule(std::string_view line, size_t at) {
    const bool custom = line.substr(at, 2) == "--";
    bool colon = false;
    int depth = 0;
    for (size_t i = at; i < line.size();) {
        const CssPiece piece = NextCssPiece(line, i);
        if (piece.What == Piece::Byte) {
            const char c = line[i];
            if (c == '(' || c == '[') {
                ++depth;
            } else if ((c == ')' || c == ']') && depth > 0) {
                --depth;
            } else if (depth == 0) {
                if (c == ';' || c == '}')
                    return false;
                if (c == ':')
                    colon = true;
                if (c == '{')
                    return !(custom && colon);
            }
        }
        i = piece.End;
    }
    return false;
}

class LineReader {
public:
    LineReader(std::string_view line, CssLineState state, std::vector<CssSpan>& spans)
        : line_(line), state_(state), spans_(spans) {}

    CssLineState Read() {
        size_t at = 0;
        if (state_.InComment) {
            const size_t close = line_.find("*/");
            at = close == std::string_view::npos ? line_.size() : close + 2;
            Add(0, at, Kind::Comment);
            state_.InComment = close == std::string_view::npos;
        }
        while (at < line_.size())
            at = Step(at);
        return state_;
    }

private:
    void Add(size_t begin, size_t end, Kind kind, Color shade = {}) {
        if (begin == end)
            return;
        const bool merges = kind == Kind::Blank || kind == Kind::Selector ||
                            kind == Kind::Comment || kind == Kind::AtRule;
        if (merges && !spans_.empty() && spans_.back().Kind == kind && spans_.back().End == begin) {
            spans_.back().End = end;
            return;
        }
        // A selector's blanks are the selector's: "nav > a" is one span.
        const size_t n = spans_.size();
        if (kind == Kind::Selector && n >= 2 && spans_[n - 1].Kind == Kind::Blank &&
            spans_[n - 1].End == begin && spans_[n - 2].Kind == Kind::Selector) {
            spans_.pop_back();
            spans_.back().End = end;
            return;
        }
        spans_.push_back({begin, end, kind, shade});
    }

    bool InDeclarationBlock(uint8_t depth) const {
        if (depth == 0)
            return false;
        const unsigned bit = depth - 1u;
        return bit >= kBlockBits || (state_.DeclarationBlocks >> bit & 1u) != 0;
    }

    void Open(bool declarations) {
        if (state_.Depth < kMaxDepth) {
            const unsigned bit = state_.Depth;
            if (bit < kBlockBits) {
                if (declarations)
                    state_.DeclarationBlocks |= 1u << bit;
                else
                    state_.DeclarationBlocks &= ~(1u << bit);
            }
            ++state_.Depth;
        }
        state_.Next = declarations ? Expect::Declaration : Expect::Rule;
    }

    void Close() {
        if (state_.Depth > 0)
            --state_.Depth;
        state_.Next = InDeclarationBlock(state_.Depth) ? Expect::Declaration : Expect::Rule;
    }

    // One piece or token from `at`; returns where the next starts.
    size_t Step(size_t at) {
        const CssPiece piece = NextCssPiece(line_, at);
        switch (piece.What) {
        case Piece::Blank:
            Add(at, piece.End, Kind::Blank);
            return piece.End;
        case Piece::Comment:
            Add(at, piece.End, Kind::Comment);
            state_.InComment = !piece.Closed;
            return piece.End;
        case Piece::String:
            Add(at, piece.End, Kind::String);
            return piece.End;
        case Piece::Url:
            Add(at, piece.End, Kind::Url);
            return piece.End;
        case Piece::Escape:
        case Piece::Byte:
            break;
        }
        switch (state_.Next) {
        case Expect::Rule:
            return RuleToken(at);
        case Expect::Declaration:
            return DeclarationToken(at);
        case Expect::Prelude:
            return ValueToken(at, Kind::AtRule);
        case Expect::Value:
            return ValueToken(at, Kind::Value);
        }
        return at + 1;
    }

    size_t AtRule(size_t at) {
        const size_t end = NameEnd(line_, at + 1);
        const std::string name = LowerAscii(line_.substr(at + 1, end - at - 1));
        bool rules = false;
        for (const std::string_view known : kRuleBlocks)
            rules = rules || name == known;
        // Inside a block of declarations a nested group holds declarations too.
        state_.RulesPrelude = rules && !InDeclarationBlock(state_.Depth);
        state_.Next = Expect::Prelude;
        Add(at, end, Kind::AtRule);
        return end;
    }

    size_t RuleToken(size_t at) {
        const char c = line_[at];
        if (c == '@' && at + 1 < line_.size() && StartsName(line_, at + 1))
            return AtRule(at);
        if (c == '{') {
            Add(at, at + 1, Kind::Punctuation);
            Open(true);
        } else if (c == '}') {
            Add(at, at + 1, Kind::Punctuation);
            Close();
        } else if (c == ',' || c == ';') {
            Add(at, at + 1, Kind::Punctuation);
        } else {
            const size_t end = NextCssPiece(line_, at).End;
            Add(at, end, Kind::Selector);
            return end;
        }
        return at + 1;
    }

    size_t DeclarationToken(size_t at) {
        const char c = line_[at];
        if (c == '@' && at + 1 < line_.size() && StartsName(line_, at + 1))
            return AtRule(at);
        if (c == ';' || c == ':' || c == '{' || c == '}') {
            Add(at, at + 1, Kind::Punctuation);
            if (c == ':')
                state_.Next = Expect::Value;
            else if (c == '{')
                Open(true);
            else if (c == '}')
                Close();
            return at + 1;
        }
        if (StartsNestedRule(line_, at)) {
            state_.Next = Expect::Rule;
            return RuleToken(at);
        }
        if (IsCssNameChar(c) || c == '\\') {
            const size_t end = std::max(NameEnd(line_, at), at + 1);
            Add(at, end, Kind::Property);
            return end;
        }
        // "*zoom", "_height" and other hacks' marks.
        Add(at, at + 1, Kind::Punctuation);
        return at + 1;
    }

    size_t ValueToken(size_t at, Kind word) {
        const char c = line_[at];
        if (c == ';') {
            Add(at, at + 1, Kind::Punctuation);
            state_.Next = InDeclarationBlock(state_.Depth) ? Expect::Declaration : Expect::Rule;
            return at + 1;
        }
        if (c == '{') {
            Add(at, at + 1, Kind::Punctuation);
            Open(state_.Next != Expect::Prelude || !state_.RulesPrelude);
            return at + 1;
        }
        if (c == '}') {
            Add(at, at + 1, Kind::Punctuation);
            Close();
            return at + 1;
        }
        if (c == '!') {
            size_t i = at + 1;
            while (i < line_.size() && IsCssBlank(line_[i]))
                ++i;
            if (EqualsIgnoringAsciiCase(line_.substr(i, 9), "important") &&
                NameEnd(line_, i + 9) == i + 9) {
                Add(at, i + 9, Kind::Important);
                return i + 9;
            }
        }
        if (c == '#' && at + 1 < line_.size() && IsCssNameChar(line_[at + 1])) {
            const size_t end = NameEnd(line_, at + 1);
            const std::optional<Color> colour = ParseColor(line_.substr(at, end - at));
            Add(at, end, colour ? Kind::Colour : word, colour.value_or(Color{}));
            return end;
        }
        if (StartsNumber(line_, at)) {
            const size_t end = NumberEnd(line_, at);
            Add(at, end, Kind::Number);
            if (end < line_.size() && line_[end] == '%') {
                Add(end, end + 1, Kind::Unit);
                return end + 1;
            }
            if (end < line_.size() && StartsName(line_, end)) {
                const size_t unitEnd = NameEnd(line_, end);
                Add(end, unitEnd, Kind::Unit);
                return unitEnd;
            }
            return end;
        }
        if (StartsName(line_, at))
            return Word(at, word);
        if (c == '(' || c == ')' || c == ',' || c == '/' || c == ':')
            Add(at, at + 1, Kind::Punctuation);
        else
            Add(at, NextCssPiece(line_, at).End, word);
        return NextCssPiece(line_, at).End;
    }

    size_t Word(size_t at, Kind word) {
        const size_t end = std::max(NameEnd(line_, at), at + 1);
        const std::string_view name = line_.substr(at, end - at);
        if (name.starts_with("--")) {
            Add(at, end, Kind::Variable);
            return end;
        }
        if (end < line_.size() && line_[end] == '(') {
            if (EqualsIgnoringAsciiCase(name, "var")) {
                Add(at, end + 1, Kind::Variable);
                return end + 1;
            }
            if (EqualsIgnoringAsciiCase(name, "url")) {
                Add(at, end + 1, Kind::Url);
                return end + 1;
            }
            const size_t close = ClosingParenthesis(line_, end);
            if (close != std::string_view::npos) {
                if (const auto colour = ParseColor(line_.substr(at, close + 1 - at))) {
                    Add(at, close + 1, Kind::Colour, *colour);
                    return close + 1;
                }
            }
            Add(at, end, word);
            return end;
        }
        const std::optional<Color> colour =
            state_.Next == Expect::Value ? ParseColor(name) : std::nullopt;
        Add(at, end, colour ? Kind::Colour : word, colour.value_or(Color{}));
        return end;
    }

    std::string_view line_;
    CssLineState state_;
    std::vector<CssSpan>& spans_;
};

} // namespace

int CssLineState::Packed() const {
    const unsigned depth = Depth > kMaxDepth ? kMaxDepth : Depth;
    const unsigned bits = DeclarationBlocks & ((1u << kBlockBits) - 1u);
    return static_cast<int>(static_cast<unsigned>(Next) | (InComment ? 1u << 2 : 0u) |
                            (RulesPrelude ? 1u << 3 : 0u) | depth << 4 | bits << 9);
}

CssLineState CssLineState::FromPacked(int packed) {
    const auto bits = static_cast<unsigned>(packed);
    CssLineState state;
    state.Next = static_cast<Expect>(bits & 3u);
    state.InComment = (bits & 4u) != 0;
    state.RulesPrelude = (bits & 8u) != 0;
    state.Depth = static_cast<uint8_t>(bits >> 4 & 31u);
    state.DeclarationBlocks = bits >> 9 & ((1u << kBlockBits) - 1u);
    return state;
}

CssLineState SheetStart() {
    return {};
}

CssLineState RuleTextStart() {
    CssLineState state;
    state.Next = Expect::Declaration;
    state.Depth = 1;
    state.DeclarationBlocks = 1;
    return state;
}

CssLineState ColourLine(std::string_view line, CssLineState state, std::vector<CssSpan>& spans) {
    return LineReader(line, state, spans).Read();
}

std::vector<CssSpan> ColourText(std::string_view text, CssLineState state) {
    std::vector<CssSpan> spans;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        std::vector<CssSpan> line;
        state = ColourLine(text.substr(begin, end - begin), state, line);
        for (CssSpan& span : line) {
            span.Begin += begin;
            span.End += begin;
            spans.push_back(span);
        }
        if (end == text.size())
            break;
        if (!spans.empty() && spans.back().Kind == Kind::Blank && spans.back().End == end)
            spans.back().End = end + 1;
        else
            spans.push_back({end, end + 1, Kind::Blank, {}});
        begin = end + 1;
    }
    return spans;
}

} // namespace tesselo
