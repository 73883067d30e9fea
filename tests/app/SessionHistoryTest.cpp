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

// A history of a few kilobytes: the oldest steps go, the last one stays, and the text
// as saved is reached again only while the steps back to it are kept.
TEST_F(History, OverItsBudgetTheOldestStepsGoAndTheSavedTextStaysWhereItWas) {
    SessionHistory small(
        editor, [](std::string_view bytes) { return QString::fromStdString(std::string(bytes)); },
        nullptr, 16384);
    int renamed = 0;
    auto rename = [&](int times) {
        for (int i = 0; i < times; ++i)
            editor.Rename(1, ".b" + std::to_string(++renamed));
    };
    auto undoAll = [&] {
        while (small.Stack().canUndo())
            small.Undo();
    };
    auto redoAll = [&] {
        while (small.Stack().canRedo())
            small.Redo();
    };
    rename(40);
    EXPECT_LT(small.Stack().count(), 40);
    EXPECT_LE(small.Bytes(), 16384u);
    undoAll();
    EXPECT_NE(Composed(), kSheet) << "the first steps are gone";
    EXPECT_TRUE(editor.Document().Modified) << "the text as saved is not reached";

    redoAll();
    editor.MarkSaved();
    // Steps until the oldest go again, all of them older than the save.
    const int kept = small.Stack().count();
    int made = 0;
    while (made < 40 && small.Stack().count() == kept + made) {
        rename(1);
        ++made;
    }
    ASSERT_LT(made, small.Stack().count()) << "the steps after the save are kept";
    for (int i = 0; i < made; ++i)
        small.Undo();
    EXPECT_FALSE(editor.Document().Modified) << "back at the text as saved";
    redoAll();
    rename(40);
    undoAll();
    EXPECT_TRUE(editor.Document().Modified) << "the steps back to the save are gone";
    EXPECT_GE(small.Stack().count(), 1);
}

} // namespace
} // namespace tesselo
