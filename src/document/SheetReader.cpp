#include "document/SheetReader.h"

#include "document/TextFile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tesselo {
namespace {

constexpr bool IsBlank(unsigned char c) {
    return c < 33;
}

// The bytes that change the scanner's state inside a block.
constexpr auto kBlockSpecial = [] {
    std::array<bool, 256> table{};
    for (char c : {'{', '}', '/', '"', '\'', '\\'})
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// The bytes that enter a selector as they are and change nothing else there: all but
// the control bytes, DEL, the braces, "/", the backslash and the quotes.
constexpr auto kSelectorPlain = [] {
    std::array<bool, 256> table{};
    for (int c = 32; c < 256; ++c)
        table[static_cast<size_t>(c)] = c != 127;
    for (char c : {'{', '}', '/', '"', '\'', '\\'})
        table[static_cast<unsigned char>(c)] = false;
    return table;
}();

// Inside a string of a selector the braces and "/" are plain bytes too.
constexpr auto kSelectorStringPlain = [] {
    std::array<bool, 256> table = kSelectorPlain;
    for (char c : {'{', '}', '/'})
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// One pass over the sheet's text (lines followed by "\n"). Outside blocks the bytes
// build the selector; inside them only the depth of the braces is followed, since
// the lines are cut from the rule's source when they are first needed.
class RuleScanner {
public:
    RuleScanner(std::string_view text, ProgressReport& progress)
        : text_(text), progress_(progress, progress::kReading, text.size(), kBytesAStep) {}

    SheetRules Scan() {
        const size_t n = text_.size();
        // Every record starts at a "{": their count bounds the records, and a sheet
        // of plain rules has about one a record. The bound is kept to one record in
        // 16 bytes, so a text of braces reserves no more than a sheet of rules would.
        const auto braces = static_cast<size_t>(std::count(text_.begin(), text_.end(), '{'));
        result_.Records.reserve(std::min(braces, n / 16 + 1));
        size_t i = 0;
        while (i < n) {
            progress_.At(i);
            if (inComment_)
                i = SkipComment(i);
            else if (quote_)
                i = depth_ == 0 ? SelectorString(i) : SkipString(i);
            else if (depth_ == 0)
                i = SelectorByte(i);
            else
                i = BlockByte(i);
        }
        if (depth_ > 0) {
            EndRule(n);
            sourceStart_ = n;
        }
        // A group left open keeps what follows its last rule.
        while (!groups_.empty())
            CloseGroup(n);
        result_.Tail = std::string(text_.substr(sourceStart_));
        return std::move(result_);
    }

private:
    // In a comment only "*/" matters; the "/" that closes it enters no selector and
    // opens no comment.
    size_t SkipComment(size_t i) {
        for (;;) {
            const void* star = std::memchr(text_.data() + i, '*', text_.size() - i);
            if (!star)
                return text_.size();
            i = static_cast<size_t>(static_cast<const char*>(star) - text_.data());
            if (i + 1 < text_.size() && text_[i + 1] == '/') {
                inComment_ = false;
                return i + 2;
            }
            ++i;
        }
    }

    // A string inside a block: its end, a backslash's escape and a line end that
    // closes it are all that matter.
    size_t SkipString(size_t i) {
        const size_t n = text_.size();
        while (i < n) {
            const char c = text_[i];
            if (c == '\\') {
                i += 2;
                continue;
            }
            if (c == '\n') {
                quote_ = 0;
                return i; // the line end is read again, outside the string
            }
            ++i;
            if (c == quote_) {
                quote_ = 0;
                return i;
            }
        }
        return n;
    }

    size_t SelectorString(size_t i) {
        if (kSelectorStringPlain[static_cast<unsigned char>(text_[i])])
            return AddPlainRun(i, kSelectorStringPlain);
        const char c = text_[i];
        if (c == '\\') {
            AddToSelector(i);
            if (i + 1 < text_.size())
                AddToSelector(i + 1);
            return i + 2;
        }
        if (c == '\n') {
            quote_ = 0;
            return i;
        }
        if (c == quote_)
            quote_ = 0;
        AddToSelector(i);
        return i + 1;
    }

    size_t BlockByte(size_t i) {
        const size_t n = text_.size();
        while (i < n && !kBlockSpecial[static_cast<unsigned char>(text_[i])])
            ++i;
        if (i == n)
            return n;
        switch (text_[i]) {
        case '{':
            ++depth_;
            return i + 1;
        case '}':
            if (--depth_ == 0) {
                EndRule(i);
                sourceStart_ = i + 1;
            }
            return i + 1;
        case '/':
            if (i + 1 < n && text_[i + 1] == '*') {
                inComment_ = true;
                return i + 2; // the "*" of "/*" closes nothing
            }
            return i + 1;
        case '\\':
            return i + 2;
        default: // a quote
            quote_ = text_[i];
            return i + 1;
        }
    }

    size_t SelectorByte(size_t i) {
        const char c = text_[i];
        switch (c) {
        case '{':
            if (IsGroupPrelude(std::string_view(selector_).substr(
                    std::min(selector_.find_first_not_of(' '), selector_.size()))))
                OpenGroup(i);
            else
                StartRule(i);
            return i + 1;
        case '}':
            // Between rules a "}" closes the group they stand in; outside any group it
            // closes nothing and enters nothing.
            if (!groups_.empty())
                CloseGroup(i);
            return i + 1;
        case '/':
            if (i + 1 < text_.size() && text_[i + 1] == '*') {
                inComment_ = true;
                return i + 2;
            }
            AddToSelector(i);
            return i + 1;
        case '\\':
            AddToSelector(i);
            if (i + 1 < text_.size())
                AddToSelector(i + 1);
            return i + 2;
        case '"':
        case '\'':
            quote_ = c;
            AddToSelector(i);
            return i + 1;
        default:
            if (kSelectorPlain[static_cast<unsigned char>(c)])
                return AddPlainRun(i, kSelectorPlain);
            AddToSelector(i);
            return i + 1;
        }
    }

    // The plain bytes from i on enter the selector at once, as AddToSelector would
    // add them one by one; the end of their run is returned.
    size_t AddPlainRun(size_t i, const std::array<bool, 256>& plain) {
        const size_t n = text_.size();
        size_t end = i;
        while (end < n && plain[static_cast<unsigned char>(text_[end])])
            ++end;
        if (selectorStart_ == kNone) {
            const size_t first = text_.find_first_not_of(' ', i);
            if (first < end)
                selectorStart_ = first;
        }
        selector_.append(text_.data() + i, end - i);
        return end;
    }

    // Bytes from 32 to 126 and from 128 up enter the selector as they are; a line
    // end, a tab or another control byte enters as one space where the selector does
    // not already end with one.
    void AddToSelector(size_t i) {
        const auto c = static_cast<unsigned char>(text_[i]);
        if (c < 32) {
            if (!selector_.empty() && selector_.back() != ' ')
                selector_ += ' ';
            return;
        }
        if (c == 127)
            return;
        if (c != ' ' && selectorStart_ == kNone)
            selectorStart_ = i;
        selector_ += static_cast<char>(c);
    }

    void StartRule(size_t brace) {
        if (selectorStart_ == kNone)
            selectorStart_ = brace;
        blockStart_ = brace + 1;
        depth_ = 1;
    }

    void EndRule(size_t blockEnd) {
        const size_t sourceEnd = blockEnd < text_.size() ? blockEnd + 1 : blockEnd;
        result_.Records.push_back(StyleRecord::FromSource(
            TrimSelectorText(selector_),
            std::string(text_.substr(sourceStart_, sourceEnd - sourceStart_)),
            selectorStart_ - sourceStart_, blockStart_ - sourceStart_, blockEnd - sourceStart_));
        result_.Records.back().SetDepth(static_cast<int>(groups_.size()));
        selector_.clear();
        selectorStart_ = kNone;
    }

    // A group's rules follow it as records of their own.
    void OpenGroup(size_t brace) {
        if (selectorStart_ == kNone)
            selectorStart_ = brace;
        result_.Records.push_back(StyleRecord::GroupFromSource(
            TrimSelectorText(selector_),
            std::string(text_.substr(sourceStart_, brace + 1 - sourceStart_)),
            selectorStart_ - sourceStart_));
        result_.Records.back().SetDepth(static_cast<int>(groups_.size()));
        groups_.push_back(result_.Records.size() - 1);
        selector_.clear();
        selectorStart_ = kNone;
        sourceStart_ = brace + 1;
    }

    // `end` is the group's "}", or the end of the text for a group left open.
    void CloseGroup(size_t end) {
        const size_t closeEnd = end < text_.size() ? end + 1 : end;
        result_.Records[groups_.back()].SetClose(
            std::string(text_.substr(sourceStart_, closeEnd - sourceStart_)));
        groups_.pop_back();
        selector_.clear();
        selectorStart_ = kNone;
        sourceStart_ = closeEnd;
    }

    static constexpr size_t kNone = static_cast<size_t>(-1);
    static constexpr size_t kBytesAStep = size_t{1} << 20;

    std::string_view text_;
    ProgressSpan progress_;
    SheetRules result_;
    std::vector<size_t> groups_; // the records of the groups open here, outermost first
    std::string selector_;
    size_t selectorStart_ = kNone;
    size_t sourceStart_ = 0;
    size_t blockStart_ = 0;
    int depth_ = 0;
    char quote_ = 0;
    bool inComment_ = false;
};

} // namespace

SheetRules LoadStylesFromSheet(const SheetLines& sheetText, ProgressReport& progress) {
    return RuleScanner(sheetText.Text(), progress).Scan();
}

SheetRules LoadStylesFromSheet(const LineList& sheetText) {
    return LoadStylesFromSheet(SheetLines::FromLines(sheetText));
}

namespace {

// Whether the line's last byte is a backslash that escapes its line end.
bool EscapesItsLineEnd(std::string_view line) {
    size_t backslashes = 0;
    while (backslashes < line.size() && line[line.size() - 1 - backslashes] == '\\')
        ++backslashes;
    return backslashes % 2 == 1;
}

} // namespace

LineList CutBlockLines(std::string_view block) {
    LineList lines(1);
    std::string* line = &lines.back();
    size_t i = 0;
    const size_t n = block.size();
    while (i < n) {
        const void* lf = std::memchr(block.data() + i, '\n', n - i);
        const size_t end =
            lf ? static_cast<size_t>(static_cast<const char*>(lf) - block.data()) : n;
        if (end == i && lf && lines.size() > 1 && EscapesItsLineEnd(lines[lines.size() - 2])) {
            lines.emplace_back();
            line = &lines.back();
        } else if (end > i) {
            // Leading blanks go; a line of blanks keeps its last one.
            size_t first = i;
            while (first < end && IsBlank(static_cast<unsigned char>(block[first])))
                ++first;
            if (first == end)
                first = end - 1;
            line->assign(block.substr(first, end - first));
            // A line that reaches its line end is followed by a new, empty one.
            if (lf) {
                lines.emplace_back();
                line = &lines.back();
            }
        }
        i = end + 1;
    }
    return lines;
}

LineNesting ScanNesting(std::span<const std::string> lines) {
    // The lines are read as one text, each followed by its "\n", without joining them:
    // a rule's text may be megabytes long.
    LineNesting nesting;
    char quote = 0;
    for (const auto& line : lines) {
        const size_t n = line.size();
        bool lineEndEscaped = false;
        for (size_t i = 0; i < n; ++i) {
            const char c = line[i];
            const char next = i + 1 < n ? line[i + 1] : '\n';
            if (nesting.InComment) {
                if (c == '*' && next == '/')
                    nesting.InComment = false, ++i;
            } else if (c == '\\') {
                // The next byte is escaped; a string goes on past an escaped line end.
                lineEndEscaped = ++i == n;
            } else if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '/' && next == '*') {
                nesting.InComment = true, ++i;
            } else if (c == '{') {
                nesting.OpensBlock = true;
                ++nesting.OpenBlocks;
            } else if (c == '}' && nesting.OpenBlocks > 0) {
                --nesting.OpenBlocks;
            }
        }
        if (!nesting.InComment && !lineEndEscaped)
            quote = 0; // the line end closes a string
    }
    nesting.InString = quote != 0;
    return nesting;
}

SelectorEnd SelectorEndOf(std::string_view selector) {
    SelectorEnd end;
    char quote = 0;
    bool inComment = false;
    for (size_t i = 0; i < selector.size(); ++i) {
        const char c = selector[i];
        const char next = i + 1 < selector.size() ? selector[i + 1] : '\0';
        end.Escaping = false;
        if (inComment) {
            if (c == '*' && next == '/')
                inComment = false, ++i;
        } else if (c == '\\') {
            end.Escaping = ++i == selector.size(); // the next byte is escaped, a line end too
        } else if (quote) {
            if (c == quote || c == '\n')
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '/' && next == '*') {
            inComment = true, ++i;
        }
    }
    end.InString = quote != 0;
    return end;
}

std::string TrimSelectorText(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    size_t end = text.size();
    while (end > begin && text[end - 1] == ' ')
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<SheetReadFailure> ReadSheetFile(const std::string& path, SheetFile& out,
                                              ProgressReport& progress,
                                              std::optional<SheetEncoding> chosen) {
    TextFileContent content;
    if (auto failure = ReadTextFile(path, content))
        return SheetReadFailure{failure->Reason, failure->Refusal};
    out.Rules = LoadStylesFromSheet(content.Text, progress);
    out.Text = std::move(content.Text);
    out.Bytes = content.Bytes;
    out.Encoding = chosen.value_or(content.Encoding);
    out.Raw = std::move(content.Raw);
    return std::nullopt;
}

} // namespace tesselo
