#include "app/SessionHistory.h"

#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

using testing::DiskFiles;

// A sheet read from disk and saved as read, with its history.
class History : public ::testing::Test {
protected:
    void SetUp() override {
        testing::WriteBytes(path, kSheet);
        ASSERT_FALSE(editor.LoadCSSFile(path, false));
        editor.Select(1);
    }
    // The panel sets the margin of the current rule, as a spinner or a key does.
    void Margin(const std::string& text) {
        editor.ChangePanel(
            [&](PropertySet& p) {
                LengthField& top = p[Length::MarginTop];
                top.Text = text;
                top.Unit = text.empty() ? "" : "px";
                top.Set = !text.empty();
            },
            {.Modifies = true, .Writes = true});
    }
    std::string Composed() {
        editor.ComposeCSS();
        return editor.Document().SheetText.Bytes();
    }

    static constexpr const char* kSheet =
        "h1 { color: red }\n.btn { font-size: 1rem; margin-top: 3px }\n";
    testing::TempDir dir;
    std::string path = dir.File("a.css");
    testing::LayoutEditor editor{DiskFiles()};
    SessionHistory history{
        editor, [](std::string_view bytes) { return QString::fromStdString(std::string(bytes)); }};
};

TEST_F(History, AGestureIsOneStepAndUndoingItGivesBackTheSavedSheet) {
    Margin("1");
    Margin("2");
    Margin("4");
    ASSERT_EQ(history.Stack().count(), 1);
    EXPECT_EQ(history.Stack().undoText(), QStringLiteral("Margin-top в .btn"));
    EXPECT_NE(Composed(), kSheet);

    history.Undo();
    EXPECT_EQ(Composed(), kSheet);
    EXPECT_FALSE(editor.Document().Modified) << "back at the text as saved";
    EXPECT_EQ(editor.Current(), 1);
    history.Redo();
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_NE(Composed().find("4px"), std::string::npos);
}

TEST_F(History, AGestureThatEndsWhereItBeganIsNoStep) {
    Margin("4");
    Margin("3");
    EXPECT_EQ(history.Stack().count(), 0);
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(Composed(), kSheet) << "the rule is written as read again";
}

TEST_F(History, UndoKnowsTheSavedStateAndANewChangeDropsTheRedo) {
    editor.Rename(1, ".button");
    editor.MarkSaved(); // saved with the new name
    editor.Sort([](const std::string& a, const std::string& b) { return a < b; });
    ASSERT_TRUE(editor.Document().Modified);

    history.Undo();
    EXPECT_FALSE(editor.Document().Modified);
    history.Undo();
    EXPECT_TRUE(editor.Document().Modified) << "before the save is away from it";
    EXPECT_EQ(Composed(), kSheet);
    EXPECT_EQ(history.Stack().redoText(), QStringLiteral("переименование .button"));

    editor.Select(0);
    editor.TypeText({"color: blue;"});
    history.Undo(); // the typing is stored, and taken back
    EXPECT_EQ(Composed(), kSheet);
    EXPECT_TRUE(history.Stack().canRedo());
    editor.ClearCurrent();
    EXPECT_FALSE(history.Stack().canRedo()) << "a new change drops what was undone";
}

TEST_F(History, OpeningOrANewDocumentStartsAnEmptyHistory) {
    Margin("5");
    editor.NewCSS();
    EXPECT_EQ(history.Stack().count(), 0);
    editor.AddRule("ul");
    ASSERT_FALSE(editor.LoadCSSFile(path, false));
    EXPECT_EQ(history.Stack().count(), 0);
    EXPECT_TRUE(history.Stack().isClean());
}

} // namespace
} // namespace tesselo
