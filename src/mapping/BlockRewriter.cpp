#include "mapping/BlockRewriter.h"

#include "document/ByteText.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"

#include <algorithm>

namespace tesselo {
namespace {

using Kind = CssPiece::Kind;

// An edit with its value cut of the blanks around it.
struct Change {
    BlockEdit::Kind What;
    size_t Index;
    std::string_view Property;
    std::string_view Value;
};

bool IsIdentifier(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), IsCssNameChar);
}

// A blank inside a line: "\n" ends it, and a "\r" before a "\n" goes with that "\n".
bool IsLineBlank(std::string_view text, size_t at) {
    const char c = text[at];
    if (c == '\n' || !IsCssBlank(c))
        return false;
    return !(c == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
}

bool StartsLine(std::string_view text, const BlockDeclaration& d) {
    if (d.LineBegin == 0)
        return false;
    for (size_t i = d.LineBegin; i < d.Begin; ++i)
        if (!IsCssBlank(text[i]))
            return false;
    return true;
}

std::string IndentOf(std::string_view text, const BlockDeclaration& d) {
    size_t end = d.LineBegin;
    while (end < d.Begin && (text[end] == ' ' || text[end] == '\t'))
        ++end;
    return std::string(text.substr(d.LineBegin, end - d.LineBegin));
}

// Written "name:value", nothing between the colon and the value.
bool IsTight(std::string_view text, const BlockDeclaration& d) {
    return d.ValueBegin > 0 && text[d.ValueBegin - 1] == ':';
}

// A declaration alone on its line goes with the line. Otherwise it goes with the blanks
// after it, or, when nothing follows it on its line, with the blanks before it, so that
// what stays is spaced as before.
std::pair<size_t, size_t> RemovalRange(std::string_view text, const BlockDeclaration& d) {
    if (d.AloneOnLine)
        return {d.LineBegin, d.LineEnd};
    size_t after = d.End;
    while (after < text.size() && IsLineBlank(text, after))
        ++after;
    if (after < text.size() && text[after] != '\n' && text[after] != '\r')
        return {d.Begin, after};
    size_t before = d.Begin;
    while (before > 0 && IsLineBlank(text, before - 1))
        --before;
    return {before, d.End};
}

// Past the comments that follow `at` on its line, with only blanks between: where a
// declaration added after the one ending at `at` goes.
size_t EndOfLineContent(std::string_view text, size_t at) {
    size_t end = at;
    while (at < text.size() && text[at] != '\n') {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What == Kind::Comment) {
            if (text.substr(at, piece.End - at).find('\n') != std::string_view::npos)
                break;
            end = piece.End;
        } else if (piece.What != Kind::Blank) {
            break;
        }
        at = piece.End;
    }
    return end;
}

std::string Written(const Change& c, std::string_view colon) {
    std::string out(c.Property);
    out += colon;
    out += c.Value;
    return out;
}

// What stands between two declarations of a one-line block: as between its first two,
// or one blank, or nothing for a lone tight declaration at the block's start ("a{b:c}").
std::string OneLineSeparator(std::string_view text, const std::vector<BlockDeclaration>& decls,
                             bool tight) {
    if (decls.size() == 1)
        return decls[0].Begin == 0 && tight ? "" : " ";
    const size_t from = decls[0].End;
    size_t end = from;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t'))
        ++end;
    return std::string(text.substr(from, end - from));
}

void AddToEmptyBlock(std::string& text, const std::vector<Change>& inserts,
                     const BlockContext& context) {
    const bool multiLine = text.find('\n') != std::string::npos;
    size_t keep = text.size();
    while (keep > 0 && IsCssBlank(text[keep - 1]))
        --keep;
    text.erase(keep);
    if (multiLine || !context.OneLineRules) {
        for (const Change& c : inserts)
            text += "\n" + context.RuleIndent + context.IndentStep + Written(c, ": ") + ";";
        text += "\n" + context.RuleIndent;
    } else {
        // Appended in steps: " " + a temporary string makes GCC 12 at -O3 warn falsely
        // of overlapping copies (-Wrestrict).
        for (const Change& c : inserts) {
            text += ' ';
            text += Written(c, ": ");
            text += ';';
        }
        text += " ";
    }
}

// The last declaration starts its line and the block ends on that line after it: the
// rule's "}" follows it there.
bool ClosesItsLine(std::string_view text, const BlockDeclaration& last) {
    if (!StartsLine(text, last))
        return false;
    const size_t end = EndOfLineContent(text, last.End);
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(end), text.end(),
                       [](char c) { return c == ' ' || c == '\t'; });
}

