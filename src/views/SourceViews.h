#pragma once

// What the current style's text view decides without its window: the property page
// that edits the property on the caret's line.

#include <string_view>

namespace tesselo {

// The pages of the property panel, in their order.
enum class PropertyPage {
    BBColor = 0,
    MarginPadding = 1,
    DisplayVis = 2,
    PositionFloat = 3,
    Layout = 4,
    Effects = 5
};

// The page that edits what the line holds: the page of its property's control, or
// the last of the four name tests that matches. -1 when none matches and the page stays.
int PropertyPageForLine(std::string_view line);

} // namespace tesselo
