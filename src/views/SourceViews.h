#pragma once

// What the current style's text view decides without its window: the property page
// that edits the property on the caret's line.

#include <string_view>

namespace tesselo {

// The pages of the property panel, in their order.
enum class PropertyPage { BBColor = 0, MarginPadding = 1, DisplayVis = 2, PositionFloat = 3 };

// The page that edits what the line holds; the last of the four tests that matches
// wins. -1 when none matches and the page stays.
int PropertyPageForLine(std::string_view line);

} // namespace tesselo
