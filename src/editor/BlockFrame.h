#pragma once

// A rule's block as the current-style view shows it: the author's lines between the
// braces, without the line break after "{" and the indentation of "}" when these stand
// alone. The frame keeps them, so that the lines put back give the block byte for byte.

#include "document/ByteText.h"

#include <string>
#include <string_view>

namespace tesselo {

struct BlockFrame {
    std::string Head; // blanks up to the first line break, when nothing else is before it
    std::string Tail; // the last line break and the blanks after it, when nothing follows
    bool operator==(const BlockFrame&) const = default;
};

// The lines of the block, the frame taken off into `frame`.
LineList FramedLines(std::string_view block, BlockFrame& frame);
// The block of the lines in the frame. No lines give the frame alone, with one line
// break where the head and the tail both have one.
std::string BlockOfLines(const LineList& lines, const BlockFrame& frame);

} // namespace tesselo
