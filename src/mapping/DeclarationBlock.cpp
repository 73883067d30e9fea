#include "mapping/DeclarationBlock.h"

#include "document/ByteText.h"
#include "mapping/DeclarationList.h"

#include <optional>

namespace tesselo {
namespace {

using Kind = CssPiece::Kind;
constexpr size_t kNone = std::string_view::npos;

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r' || c == '\f';
}

// "url(" where a name does not run into it, followed by no quote: the url runs to its
// ")" whatever it holds.
bool StartsUnquotedUrl(std::string_view text, size_t at) {
    if (!EqualsIgnoringAsciiCase(text.substr(at, 4), "url("))
        return false;
    if (at > 0 && (IsCssNameChar(text[at - 1]) || text[at - 1] == '\\'))
        return false;
    size_t i = at + 4;
    while (i < text.size() && IsCssBlank(text[i]))
        ++i;
    return i == text.size() || (text[i] != '"' && text[i] != '\'');
}

CssPiece StringPiece(std::string_view text, size_t at) {
    const char quote = text[at];
    for (size_t i = at + 1; i < text.size();) {
        const char c = text[i];
        if (c == quote)
            return {Kind::String, i + 1, true};
        if (c == '\n')
            return {Kind::String, i, false};
        if (c == '\\') {
            // An escaped line end continues the string; "\r\n" is one line end.
            i += text.substr(i + 1, 2) == "\r\n" ? 3u : 2u;
            continue;
        }
        ++i;
    }
    return {Kind::String, text.size(), false};
}

CssPiece UrlPiece(std::string_view text, size_t at) {
    for (size_t i = at + 4; i < text.size();) {
        if (text[i] == ')')
            return {Kind::Url, i + 1, true};
        i += text[i] == '\\' ? 2u : 1u;
    }
    return {Kind::Url, text.size(), false};
}

// Past the blanks and comments from `at` on, not beyond `end`.
size_t SkipBlanksAndComments(std::string_view text, size_t at, size_t end) {
    while (at < end) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What != Kind::Blank && piece.What != Kind::Comment)
            break;
        at = piece.End;
    }
    return std::min(at, end);
}

// The end of the last piece in [from, to) that is neither blank nor comment, or `from`.
size_t LastSignificantEnd(std::string_view text, size_t from, size_t to) {
    size_t last = from;
    for (size_t at = from; at < to;) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What != Kind::Blank && piece.What != Kind::Comment)
            last = piece.End;
        at = piece.End;
    }
    return std::min(last, to);
}

// One part of the block from its first byte: a declaration's text, text passed over or
// a nested rule.
struct Item {
    size_t End = 0;
    size_t Colon = kNone;
    size_t Semicolon = kNone;
    size_t Bang = kNone; // the last "!" after the colon
    bool Rule = false;
};

Item ScanItem(std::string_view text, size_t start) {
    Item item;
    item.End = text.size();
    int depth = 0;
    for (size_t at = start; at < text.size();) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What == Kind::Byte) {
            const char c = text[at];
            if (depth == 0 && c == ';') {
                item.Semicolon = at;
                item.End = at + 1;
                return item;
            }
            if (depth == 0 && c == ':' && item.Colon == kNone) {
                item.Colon = at;
            } else if (depth == 0 && c == '!' && item.Colon != kNone) {
                item.Bang = at;
            } else if (depth == 0 && c == '{' &&
                       !(item.Colon != kNone && text.substr(start, 2) == "--")) {
                // Only a custom property's value holds a block; elsewhere it opens a
                // nested rule.
                item.Rule = true;
                depth = 1;
            } else if (c == '(' || c == '[' || c == '{') {
                ++depth;
            } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
                if (--depth == 0 && item.Rule) {
                    item.End = at + 1;
                    return item;
                }
            }
        }
        at = piece.End;
    }
    return item;
}

std::optional<BlockDeclaration> ReadDeclaration(std::string_view block, size_t begin,
                                                const Item& item) {
    size_t nameEnd = begin;
    while (nameEnd < item.Colon && IsCssNameChar(block[nameEnd]))
        ++nameEnd;
    if (nameEnd == begin || SkipBlanksAndComments(block, nameEnd, item.Colon) != item.Colon)
        return std::nullopt;

    BlockDeclaration d;
    d.Property = LowerAscii(block.substr(begin, nameEnd - begin));
    d.Begin = begin;
    d.NameEnd = nameEnd;
    d.HasSemicolon = item.Semicolon != kNone;
    const size_t stop = d.HasSemicolon ? item.Semicolon : block.size();
    size_t valueStop = stop;
    bool important = false;
    if (item.Bang != kNone) {
        const size_t word = SkipBlanksAndComments(block, item.Bang + 1, stop);
        if (EqualsIgnoringAsciiCase(block.substr(word, 9), "important") &&
            SkipBlanksAndComments(block, word + 9, stop) == stop) {
            important = true;
            d.PriorityBegin = item.Bang;
            d.PriorityEnd = word + 9;
            valueStop = item.Bang;
        }
    }
    d.ValueBegin = SkipBlanksAndComments(block, item.Colon + 1, valueStop);
    d.ValueEnd = LastSignificantEnd(block, d.ValueBegin, valueStop);
    if (!important)
        d.PriorityBegin = d.PriorityEnd = d.ValueEnd;
    d.End = d.HasSemicolon ? item.Semicolon + 1 : d.PriorityEnd;

    const size_t newline = block.rfind('\n', begin);
    d.LineBegin = newline == kNone ? 0 : newline + 1;
    bool alone = newline != kNone;
    for (size_t i = d.LineBegin; alone && i < begin; ++i)
        alone = IsCssBlank(block[i]);
    size_t after = d.End;
    while (alone && after < block.size() && block[after] != '\n') {
        const CssPiece piece = NextCssPiece(block, after);
        const std::string_view text = block.substr(after, piece.End - after);
        alone =
            piece.What == Kind::Blank || (piece.What == Kind::Comment && text.find('\n') == kNone);
        after = piece.End;
    }
    if (alone) {
        d.AloneOnLine = true;
        d.LineEnd = after < block.size() ? after + 1 : block.size();
    }
    return d;
}

} // namespace

CssPiece NextCssPiece(std::string_view text, size_t at) {
    const char c = text[at];
    if (IsCssBlank(c))
        return {Kind::Blank, at + 1, true};
    if (c == '/' && at + 1 < text.size() && text[at + 1] == '*') {
        const size_t close = text.find("*/", at + 2);
        if (close == kNone)
            return {Kind::Comment, text.size(), false};
        return {Kind::Comment, close + 2, true};
    }
    if (c == '"' || c == '\'')
        return StringPiece(text, at);
    if (c == '\\') {
        if (at + 1 < text.size() && !IsLineEnd(text[at + 1]))
            return {Kind::Escape, at + 2, true};
        return {Kind::Byte, at + 1, true};
    }
    if ((c == 'u' || c == 'U') && StartsUnquotedUrl(text, at))
        return UrlPiece(text, at);
    return {Kind::Byte, at + 1, true};
}

DeclarationBlock ParseBlock(std::string_view block) {
    DeclarationBlock out;
    out.MultiLine = block.find('\n') != kNone;
    for (size_t at = SkipBlanksAndComments(block, 0, block.size()); at < block.size();
         at = SkipBlanksAndComments(block, at, block.size())) {
        const Item item = ScanItem(block, at);
        if (!item.Rule && item.Colon != kNone)
            if (auto d = ReadDeclaration(block, at, item))
                out.Declarations.push_back(std::move(*d));
        at = item.End;
    }
    return out;
}

} // namespace tesselo
