#pragma once

// The changed middle of a text. A change that touches one place of a long text is kept
// as that place before and after, without the beginning and the end the two texts
// share: a rule of megabytes whose one value changed keeps that value. A text is a
// byte string or a list of lines.

#include "document/ByteText.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace tesselo {

// What a text holds on the heap, with its own size.
inline size_t HeldBytes(const std::string& text) {
    // Short strings live inside the object.
    return sizeof(std::string) + (text.capacity() > 15 ? text.capacity() + 1 : 0);
}

inline size_t HeldBytes(const LineList& lines) {
    size_t bytes = sizeof(LineList) + (lines.capacity() - lines.size()) * sizeof(std::string);
    for (const auto& line : lines)
        bytes += HeldBytes(line);
    return bytes;
}

template <typename Text> struct TextSplice {
    size_t At = 0; // where the middle starts, in both texts
    Text Before;   // the middle before the change
    Text After;    // in its place after it

    static TextSplice Between(const Text& before, const Text& after) {
        const size_t shorter = std::min(before.size(), after.size());
        const auto head = static_cast<size_t>(
            std::mismatch(before.begin(), before.begin() + Off(shorter), after.begin()).first -
            before.begin());
        const auto tail = static_cast<size_t>(
            std::mismatch(before.rbegin(), before.rbegin() + Off(shorter - head), after.rbegin())
                .first -
            before.rbegin());
        return {head, Text(before.begin() + Off(head), before.end() - Off(tail)),
                Text(after.begin() + Off(head), after.end() - Off(tail))};
    }

    // The two texts were the same.
    bool Empty() const { return Before.empty() && After.empty(); }

    // Makes the text before the change into the text after it, and back. False, with
    // the text left as it is, when the text does not hold the middle where the change
    // left (found) it.
    bool Redo(Text& text) const { return Put(text, Before, After); }
    bool Undo(Text& text) const { return Put(text, After, Before); }

    size_t Bytes() const {
        return sizeof(TextSplice) + HeldBytes(Before) + HeldBytes(After) - 2 * sizeof(Text);
    }

private:
    static std::ptrdiff_t Off(size_t n) { return static_cast<std::ptrdiff_t>(n); }

    bool Put(Text& text, const Text& from, const Text& to) const {
        if (At > text.size() || text.size() - At < from.size() ||
            !std::equal(from.begin(), from.end(), text.begin() + Off(At)))
            return false;
        // The common length is overwritten; the rest is taken out or put in.
        const size_t common = std::min(from.size(), to.size());
        const auto at = text.begin() + Off(At);
        std::copy(to.begin(), to.begin() + Off(common), at);
        if (from.size() > common)
            text.erase(at + Off(common), at + Off(from.size()));
        else
            text.insert(at + Off(common), to.begin() + Off(common), to.end());
        return true;
    }
};

} // namespace tesselo
