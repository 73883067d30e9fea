#include "mapping/EditPlanner.h"

#include "document/SheetComposer.h"
#include "mapping/ColorNames.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tesselo {
namespace {

// The value without its comments (outside strings), its blanks at both ends gone.
std::string WithoutComments(std::string_view value) {
    std::string text;
    for (size_t at = 0; at < value.size();) {
        const CssPiece piece = NextCssPiece(value, at);
        if (piece.What != CssPiece::Kind::Comment)
            text.append(value, at, piece.End - at);
        at = piece.End;
    }
    size_t begin = 0;
    while (begin < text.size() && IsCssBlank(text[begin]))
        ++begin;
    size_t end = text.size();
    while (end > begin && IsCssBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// One declaration of a text: its property, its value without comments, its priority.
struct Written {
    std::string Property;
    std::string Value;
    bool Important = false;
    std::string Key;  // the value as compared, with its priority
    size_t Index = 0; // among all the declarations of its text
    bool operator==(const Written& other) const {
        return Value == other.Value && Important == other.Important;
    }
};

// The value's parts: the runs between blanks that stand outside brackets and strings.
std::vector<std::pair<size_t, size_t>> PartsOf(std::string_view value) {
    std::vector<std::pair<size_t, size_t>> parts;
    int depth = 0;
    size_t start = std::string_view::npos;
    for (size_t at = 0; at < value.size();) {
        const CssPiece piece = NextCssPiece(value, at);
        const char c = value[at];
        if (piece.What == CssPiece::Kind::Byte && (c == '(' || c == '['))
            ++depth;
        else if (piece.What == CssPiece::Kind::Byte && (c == ')' || c == ']') && depth > 0)
            --depth;
        if (piece.What == CssPiece::Kind::Blank && depth == 0) {
            if (start != std::string_view::npos)
                parts.emplace_back(start, at);
            start = std::string_view::npos;
        } else if (start == std::string_view::npos) {
            start = at;
        }
        at = piece.End;
    }
    if (start != std::string_view::npos)
        parts.emplace_back(start, value.size());
    return parts;
}

// A new value as the author would write it: the panel's colour names ("RED") in lower
// case, hex colours and zeros as the sheet writes them. The parts it keeps from the
// value it replaces (`old`) stay as they were written there.
std::string Authored(std::string_view value, const SheetHabits& habits, std::string_view old = {}) {
    std::vector<std::string_view> kept;
    for (const auto& [begin, end] : PartsOf(old))
        kept.push_back(old.substr(begin, end - begin));
    std::string text;
    size_t from = 0;
    for (const auto& [begin, end] : PartsOf(value)) {
        text.append(value, from, begin - from);
        from = end;
        const std::string_view part = value.substr(begin, end - begin);
        if (std::find(kept.begin(), kept.end(), part) != kept.end()) {
            text += part; // "margin: 0ex auto" gives "0ex 17px 0ex auto"
            continue;
        }
        std::string written(part);
        if (IsColorName(written))
            written = LowerAscii(written);
        text += AsSheetWrites(written, habits);
    }
    text.append(value, from, std::string_view::npos);
    return text;
}

std::vector<Written> DeclarationsOf(std::string_view text,
                                    const std::unordered_set<std::string>& properties) {
    std::vector<Written> out;
    const std::vector<BlockDeclaration> all = ParseBlock(text).Declarations;
    for (size_t i = 0; i < all.size(); ++i) {
        const BlockDeclaration& d = all[i];
        if (!properties.contains(d.Property))
            continue;
        Written w;
        w.Property = d.Property;
        w.Value = WithoutComments(text.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin));
        w.Important = d.PriorityEnd > d.PriorityBegin;
        w.Key = ComparableValue(w.Value) + (w.Important ? "!" : "");
        w.Index = i;
        out.push_back(std::move(w));
    }
    return out;
}

// The writer's own lines: those above its marker line. What it keeps below the marker
// is the rule's text that the panel does not take, the same before and after a change,
// and may be the most of a long rule.
std::string WriterLines(const LineList& lines) {
    std::string text;
    for (const auto& line : lines) {
        if (IsUnsupportedComment(line))
            break;
        text += line;
        text += '\n';
    }
    return text;
}

// Whether the text holds one of the names, in any case: a block that names none of the
// properties changed needs no reading for them.
bool NamesAny(std::string_view text, const std::unordered_set<std::string>& names) {
    const std::string lower = LowerAscii(text);
    for (const auto& name : names)
        if (lower.find(name) != std::string::npos)
            return true;
    return false;
}

// The items of each property, in their order; one pass, as a rule may hold hundreds of
// thousands of declarations.
template <typename T>
std::unordered_map<std::string_view, std::vector<const T*>> ByProperty(const std::vector<T>& all) {
    std::unordered_map<std::string_view, std::vector<const T*>> named;
    for (const T& item : all)
        named[item.Property].push_back(&item);
    return named;
}

template <typename T>
const std::vector<const T*>&
Named(const std::unordered_map<std::string_view, std::vector<const T*>>& map,
      std::string_view property) {
    static const std::vector<const T*> none;
    const auto found = map.find(property);
    return found == map.end() ? none : found->second;
}

} // namespace

std::string ComparableValue(std::string_view value) {
    const std::string bare = WithoutComments(value);
    std::string text;
    text.reserve(bare.size());
    auto tight = [](char c) { return c == ',' || c == '(' || c == ')' || c == '/'; };
    for (size_t i = 0; i < bare.size(); ++i) {
        const char c = bare[i];
        if (IsCssBlank(c)) {
            size_t next = i;
            while (next < bare.size() && IsCssBlank(bare[next]))
                ++next;
            if (!text.empty() && !tight(text.back()) && next < bare.size() && !tight(bare[next]))
                text += ' ';
            i = next - 1;
            continue;
        }
        text += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    // A zero length means the same with its unit or without ("0px", "0").
    SheetHabits zeroBare;
    zeroBare.UnitlessZero = true;
    return AsSheetWrites(text, zeroBare);
}

std::optional<std::string> PlanBlockEdit(std::string_view block, const LineList& before,
                                         const LineList& after, const BlockContext& context,
                                         const SheetHabits& habits, EditPlace place) {
    // Only the properties of the lines that differ can differ: the writer's lines of a
    // rule are few, the declarations it keeps as they were may be hundreds of thousands.
    size_t same = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same])
        ++same;
    size_t sameAtEnd = 0;
    while (sameAtEnd < before.size() - same && sameAtEnd < after.size() - same &&
           before[before.size() - 1 - sameAtEnd] == after[after.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    std::unordered_set<std::string> changed;
    for (const LineList* lines : {&before, &after}) {
        std::string middle;
        for (size_t i = same; i < lines->size() - sameAtEnd; ++i)
            middle += (*lines)[i] + "\n";
        for (const BlockDeclaration& d : ParseBlock(middle).Declarations)
            changed.insert(d.Property);
    }
    if (changed.empty())
        return std::string(block);
    const std::string beforeText = WriterLines(before);
    const std::string afterText = WriterLines(after);
    const std::vector<Written> was = DeclarationsOf(beforeText, changed);
    const std::vector<Written> now = DeclarationsOf(afterText, changed);

    // The block's declarations, each with its compared value.
    struct Held {
        std::string Property;
        std::string Value;
        std::string Key;
        bool Important = false;
        size_t Index = 0;
    };
    std::vector<Held> held;
    {
        const std::vector<Written> inBlock =
            NamesAny(block, changed) ? DeclarationsOf(block, changed) : std::vector<Written>();
        for (size_t i = 0; i < inBlock.size(); ++i)
            held.push_back({inBlock[i].Property, inBlock[i].Value, inBlock[i].Key,
                            inBlock[i].Important, inBlock[i].Index});
    }

    const auto wasByProperty = ByProperty(was);
    const auto nowByProperty = ByProperty(now);
    const auto heldByProperty = ByProperty(held);
    // The properties whose declarations differ, in the order the writer gives them.
    std::vector<std::string_view> properties;
    std::unordered_set<std::string_view> noted;
    auto note = [&](std::string_view property) {
        if (noted.insert(property).second)
            properties.push_back(property);
    };
    for (const Written& w : now)
        note(w.Property);
    for (const Written& w : was)
        note(w.Property);

    std::vector<BlockEdit> edits;
    struct Insertion {
        size_t Order; // where the writer has it
        BlockEdit Edit;
    };
    std::vector<Insertion> insertions;
    auto insert = [&](const Written& w) {
        const size_t order = static_cast<size_t>(&w - now.data());
        std::string value = Authored(w.Value, habits);
        if (w.Important)
            value += " !important";
        insertions.push_back({order, {BlockEdit::Kind::Insert, 0, w.Property, std::move(value)}});
    };

    for (const std::string_view property : properties) {
        const std::vector<const Written*>& s0 = Named(wasByProperty, property);
        const std::vector<const Written*>& s1 = Named(nowByProperty, property);
        if (s0.size() == s1.size() &&
            std::equal(s0.begin(), s0.end(), s1.begin(),
                       [](const Written* a, const Written* b) { return *a == *b; }))
            continue;
        // Each declaration of the layout before is one of the block's: the same value
        // first, else by their order.
        const std::vector<const Held*>& d = Named(heldByProperty, property);
        std::vector<int> blockOf(s0.size(), -1);
        std::vector<bool> used(d.size(), false);
        std::unordered_map<std::string_view, std::deque<size_t>> byKey;
        for (size_t j = 0; j < d.size(); ++j)
            byKey[d[j]->Key].push_back(j);
        for (size_t i = 0; i < s0.size(); ++i) {
            auto found = byKey.find(s0[i]->Key);
            if (found == byKey.end() || found->second.empty())
                continue;
            const size_t j = found->second.front();
            found->second.pop_front();
            blockOf[i] = static_cast<int>(j), used[j] = true;
        }
        for (size_t i = 0, j = 0; i < s0.size(); ++i) {
            if (blockOf[i] >= 0)
                continue;
            while (j < d.size() && used[j])
                ++j;
            if (j < d.size())
                blockOf[i] = static_cast<int>(j), used[j] = true;
        }
        // What stays the same at both ends stays; the middle changes.
        size_t front = 0;
        while (front < s0.size() && front < s1.size() && *s0[front] == *s1[front])
            ++front;
        size_t back = 0;
        while (back < s0.size() - front && back < s1.size() - front &&
               *s0[s0.size() - 1 - back] == *s1[s1.size() - 1 - back])
            ++back;
        const size_t m0 = s0.size() - front - back;
        const size_t m1 = s1.size() - front - back;
        auto remove = [&](size_t i) {
            if (blockOf[i] >= 0)
                edits.push_back({BlockEdit::Kind::Remove, d[size_t(blockOf[i])]->Index, {}, {}});
        };
        if (m1 == 0) {
            for (size_t i = front; i < front + m0; ++i)
                remove(i);
            continue;
        }
        // The new values take the places of the last ones that changed: the
        // declarations in front of those, fallbacks for older browsers, stay.
        const size_t paired = std::min(m0, m1);
        for (size_t k = 0; k < m1 - paired; ++k)
            insert(*s1[front + k]);
        for (size_t k = 0; k < paired; ++k) {
            const size_t i = front + m0 - paired + k;
            const Written& w = *s1[front + m1 - paired + k];
            if (blockOf[i] < 0) {
                insert(w);
                continue;
            }
            const Held& h = *d[size_t(blockOf[i])];
            if (place == EditPlace::AtEnd || h.Important != w.Important) {
                remove(i);
                insert(w);
                continue;
            }
            edits.push_back(
                {BlockEdit::Kind::Set, h.Index, {}, Authored(w.Value, habits, h.Value)});
        }
    }
    std::stable_sort(insertions.begin(), insertions.end(),
                     [](const Insertion& a, const Insertion& b) { return a.Order < b.Order; });
    for (auto& insertion : insertions)
        edits.push_back(std::move(insertion.Edit));
    if (edits.empty())
        return std::string(block);
    return RewriteBlock(block, edits, context);
}

} // namespace tesselo
