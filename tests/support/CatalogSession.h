#pragma once

// An editing session for the pages built from the catalogue: a sheet's bytes read into a
// real StyleEditor, its rule selected, message boxes and choice dialogs answered by
// fakes, the sheet's text taken as UTF-8, and the last step the session announced kept
// to take it back. `OnChange` stands for the window, which shows the panel again after
// each change.

#include "editor/StyleEditor.h"
#include "panel/CatalogControls.h"
#include "panel/VariableHints.h"
#include "support/Fakes.h"
#include "support/PanelFakes.h"
#include "support/SheetText.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tesselo::testing {

inline TextCodec Utf8Codec() {
    return {[](std::string_view bytes) {
                return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
            },
            [](const QString& text) { return text.toUtf8().toStdString(); }};
}

struct CatalogSession {
    // `file` is where the sheet would be, for the paths of pictures.
    explicit CatalogSession(std::string_view sheet, int row = 0, const std::string& file = {}) {
        StyleDocument document = DocumentRead(sheet);
        document.FileName = file;
        editor.TakeDocument(std::move(document));
        editor.Select(row);
        editor.Observe([this](const SessionChange& change) {
            if (change.Step)
                lastStep = change.Step;
            ++changes;
            if (OnChange)
                OnChange();
        });
    }

    std::string Block() const { return editor.CurrentBlock(); }
    // Takes the last step back, as the window's undo does.
    void UndoLast() {
        ASSERT_TRUE(lastStep) << "no step to take back";
        auto step = std::move(lastStep);
        editor.Undo(*step);
    }

    FakeFiles files;
    StyleEditor editor{files};
    FakeDialogs dialogs;
    FakePanelDialogs choices;
    VariablesCache variables{editor};
    PageServices services{editor, dialogs, choices, Utf8Codec(), &variables, {}};
    std::shared_ptr<const EditStep> lastStep;
    int changes = 0;
    std::function<void()> OnChange;
};

// The text with its one occurrence of `from` replaced by `to`; the test fails when
// `from` is not there once.
inline std::string Replaced(const std::string& text, std::string_view from, std::string_view to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "no \"" << from << "\" in " << text;
    if (at == std::string::npos)
        return text;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << "\"" << from << "\" twice";
    return text.substr(0, at) + std::string(to) + text.substr(at + from.size());
}

} // namespace tesselo::testing
