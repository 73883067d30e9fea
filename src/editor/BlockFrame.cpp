#include "editor/BlockFrame.h"

namespace tesselo {
namespace {

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f';
}

} // namespace

LineList FramedLines(std::string_view block, BlockFrame& frame) {
    frame = {};
    const size_t firstBreak = block.find('\n');
    if (firstBreak == std::string_view::npos) {
        // One line: its blanks at both ends are the frame.
        size_t begin = 0;
        while (begin < block.size() && IsBlankByte(block[begin]))
            ++begin;
        size_t end = block.size();
        while (end > begin && IsBlankByte(block[end - 1]))
            --end;
        frame.Head = std::string(block.substr(0, begin));
        frame.Tail = std::string(block.substr(end));
        if (begin == end)
            return {};
        return {std::string(block.substr(begin, end - begin))};
    }
    size_t begin = 0;
    bool headBlank = true;
    for (size_t i = 0; i < firstBreak; ++i)
        headBlank = headBlank && IsBlankByte(block[i]);
    if (headBlank)
        begin = firstBreak + 1;
    const size_t lastBreak = block.rfind('\n');
    size_t end = block.size();
    bool tailBlank = true;
    for (size_t i = lastBreak + 1; i < block.size(); ++i)
        tailBlank = tailBlank && IsBlankByte(block[i]);
    if (tailBlank && lastBreak + 1 > begin)
        end = lastBreak;
    else if (tailBlank && lastBreak + 1 == begin) {
        // One line break between blanks: no line of its own, the head and the tail
        // share the break.
        frame.Head = std::string(block.substr(0, begin));
        frame.Tail = std::string(block.substr(lastBreak));
        return {};
    }
    frame.Head = std::string(block.substr(0, begin));
    frame.Tail = std::string(block.substr(end));
    LineList lines;
    size_t at = begin;
    for (;;) {
        const size_t next = block.find('\n', at);
        if (next == std::string_view::npos || next >= end) {
            lines.emplace_back(block.substr(at, end - at));
            break;
        }
        lines.emplace_back(block.substr(at, next - at));
        at = next + 1;
    }
    return lines;
}

std::string BlockOfLines(const LineList& lines, const BlockFrame& frame) {
    std::string text = frame.Head;
    if (lines.empty()) {
        // The head's line break and the tail's are the same one.
        if (!text.empty() && text.back() == '\n' && !frame.Tail.empty() &&
            frame.Tail.front() == '\n')
            return text + frame.Tail.substr(1);
        return text + frame.Tail;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    return text + frame.Tail;
}

} // namespace tesselo
