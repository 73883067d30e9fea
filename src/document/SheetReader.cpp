#include "document/SheetReader.h"

#include "document/TextFile.h"

#include <array>

namespace tesselo {
namespace {

constexpr bool IsBlank(unsigned char c) {
    return c < 33;
}
constexpr bool IsSelectorByte(unsigned char c) {
    return c >= 32 && c <= 126;
}
// The bytes that change the scanner's state: braces and the comment marks.
constexpr auto kSpecial = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {'{', '}', '/', '*'})
        table[c] = true;
    return table;
}();
inline bool IsSpecial(char c) {
    return kSpecial[static_cast<unsigned char>(c)];
}

// The scan keeps, for the rule in its block, a buffer of the current line with its
// leading blanks stripped (a line of blanks keeps its last one). The rule's last
// line tracks that buffer while the block is open on this line; it is written out
// when the line ends or a brace ends the tracking.
class RuleScanner {
public:
    template <typename Lines> std::vector<StyleRecord> Scan(const Lines& text) {
        for (std::string_view line : text)
            ScanLine(line);
        return std::move(rules_);
    }

private:
    void ScanLine(std::string_view line) {
        buffer_.clear();
        const size_t size = line.size();
        size_t p = 0;
        while (p < size) {
            // Between braces and comment marks nothing changes state: take the run whole.
            size_t special = p;
            while (special < size && !IsSpecial(line[special]))
                ++special;
            if (special > p) {
                TakeRun(line.substr(p, special - p));
                closingSlash_ = false;
                p = special;
                continue;
            }
            const char c = line[p];
            const char next = p + 1 < size ? line[p + 1] : '\0';
            const bool slashClosed = closingSlash_;
            closingSlash_ = false;
            switch (c) {
            case '*':
                if (next == '/' && inComment_) {
                    inComment_ = false;
                    closingSlash_ = true;
                } else {
                    AddToSelector(c);
                }
                AppendInBlock(line.substr(p, 1));
                break;
            case '/':
                if (next == '*')
                    inComment_ = true;
                else if (!slashClosed)
                    AddToSelector(c);
                AppendInBlock(line.substr(p, 1));
                break;
            case '{':
                nested_ = nested_ || inBlock_;
                FlushTrackedLine();
                rules_.push_back({TrimSelectorText(selector_), {}});
                rules_.back().Lines.reserve(4);
                selector_.clear();
                buffer_.clear();
                inBlock_ = true;
                StartTracking();
                break;
            default: // '}'
                FlushTrackedLine();
                inBlock_ = false;
                break;
            }
            ++p;
        }
        if (tracking_ && FlushTrackedLine())
            rules_.back().Lines.emplace_back();
    }

    void TakeRun(std::string_view run) {
        if (inBlock_) {
            AppendInBlock(run);
        } else if (!inComment_) {
            for (char c : run)
                if (IsSelectorByte(static_cast<unsigned char>(c)))
                    selector_ += c;
        }
    }

    // Appends to the line of the rule in its block, keeping the buffer free of leading
    // blanks (a line of blanks so far keeps its last one).
    void AppendInBlock(std::string_view run) {
        if (!inBlock_)
            return;
        if (!buffer_.empty() && !IsBlank(static_cast<unsigned char>(buffer_[0]))) {
            buffer_.append(run);
        } else {
            size_t first = 0;
            while (first < run.size() && IsBlank(static_cast<unsigned char>(run[first])))
                ++first;
            if (first == run.size())
                buffer_.assign(1, run.back());
            else
                buffer_.assign(run.substr(first));
        }
        if (!tracking_)
            StartTracking();
    }

    void AddToSelector(unsigned char c) {
        if (!inBlock_ && !inComment_ && IsSelectorByte(c))
            selector_ += char(c);
    }

    // The first step of a line inside the block replaces the rule's last line.
    void StartTracking() {
        auto& lines = rules_.back().Lines;
        if (!lines.empty())
            lines.pop_back();
        lines.emplace_back();
        tracking_ = true;
    }

    // Returns whether the line written out holds anything. The buffer is moved out:
    // after a flush it is only ever refilled from empty.
    bool FlushTrackedLine() {
        if (!tracking_)
            return false;
        const bool filled = !buffer_.empty();
        rules_.back().Lines.back() = std::move(buffer_);
        buffer_.clear();
        tracking_ = false;
        return filled;
    }

public:
    // A "{" met inside a block (an @media or @supports block, say) started a rule.
    bool nested_ = false;

private:
    std::vector<StyleRecord> rules_;
    std::string selector_;
    std::string buffer_;
    bool inBlock_ = false;
    bool inComment_ = false;
    bool closingSlash_ = false;
    bool tracking_ = false;
};

} // namespace

std::vector<StyleRecord> LoadStylesFromSheet(const SheetLines& sheetText) {
    return RuleScanner().Scan(sheetText);
}

std::vector<StyleRecord> LoadStylesFromSheet(const LineList& sheetText) {
    return RuleScanner().Scan(sheetText);
}

std::string TrimSelectorText(std::string_view text) {
    auto trimmed = [](char c) { return c == ' ' || static_cast<unsigned char>(c) > 127; };
    size_t begin = 0;
    while (begin < text.size() && trimmed(text[begin]))
        ++begin;
    size_t end = text.size();
    while (end - begin > 1 && trimmed(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<SheetReadFailure> ReadSheetFile(const std::string& path, SheetFile& out) {
    TextFileContent content;
    if (auto failure = ReadTextFile(path, content))
        return SheetReadFailure{SheetReadFailure::Kind::CannotRead, failure->Reason};
    RuleScanner scanner;
    auto rules = scanner.Scan(content.Text);
    if (rules.size() > static_cast<size_t>(kStyleCapacity))
        return SheetReadFailure{SheetReadFailure::Kind::TooManyRules, {}};
    out.Text = std::move(content.Text);
    out.Rules = std::move(rules);
    out.Bytes = content.Bytes;
    out.NestedBlocks = scanner.nested_;
    return std::nullopt;
}

} // namespace tesselo
