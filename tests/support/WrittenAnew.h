#pragma once

// A sheet read and written with every rule written anew, as a change of each would
// write it.

#include "document/SheetComposer.h"
#include "support/SheetText.h"

#include <string>
#include <string_view>

namespace tesselo::testing {

inline std::string WrittenAnew(std::string_view bytes) {
    StyleDocument document = DocumentRead(bytes);
    for (int i = 0; i < document.StyleCount(); ++i)
        document.MarkEdited(i);
    return ComposeSheet(document).Bytes();
}

} // namespace tesselo::testing
