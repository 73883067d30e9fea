#pragma once

// An editing session on a sheet written to disk, with the views' text through the
// sheet's codec, as the window gives it: what a widget of src/views works over.

#include "editor/Preview.h"
#include "editor/StyleEditor.h"
#include "platform/QtText.h"
#include "platform/SheetCodec.h"
#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "views/StyleListCommands.h"
#include "views/ViewText.h"

#include <gtest/gtest.h>

#include <string>

namespace tesselo::testing {

class ViewsSession : public ::testing::Test {
protected:
    // The sheet opened and its first rule selected.
    void Open(const std::string& text) {
        const std::string path = dir.File("a.css");
        WriteBytes(path, text);
        ASSERT_FALSE(editor.LoadCSSFile(path, false).has_value());
        editor.Select(0);
    }

    ViewText Text() const {
        auto codec = [this] { return SheetCodec(editor.Document().Encoding); };
        return {
            .Decode = [codec](std::string_view bytes) { return codec().Decode(bytes); },
            .Encode = [codec](const QString& text) { return codec().Encode(text); },
            .DecodeLines = [codec](const LineList& lines) { return codec().DecodeLines(lines); },
            .EncodeLines = [codec](const QString& text) { return codec().EncodeLines(text); },
            .ForTextBox = ForTextBox,
            .TextOf = TextOf,
        };
    }

    TempDir dir;
    LayoutEditor editor{DiskFiles()};
    FakeBrowser browser;
    FakeDialogs dialogs;
    Preview preview{editor, browser, dialogs};
    StyleListCommands commands{editor, dialogs};
};

} // namespace tesselo::testing
