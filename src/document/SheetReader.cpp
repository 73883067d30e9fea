#include "document/SheetReader.h"

#include "document/TextFile.h"

namespace tesselo {
namespace {

constexpr bool IsBlank(unsigned char c) { return c < 33; }
constexpr bool IsSelectorByte(unsigned char c) { return c >= 32 && c <= 126; }

// The scan keeps, for the rule in its block, a buffer of the current line with its
// leading blanks stripped (a line of blanks keeps its last one). The rule's last
// line tracks that buffer while the block is open on this line; it is written out
// when the line ends or a brace ends the tracking.
class RuleScanner {
public:
    std::vector<StyleRecord> Scan(const LineList& text) {
        for (const auto& line : text)
            ScanLine(line);
        return std::move(rules_);
    }

private:
    void ScanLine(const std::string& line) {
        buffer_.clear();
        const size_t last = line.size() - 1;
        for (size_t p = 0; p < line.size(); ++p) {
            const auto c = static_cast<unsigned char>(line[p]);
            const bool hasNext = p < last;
            const char next = hasNext ? line[p + 1] : '\0';
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
                break;
            case '/':
                if (next == '*')
                    inComment_ = true;
                else if (!slashClosed)
                    AddToSelector(c);
                break;
            case '{':
                FlushTrackedLine();
                rules_.push_back({TrimSelectorText(selector_), {}});
                selector_.clear();
                buffer_.clear();
                inBlock_ = true;
                break;
            case '}':
                FlushTrackedLine();
                inBlock_ = false;
                break;
            default:
                if (inBlock_)
                    AppendToBuffer(c);
                else
                    AddToSelector(c);
                break;
            }
            if (inBlock_ && (c == '*' || c == '/'))
                AppendToBuffer(c);
            if (inBlock_ && !tracking_)
                StartTracking();
        }
        if (tracking_) {
            FlushTrackedLine();
            if (!buffer_.empty())
                rules_.back().Lines.emplace_back();
        }
    }

    void AddToSelector(unsigned char c) {
        if (!inBlock_ && !inComment_ && IsSelectorByte(c))
            selector_ += char(c);
    }

    void AppendToBuffer(unsigned char c) {
        buffer_ += char(c);
        if (buffer_.size() == 2 && IsBlank(static_cast<unsigned char>(buffer_[0])))
            buffer_.erase(0, 1);
    }

    // The first step of a line inside the block replaces the rule's last line.
    void StartTracking() {
        auto& lines = rules_.back().Lines;
        if (!lines.empty())
            lines.pop_back();
        lines.emplace_back();
        tracking_ = true;
    }

    void FlushTrackedLine() {
        if (!tracking_)
            return;
        rules_.back().Lines.back() = buffer_;
        tracking_ = false;
    }

    std::vector<StyleRecord> rules_;
    std::string selector_;
    std::string buffer_;
    bool inBlock_ = false;
    bool inComment_ = false;
    bool closingSlash_ = false;
    bool tracking_ = false;
};

} // namespace

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
    auto rules = LoadStylesFromSheet(content.Text);
    if (rules.size() > static_cast<size_t>(kStyleCapacity))
        return SheetReadFailure{SheetReadFailure::Kind::TooManyRules, {}};
    out.Text = std::move(content.Text);
    out.Rules = std::move(rules);
    out.Bytes = content.Bytes;
    return std::nullopt;
}

} // namespace tesselo