// Whether the added declarations went in front of the last one's line.
// `parsed` is the text's declarations.
bool AddDeclarations(std::string& text, const DeclarationBlock& parsed,
                     const std::vector<Change>& inserts, const BlockContext& context) {
    if (parsed.Declarations.empty()) {
        AddToEmptyBlock(text, inserts, context);
        return false;
    }
    const std::vector<BlockDeclaration>& decls = parsed.Declarations;
    const BlockDeclaration& last = decls.back();
    const bool tight = IsTight(text, last);
    const std::string_view colon = tight ? ":" : ": ";
    std::string added;
    if (parsed.MultiLine && context.BeforeClosingLine && last.HasSemicolon &&
        ClosesItsLine(text, last)) {
        const std::string indent = IndentOf(text, last);
        for (const Change& c : inserts)
            added += indent + Written(c, colon) + ";\n";
        text.insert(last.LineBegin, added);
        return true;
    }
    if (parsed.MultiLine) {
        std::string indent = context.RuleIndent + context.IndentStep;
        if (last.AloneOnLine) {
            indent = IndentOf(text, last);
        } else {
            auto first = std::find_if(decls.begin(), decls.end(), [&](const BlockDeclaration& d) {
                return StartsLine(text, d);
            });
            if (first != decls.end())
                indent = IndentOf(text, *first);
        }
        for (const Change& c : inserts)
            added += "\n" + indent + Written(c, colon) + ";";
    } else {
        const std::string separator = OneLineSeparator(text, decls, tight);
        for (size_t k = 0; k < inserts.size(); ++k) {
            added += separator + Written(inserts[k], colon);
            // The block's last declaration keeps the block's habit for the final ";".
            if (k + 1 < inserts.size() || last.HasSemicolon)
                added += ";";
        }
    }
    text.insert(EndOfLineContent(text, last.End), added);
    if (!last.HasSemicolon)
        text.insert(last.End, ";");
    return false;
}

} // namespace

std::optional<std::string> RewriteBlock(std::string_view block, const std::vector<BlockEdit>& edits,
                                        const BlockContext& context) {
    DeclarationBlock parsed = ParseBlock(block);
    const size_t count = parsed.Declarations.size();
    std::vector<Change> changes;
    std::vector<Change> inserts;
    std::vector<bool> edited(count, false);
    for (const BlockEdit& e : edits) {
        const Change c{e.What, e.Index, e.Property, TrimCssBlanks(e.Value)};
        if (e.What == BlockEdit::Kind::Insert) {
            if (!IsIdentifier(c.Property) || !IsSafeValue(c.Value))
                return std::nullopt;
            inserts.push_back(c);
            continue;
        }
        if (e.Index >= count || edited[e.Index])
            return std::nullopt;
        if (e.What == BlockEdit::Kind::Set && !IsSafeValue(c.Value))
            return std::nullopt;
        edited[e.Index] = true;
        changes.push_back(c);
    }

    // The last declaration first: the offsets of those before it stay as they were, and
    // each removal sees what is left around it on its line.
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.Index > b.Index; });
    std::string text(block);
    size_t removed = 0;
    for (const Change& c : changes) {
        const DeclarationBlock now = ParseBlock(text);
        if (c.Index >= now.Declarations.size())
            return std::nullopt;
        const BlockDeclaration& d = now.Declarations[c.Index];
        if (c.What == BlockEdit::Kind::Set) {
            text.replace(d.ValueBegin, d.ValueEnd - d.ValueBegin, c.Value);
        } else {
            const auto [from, to] = RemovalRange(text, d);
            text.erase(from, to - from);
            ++removed;
        }
    }
    // A block the changes left as it was need not be read again.
    if (!changes.empty() && !inserts.empty())
        parsed = ParseBlock(text);
    const bool beforeLast = !inserts.empty() && AddDeclarations(text, parsed, inserts, context);

    // Text passed over in front (a hack without its ";") could swallow what was added.
    const DeclarationBlock result = ParseBlock(text);
    if (result.Declarations.size() != count - removed + inserts.size())
        return std::nullopt;
    const size_t firstAdded = result.Declarations.size() - inserts.size() - (beforeLast ? 1 : 0);
    for (size_t k = 0; k < inserts.size(); ++k)
        if (result.Declarations[firstAdded + k].Property != LowerAscii(inserts[k].Property))
            return std::nullopt;
    return text;
}

bool IsSafeValue(std::string_view value) {
    std::vector<char> closers;
    bool significant = false;
    for (size_t at = 0; at < value.size();) {
        const CssPiece piece = NextCssPiece(value, at);
        if (!piece.Closed)
            return false;
        if (piece.What == Kind::Byte) {
            const char c = value[at];
            if (c == '{' || c == '}' || c == '\\' || (c == ';' && closers.empty()))
                return false;
            if (c == '(')
                closers.push_back(')');
            else if (c == '[')
                closers.push_back(']');
            else if (c == ')' || c == ']') {
                if (closers.empty() || closers.back() != c)
                    return false;
                closers.pop_back();
            }
        }
        significant = significant || (piece.What != Kind::Blank && piece.What != Kind::Comment);
        at = piece.End;
    }
    return significant && closers.empty();
}

} // namespace tesselo
