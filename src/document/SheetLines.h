#pragma once

// The whole-sheet line buffer: the lines of a sheet held as one text in which every
// line is followed by "\n", with the start of every line, and the line end the sheet
// is written with. Reading, composing and writing a large sheet then need no
// allocation per line.

#include "document/ByteText.h"
#include "document/SheetEncoding.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kLf = "\n";
inline constexpr std::string_view kCr = "\r";

// One of the three line ends, as a view of its constant: CR LF for anything else.
constexpr std::string_view KnownLineEnd(std::string_view lineEnd) {
    return lineEnd == kLf ? kLf : lineEnd == kCr ? kCr : kCrLf;
}

class SheetLines {
public:
    SheetLines() = default;

    // Splits bytes at CR LF, a lone CR or a lone LF; a last line without a line break
    // is a line too; empty text gives no lines; a NUL byte ends the text. The line end
    // becomes the first line break of the text (CR LF when there is none). A UTF-8
    // byte-order mark at the start is no part of the first line: it is kept aside and
    // written again in front of the text. So is a last line without a line break: it is
    // written again without one.
    static SheetLines FromBytes(std::string_view bytes);
    static SheetLines FromLines(const LineList& lines);
    // Lines from a text in which every line is followed by "\n" (a last line without
    // one is a line too), as Text() holds them.
    static SheetLines FromText(std::string text, std::string_view lineEnd = kCrLf);

    size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    std::string_view operator[](size_t i) const {
        const size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
        return std::string_view(text_).substr(starts_[i], end - 1 - starts_[i]);
    }

    void clear();
    void reserve(size_t bytes, size_t lines);
    void push_back(std::string_view line);
    // Appends a line made of two parts, without building it first.
    void push_back(std::string_view first, std::string_view second);

    // The lines, each followed by "\n".
    const std::string& Text() const { return text_; }
    // The file these lines make: every line followed by the line end, the last one too
    // unless the sheet read had none there.
    std::string Bytes() const;
    std::string_view LineEnd() const { return lineEnd_; }
    bool ByteOrderMark() const { return byteOrderMark_; }
    void SetByteOrderMark(bool mark) { byteOrderMark_ = mark; }
    bool FinalLineEnd() const { return finalLineEnd_; }
    void SetFinalLineEnd(bool end) { finalLineEnd_ = end; }
    void SetLineEnd(std::string_view lineEnd) { lineEnd_ = KnownLineEnd(lineEnd); }
    LineList ToLineList() const;

    class Iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        Iterator() = default;
        Iterator(const SheetLines* lines, size_t i) : lines_(lines), i_(i) {}
        std::string_view operator*() const { return (*lines_)[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++i_;
            return old;
        }
        bool operator==(const Iterator& other) const { return i_ == other.i_; }

    private:
        const SheetLines* lines_ = nullptr;
        size_t i_ = 0;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    // Lines compare by their text; the line end is how they are written, not what
    // they hold.
    bool operator==(const SheetLines& other) const { return text_ == other.text_; }
    friend bool operator==(const SheetLines& sheet, const LineList& lines);

private:
    std::string text_;
    std::vector<size_t> starts_;
    std::string_view lineEnd_ = kCrLf;
    bool byteOrderMark_ = false;
    bool finalLineEnd_ = true;
};

// The read-only views show a line of more than this many characters cut.
inline constexpr size_t kShownLineLimit = 4000;

// The text as a read-only view shows it, its lines joined by "\n": a line of more than
// `limit` characters (UTF-8 sequences, or bytes in Windows-1251) keeps its first `limit`
// and is followed by the bytes `mark` gives for the line's length in characters. The
// sheet itself keeps its lines whole. One string, so that a big sheet costs one copy.
std::string TextCutForShowing(const SheetLines& sheet, SheetEncoding encoding, size_t limit,
                              const std::function<std::string(size_t characters)>& mark);

// What follows a cut line, in UTF-8: " … [строка сокращена: 10 485 760 символов]".
std::string CutLineNote(size_t characters);

} // namespace tesselo
