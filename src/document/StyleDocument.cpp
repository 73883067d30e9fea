#include "document/StyleDocument.h"

#include "document/RecordChange.h"
#include "document/SheetReader.h"
#include "document/TextSplice.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <iterator>
#include <stdexcept>
#include <unordered_map>

namespace tesselo {
namespace {

constexpr bool IsBlank(char c) {
    return static_cast<unsigned char>(c) < 33;
}

// How much of the first rule's front part is the sheet's header: its first comment,
// with the rest of that comment's line, and the lines after it up to the last line of
// blanks, so that a note written right above the rule stays the rule's.
size_t HeaderLength(std::string_view front) {
    size_t i = 0;
    while (i < front.size() && IsBlank(front[i]))
        ++i;
    if (front.substr(i, 2) != "/*")
        return 0;
    const size_t close = front.find("*/", i + 2);
    if (close == std::string_view::npos)
        return 0;
    size_t head = close + 2;
    size_t lineStart = head;
    while (lineStart < front.size() && front[lineStart] != '\n' && IsBlank(front[lineStart]))
        ++lineStart;
    if (lineStart == front.size() || front[lineStart] != '\n')
        return head; // the rule's selector follows on the comment's line
    head = ++lineStart;
    for (;;) {
        const size_t lineEnd = front.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            return head;
        const std::string_view line = front.substr(lineStart, lineEnd - lineStart);
        if (std::all_of(line.begin(), line.end(), IsBlank))
            head = lineEnd + 1;
        lineStart = lineEnd + 1;
    }
}

} // namespace

bool IsGroupPrelude(std::string_view selector) {
    if (selector.empty() || selector.front() != '@')
        return false;
    size_t end = 1;
    while (end < selector.size() &&
           (std::isalnum(static_cast<unsigned char>(selector[end])) || selector[end] == '-'))
        ++end;
    // A statement in front ("@layer a, b; h1") makes the text a rule's selector, as with
    // "@import url(a.css); body": its ";" stands outside strings and brackets.
    char quote = 0;
    int brackets = 0;
    for (size_t i = end; i < selector.size(); ++i) {
        const char c = selector[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[') {
            ++brackets;
        } else if ((c == ')' || c == ']') && brackets > 0) {
            --brackets;
        } else if (c == ';' && brackets == 0) {
            return false;
        }
    }
    const std::string_view keyword = selector.substr(1, end - 1);
    for (std::string_view group : {"media", "supports", "layer", "container", "document",
                                   "-moz-document", "scope", "starting-style"})
        if (EqualsIgnoringAsciiCase(keyword, group))
            return true;
    return false;
}

StyleRecord::StyleRecord(std::string selector, LineList lines)
    : Selector(std::move(selector)), linesSet_(true), lines_(std::move(lines)) {}

StyleRecord StyleRecord::FromSource(std::string selector, std::string source, size_t selectorStart,
                                    size_t blockStart, size_t blockEnd) {
    StyleRecord record;
    record.selectorRead_ = selector;
    record.Selector = std::move(selector);
    record.source_ = std::move(source);
    record.selectorStart_ = selectorStart;
    record.blockStart_ = blockStart;
    record.blockEnd_ = blockEnd;
    record.edited_ = false;
    record.fromSource_ = true;
    record.linesCut_ = false;
    return record;
}

StyleRecord StyleRecord::GroupFromSource(std::string prelude, std::string source,
                                         size_t selectorStart) {
    const size_t end = source.size();
    StyleRecord record = FromSource(std::move(prelude), std::move(source), selectorStart, end, end);
    record.group_ = true;
    record.lines_.clear();
    record.linesCut_ = true;
    return record;
}

std::string_view StyleRecord::Indent() const {
    const std::string_view front = FrontPart();
    const size_t lineBreak = front.rfind('\n');
    if (lineBreak == std::string_view::npos)
        return {}; // the selector goes on the line of the text before it
    const std::string_view line = front.substr(lineBreak + 1);
    size_t blanks = 0;
    while (blanks < line.size() && (line[blanks] == ' ' || line[blanks] == '\t'))
        ++blanks;
    return blanks == line.size() ? line : std::string_view();
}

const LineList& StyleRecord::Lines() const {
    if (!linesCut_) {
        lines_ = CutBlockLines(blockReplaced_ ? std::string_view(block_)
                                              : std::string_view(source_).substr(
                                                    blockStart_, blockEnd_ - blockStart_));
        linesCut_ = true;
    }
    return lines_;
}

void StyleRecord::SetLines(LineList lines) {
    lines_ = std::move(lines);
    linesCut_ = true;
    linesSet_ = true;
    blockReplaced_ = false;
    block_.clear();
}

std::string StyleRecord::BlockText() const {
    if (blockReplaced_)
        return block_;
    if (group_)
        return {};
    // Lines the editor laid out but nobody changed are no text of the rule's yet.
    if (fromSource_ && (!linesSet_ || !edited_))
        return source_.substr(blockStart_, blockEnd_ - blockStart_);
    // Lines in the editor's layout: as the composer writes them between the braces.
    std::string text = "\n";
    for (const auto& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

void StyleRecord::ReplaceBlock(std::string block) {
    block_ = std::move(block);
    blockReplaced_ = true;
    linesSet_ = false;
    linesCut_ = false;
}

std::string StyleRecord::SplicedSource() const {
    std::string text = source_.substr(0, selectorStart_);
    if (Selector != selectorRead_) {
        // The selector's own bytes give way to the new name; the blanks between it and
        // the "{" stay.
        size_t end = blockStart_ > selectorStart_ ? blockStart_ - 1 : selectorStart_;
        while (end > selectorStart_ && IsBlank(source_[end - 1]))
            --end;
        text += Selector;
        text.append(source_, end, blockStart_ - end);
    } else {
        text.append(source_, selectorStart_, blockStart_ - selectorStart_);
    }
    text += blockReplaced_ ? block_ : source_.substr(blockStart_, blockEnd_ - blockStart_);
    text.append(source_, blockEnd_, std::string::npos);
    return text;
}

std::string_view StyleRecord::WrittenSelector() const {
    if (source_.empty() || Selector != selectorRead_ || blockStart_ <= selectorStart_)
        return Selector;
    std::string_view text = std::string_view(source_).substr(
        selectorStart_, blockStart_ - 1 - selectorStart_); // up to the "{"
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

void StyleRecord::DropFront(size_t bytes) {
    bytes = std::min(bytes, selectorStart_);
    source_.erase(0, bytes);
    selectorStart_ -= bytes;
    if (blockStart_ >= bytes) { // not a record made in the editor
        blockStart_ -= bytes;
        blockEnd_ -= bytes;
    }
}

void StyleRecord::PrependSource(std::string_view text) {
    source_.insert(0, text);
    if (source_.size() == text.size()) {
        // A record without a source takes the text as the part in front of it.
        selectorStart_ = text.size();
        return;
    }
    selectorStart_ += text.size();
    blockStart_ += text.size();
    blockEnd_ += text.size();
}

bool StyleRecord::operator==(const StyleRecord& other) const {
    return Selector == other.Selector && edited_ == other.edited_ && source_ == other.source_ &&
           selectorStart_ == other.selectorStart_ && depth_ == other.depth_ &&
           group_ == other.group_ && close_ == other.close_ &&
           blockReplaced_ == other.blockReplaced_ &&
           (blockReplaced_ ? block_ == other.block_ : Lines() == other.Lines());
}

size_t StyleRecord::Bytes() const {
    size_t bytes = sizeof(StyleRecord) + HeldBytes(lines_) - sizeof(LineList);
    for (const std::string* text : {&Selector, &source_, &selectorRead_, &close_, &block_})
        bytes += HeldBytes(*text) - sizeof(std::string);
    return bytes;
}

StyleDocument::StyleDocument() = default;

const StyleRecord& StyleDocument::Record(int i) const {
    if (i < 0 || i >= StyleCount())
        throw std::out_of_range("style index " + std::to_string(i) + " out of range");
    return records_[static_cast<size_t>(i)];
}

StyleRecord& StyleDocument::At(int i) {
    Record(i);
    return records_[static_cast<size_t>(i)];
}

std::vector<std::string> StyleDocument::ListItems() const {
    std::vector<std::string> items;
    items.reserve(records_.size());
    for (const auto& record : records_)
        items.push_back(record.Selector);
    return items;
}

void StyleDocument::NewCSS() {
    records_.clear();
    records_.emplace_back("Body", LineList{});
    head_.clear();
    tail_.clear();
    recordsRead_ = 0;
    SheetText.clear();
    LineEnd = kCrLf;
    ByteOrderMark = false;
    FinalLineEnd = true;
    Encoding = SheetEncoding::Utf8;
    FileName.clear();
    Modified = false;
    FileRewritten = false;
    DiskStamp.reset();
}

void StyleDocument::AddStyleRecord(const std::string& selector) {
    records_.emplace_back(selector, LineList{});
}

void StyleDocument::InsertStyleRecord(int at, const std::string& selector, int depth) {
    if (at < 0 || at > StyleCount())
        throw std::out_of_range("no such row");
    StyleRecord record(selector, LineList{});
    record.depth_ = depth;
    records_.insert(records_.begin() + at, std::move(record));
}

int StyleDocument::SubtreeEnd(int i) const {
    const int depth = Record(i).depth_;
    int end = i + 1;
    while (end < StyleCount() && records_[static_cast<size_t>(end)].depth_ > depth)
        ++end;
    return end;
}

int StyleDocument::ParentOf(int i) const {
    const int depth = Record(i).depth_;
    if (depth == 0)
        return -1; // most rows: no walk back over the sheet
    for (int j = i - 1; j >= 0; --j)
        if (records_[static_cast<size_t>(j)].depth_ < depth)
            return j;
    return -1;
}

std::vector<int> StyleDocument::ChildrenOf(int group) const {
    std::vector<int> children;
    const int end = group < 0 ? StyleCount() : SubtreeEnd(group);
    for (int i = group + 1; i < end; i = SubtreeEnd(i))
        children.push_back(i);
    return children;
}

void StyleDocument::ShiftDepth(int at, int count, int by) {
    for (int i = at; i < at + count; ++i)
        At(i).depth_ += by;
}

void StyleDocument::ReorderStylesByList(const std::vector<std::string>& items) {
    if (items.size() != records_.size())
        return;
    // The records of each name in their present order; each item takes the first
    // that remains.
    std::unordered_map<std::string_view, std::deque<size_t>> byName;
    for (size_t i = 0; i < records_.size(); ++i)
        byName[records_[i].Selector].push_back(i);
    std::vector<int> order;
    order.reserve(items.size());
    for (const auto& item : items) {
        auto found = byName.find(item);
        if (found == byName.end() || found->second.empty())
            return; // the list names a selector the table does not hold
        order.push_back(static_cast<int>(found->second.front()));
        found->second.pop_front();
    }
    ApplyOrder(order);
}

void StyleDocument::MoveRecord(int from, int to) {
    Record(from);
    Record(to);
    const auto first = records_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

void StyleDocument::ApplyOrder(const std::vector<int>& order) {
    if (order.size() != records_.size())
        throw std::invalid_argument("the order does not name every record");
    std::vector<bool> taken(records_.size());
    for (int from : order) {
        if (from < 0 || from >= StyleCount() || taken[static_cast<size_t>(from)])
            throw std::invalid_argument("the order does not name every record once");
        taken[static_cast<size_t>(from)] = true;
    }
    std::vector<StyleRecord> reordered;
    reordered.reserve(records_.size());
    for (int from : order)
        reordered.push_back(std::move(records_[static_cast<size_t>(from)]));
    records_ = std::move(reordered);
}

void StyleDocument::SetSelector(int i, const std::string& selector) {
    StyleRecord& record = At(i);
    record.Selector = selector;
    record.MarkEdited();
}

void StyleDocument::ReplaceLines(int i, LineList lines) {
    At(i).SetLines(std::move(lines));
}

void StyleDocument::ReplaceBlock(int i, std::string block) {
    At(i).ReplaceBlock(std::move(block));
}

void StyleDocument::MarkEdited(int i) {
    At(i).MarkEdited();
}

void StyleDocument::RemoveRecord(int i) {
    const std::string front(At(i).FrontPart());
    const int depth = records_[static_cast<size_t>(i)].depth_;
    const int parent = ParentOf(i);
    const int end = SubtreeEnd(i);
    records_.erase(records_.begin() + i, records_.begin() + end);
    if (front.empty())
        return;
    if (i < StyleCount() && records_[static_cast<size_t>(i)].depth_ == depth)
        records_[static_cast<size_t>(i)].PrependSource(front);
    else if (parent >= 0)
        records_[static_cast<size_t>(parent)].close_.insert(0, front);
    else
        tail_.insert(0, front);
}

void StyleDocument::ReplaceRange(int at, int count, std::vector<StyleRecord> records) {
    if (at < 0 || count < 0 || at + count > StyleCount())
        throw std::out_of_range("no such records");
    const auto first = records_.begin() + at;
    records_.erase(first, first + count);
    records_.insert(records_.begin() + at, std::make_move_iterator(records.begin()),
                    std::make_move_iterator(records.end()));
}

void StyleDocument::UndoChange(int i, const RecordChange& change) {
    change.Undo(At(i));
}

void StyleDocument::RedoChange(int i, const RecordChange& change) {
    change.Redo(At(i));
}

void StyleDocument::ReplaceRecords(std::vector<StyleRecord> records, std::string tail) {
    records_ = std::move(records);
    tail_ = std::move(tail);
    recordsRead_ = records_.size();
    for (size_t i = 0; i < records_.size(); ++i)
        records_[i].readPosition_ = records_[i].source_.empty() ? 0 : i + 1;
    for (int i = 0; i < StyleCount(); ++i)
        if (records_[static_cast<size_t>(i)].group_)
            records_[static_cast<size_t>(i)].closeAfter_ = static_cast<size_t>(SubtreeEnd(i));
    head_.clear();
    if (!records_.empty()) {
        StyleRecord& first = records_.front();
        head_ = first.FrontPart().substr(0, HeaderLength(first.FrontPart()));
        first.DropFront(head_.size());
    }
}

std::string WindowCaptionFor(const std::string& fileName) {
    return "Tesselo 1.0 beta - " + fileName;
}

} // namespace tesselo
