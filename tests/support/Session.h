#pragma once

// Small moves on an editing session that tests share.

#include "editor/StyleEditor.h"

namespace tesselo::testing {

// A change to save, as typing makes one: the current rule's text typed again.
inline void Modify(StyleEditor& editor) {
    editor.TypeText(editor.Memo().Lines);
}

} // namespace tesselo::testing
