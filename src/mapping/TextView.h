#pragma once

#include "document/ByteText.h"

namespace tesselo {

// The current-style text view (CSSMemo): the declaration lines of the current style
// as the user sees and edits them.
struct TextView {
    LineList Lines;
    // Edited by hand since the panel last wrote it (the refresh button shows).
    bool Edited = false;
    bool operator==(const TextView&) const = default;
};

} // namespace tesselo
