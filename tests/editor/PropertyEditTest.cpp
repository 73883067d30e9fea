// The session's operations for the controls built from the catalogue and the rows of
// the page of all properties: each is one step, made in the rule as written, taken back
// byte for byte, and refused whole when it cannot be made.

#include "document/SheetComposer.h"
#include "editor/StyleEditor.h"
#include "support/DiskFiles.h"
#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::DocumentRead;

// A session over a sheet with its first rule (or `row`) selected, keeping its steps.
struct PropertySession {
    explicit PropertySession(const std::string& sheet, int row = 0) : editor(testing::DiskFiles()) {
        editor.Observe([this](const SessionChange& change) {
            if (change.Step)
                steps.push_back(change.Step);
        });
        editor.TakeDocument(DocumentRead(sheet));
        editor.Select(row);
    }
    std::string Composed() {
        editor.ComposeCSS();
        return editor.Document().SheetText.Bytes();
    }
    StyleEditor editor;
    std::vector<std::shared_ptr<const EditStep>> steps;
};

struct OperationCase {
    std::string_view Name;
    std::string Sheet;
    std::function<bool(StyleEditor&)> Operation;
    std::string Result; // empty: refused, the sheet as it was
};

TEST(PropertyEdit, EachOperationIsOneStepTakenBackByteForByte) {
    const std::string flex =
        "a {\n  display: flex;\n  gap: 1rem; /* kept */\n}\nb {\n  top: 0;\n}\n";
    const std::vector<OperationCase> cases = {
        {"set in place", flex, [](StyleEditor& e) { return e.SetProperty("gap", "2rem"); },
         "a {\n  display: flex;\n  gap: 2rem; /* kept */\n}\nb {\n  top: 0;\n}\n"},
        {"set added", flex, [](StyleEditor& e) { return e.SetProperty("align-items", "center"); },
         "a {\n  display: flex;\n  gap: 1rem; /* kept */\n  align-items: center;\n}\nb {\n  top: "
         "0;\n}\n"},
        {"removed", flex, [](StyleEditor& e) { return e.RemoveProperty("gap"); },
         "a {\n  display: flex;\n}\nb {\n  top: 0;\n}\n"},
        {"a row's value", flex, [](StyleEditor& e) { return e.SetDeclaration(0, "grid", false); },
         "a {\n  display: grid;\n  gap: 1rem; /* kept */\n}\nb {\n  top: 0;\n}\n"},
        {"a row made important", flex,
         [](StyleEditor& e) { return e.SetDeclaration(1, "1rem", true); },
         "a {\n  display: flex;\n  gap: 1rem !important; /* kept */\n}\nb {\n  top: 0;\n}\n"},
        {"a row removed", flex, [](StyleEditor& e) { return e.RemoveDeclaration(0); },
         "a {\n  gap: 1rem; /* kept */\n}\nb {\n  top: 0;\n}\n"},
        {"a row added, a custom name in its case", flex,
         [](StyleEditor& e) { return e.AddDeclaration("--Accent", "#0d6efd"); },
         "a {\n  display: flex;\n  gap: 1rem; /* kept */\n  --Accent: #0d6efd;\n}\nb {\n  top: "
         "0;\n}\n"},
        {"the sheet's hex case and zeros", "a {\n  color: #fff;\n  margin: 0;\n}\n",
         [](StyleEditor& e) { return e.SetProperty("border-top-color", "#AABBCC"); },
         "a {\n  color: #fff;\n  margin: 0;\n  border-top-color: #aabbcc;\n}\n"},
        {"a row out of range", flex, [](StyleEditor& e) { return e.RemoveDeclaration(5); }, ""},
        {"a value that runs out", flex,
         [](StyleEditor& e) { return e.SetProperty("gap", "1rem; color: red"); }, ""},
        {"a row value that runs out", flex,
         [](StyleEditor& e) { return e.SetDeclaration(1, "1rem } b {", true); }, ""},
    };
    for (const OperationCase& c : cases) {
        SCOPED_TRACE(std::string(c.Name));
        PropertySession session(c.Sheet);
        const bool done = c.Operation(session.editor);
        EXPECT_EQ(done, !c.Result.empty());
        EXPECT_EQ(session.Composed(), c.Result.empty() ? c.Sheet : c.Result);
        if (c.Result.empty()) {
            EXPECT_TRUE(session.steps.empty());
            EXPECT_FALSE(session.editor.Document().Modified);
            continue;
        }
        ASSERT_EQ(session.steps.size(), 1u);
        EXPECT_TRUE(session.editor.Document().Modified);
        session.editor.Undo(*session.steps[0]);
        EXPECT_EQ(session.Composed(), c.Sheet);
        session.editor.Redo(*session.steps[0]);
        EXPECT_EQ(session.Composed(), c.Result);
    }
}

TEST(PropertyEdit, TheTextViewAndThePanelFollow) {
    PropertySession session("a {\n  color: red;\n}\n");
    ASSERT_TRUE(session.editor.SetProperty("color", "blue"));
    EXPECT_EQ(session.editor.Memo().Lines, (LineList{"  color: blue;"}));
    EXPECT_EQ(session.editor.CurrentBlock(), "\n  color: blue;\n");
    EXPECT_TRUE(session.editor.Panel().FontColorCheck);
}

TEST(PropertyEdit, TextTypedIntoTheViewIsCommittedFirst) {
    PropertySession session("a {\n  color: red;\n}\n");
    session.editor.TypeText({"  color: green;"});
    ASSERT_TRUE(session.editor.SetProperty("order", "2"));
    EXPECT_EQ(session.Composed(), "a {\n  color: green;\n  order: 2;\n}\n");
    // The typing and the change are two steps.
    EXPECT_EQ(session.steps.size(), 2u);
}

TEST(PropertyEdit, RulesThePanelDoesNotTakeAreLeftAlone) {
    const std::string nested = "a {\n  color: red;\n  & b { top: 0; }\n}\n";
    PropertySession inNested(nested);
    EXPECT_FALSE(inNested.editor.SetProperty("order", "1"));
    EXPECT_EQ(inNested.Composed(), nested);

    const std::string group = "@media print {\n  a {\n    color: red;\n  }\n}\n";
    PropertySession onGroup(group);
    EXPECT_FALSE(onGroup.editor.SetProperty("order", "1"));
    EXPECT_EQ(onGroup.Composed(), group);
}

TEST(PropertyEdit, InTheEditorsLayoutTheRuleIsWrittenInItsLayout) {
    PropertySession session("a {\n  color: red;\n  cursor: pointer;\n}\n");
    session.editor.UseEditorLayout(true);
    ASSERT_TRUE(session.editor.SetProperty("order", "2"));
    const std::string composed = session.Composed();
    EXPECT_NE(composed.find("order:2;"), std::string::npos) << composed;
    EXPECT_NE(composed.find("cursor:pointer;"), std::string::npos) << composed;
    EXPECT_NE(composed.find("RED"), std::string::npos) << composed;
    ASSERT_EQ(session.steps.size(), 1u);
    session.editor.Undo(*session.steps[0]);
    EXPECT_EQ(session.editor.CurrentBlock().find("order"), std::string::npos);
}

} // namespace
} // namespace tesselo
