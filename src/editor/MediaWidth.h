#pragma once

// Whether a group's condition holds in the preview's page at the width the page is laid
// out at, as a screen shows it: "@media (min-width: 768px)" at 375 pixels does not.
// Widths, in the px, em and rem of a page at its default font size (16px), are judged;
// what the width does not decide (a print medium aside) is left to the page: the
// condition may hold.

#include "document/StyleDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace tesselo {

enum class MediaAnswer { Holds, DoesNotHold, Unknown };

// A group's condition as the list shows it: "@media screen and (max-width: 767.98px)".
// "@supports" and other groups are Unknown.
MediaAnswer GroupHoldsAt(std::string_view condition, int width);

// The width nearest to `near` at which the condition holds, when the width decides it.
std::optional<int> WidthWhereHolds(std::string_view condition, int near);

// The first group around the record (or the record itself, a group) whose condition does
// not hold at `width`: its row, or -1.
int GroupNotHoldingAt(const StyleDocument& document, int row, int width);

// A list row's hint for a rule that does not apply at the width:
// "Не действует при ширине 375 пикселей: @media (min-width: 768px)".
std::string NotAtWidthText(std::string_view condition, int width);

} // namespace tesselo
