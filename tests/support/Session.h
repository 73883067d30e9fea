#pragma once

// Small moves on an editing session that tests share.

#include "editor/StyleEditor.h"

namespace tesselo::testing {

// A change to save that leaves the text as it is, as a click into a panel field makes:
// the document modified and the current rule written anew.
inline void Modify(StyleEditor& editor) {
    editor.ChangePanel(nullptr, {.Modifies = true});
}

} // namespace tesselo::testing
