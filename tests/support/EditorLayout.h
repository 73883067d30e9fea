#pragma once

// A session with the editor's own layout chosen ("Вид > Раскладка редактора"): the
// tests that pin that layout (";" lines, capitalised names, the marker line) run in it.

#include "editor/StyleEditor.h"
#include "mapping/ClearPanel.h"

namespace tesselo::testing {

class LayoutEditor : public StyleEditor {
public:
    explicit LayoutEditor(FileReplacer& files, const LineList& installedFamilies = {})
        : StyleEditor(files, installedFamilies) {
        UseEditorLayout(true);
        // As a session starts: the panel as made and reset, not read from the new rule.
        ShowInPanel([&installedFamilies](PropertySet& panel) {
            panel = PropertySet(installedFamilies);
            ClearPanel(panel);
        });
    }
};

} // namespace tesselo::testing
