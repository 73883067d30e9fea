// One panel change in every rule of the real sheets, each in the session as a user makes
// it: the file changes in one line, or gains one, and in nothing else; taken back, the
// file is as read, byte for byte.

#include "PanelEdit.h"
#include "editor/StyleEditor.h"
#include "support/DiskFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tesselo {
namespace {

std::vector<std::string> Sheets() {
    std::vector<std::string> sheets;
    std::istringstream list(TESSELO_SHEETS);
    for (std::string sheet; std::getline(list, sheet, '|');)
        if (!sheet.empty())
            sheets.push_back(sheet);
    return sheets;
}

std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// What an edit did to the file's lines: the lines between the unchanged ones in front
// and behind, before and after.
struct Touched {
    std::vector<std::string_view> Before, After;
};

Touched TouchedLines(std::string_view original, std::string_view edited) {
    const auto before = LinesOf(original);
    const auto after = LinesOf(edited);
    size_t front = 0;
    while (front < before.size() && front < after.size() && before[front] == after[front])
        ++front;
    size_t back = 0;
    while (back < before.size() - front && back < after.size() - front &&
           before[before.size() - 1 - back] == after[after.size() - 1 - back])
        ++back;
    const auto from = static_cast<std::ptrdiff_t>(front);
    const auto to = static_cast<std::ptrdiff_t>(back);
    return {{before.begin() + from, before.end() - to}, {after.begin() + from, after.end() - to}};
}

// One line changed, added or removed; a value spread over lines written on its first;
// or, where the rule's "}" ends its last line, that line without its "}" and a new one
// with it (a declaration that must come after all).
bool OneLine(const Touched& t) {
    if (t.Before.size() + t.After.size() == 1 || (t.Before.size() == 1 && t.After.size() == 1))
        return true;
    if (t.After.size() == 1 && !t.Before.empty() && t.After[0].find(':') != std::string::npos &&
        t.Before[0].substr(0, t.Before[0].find(':')) == t.After[0].substr(0, t.After[0].find(':')))
        return true;
    return t.Before.size() == 1 && t.After.size() == 2 && t.Before[0].ends_with("}") &&
           t.After[1].ends_with("}") && t.Before[0].starts_with(t.After[0].substr(0, 1));
}

std::string Composed(StyleEditor& editor) {
    editor.ComposeCSS();
    return editor.Document().SheetText.Bytes();
}

class RealSheetEdit : public ::testing::TestWithParam<std::string> {};

TEST_P(RealSheetEdit, EveryRuleTakesOneChangeInOneLineAndUndoGivesTheFileBack) {
    StyleEditor editor(testing::DiskFiles());
    ASSERT_FALSE(editor.LoadCSSFile(GetParam(), /*writeBackup=*/false));
    std::shared_ptr<const EditStep> step;
    editor.Observe([&step](const SessionChange& change) {
        if (change.Step)
            step = change.Step;
    });
    const std::string original = Composed(editor);
    int edits = 0;
    std::vector<std::string> faults;
    for (int i = 0; i < editor.Document().StyleCount(); ++i) {
        editor.Select(i);
        if (editor.NestedCurrent())
            continue;
        // A set control gets another value; a rule with none gets a bold font.
        step.reset();
        editor.ChangePanel(
            [i](PropertySet& panel) {
                if (!dump::EditOneControl(panel, i)) {
                    panel.FontBold = true;
                    panel.FontWeight.Text = "bold";
                    panel.FontWeight.Set = true;
                }
            },
            {.Modifies = true, .Writes = true});
        const std::string edited = Composed(editor);
        ++edits;
        const Touched touched = TouchedLines(original, edited);
        if (!OneLine(touched) && faults.size() < 5) {
            std::string fault = editor.Document().Record(i).Selector + ":";
            for (auto line : touched.Before)
                fault += "\n- " + std::string(line);
            for (auto line : touched.After)
                fault += "\n+ " + std::string(line);
            faults.push_back(fault);
        }
        ASSERT_TRUE(step) << editor.Document().Record(i).Selector;
        editor.Undo(*step);
        ASSERT_EQ(Composed(editor), original)
            << "undo did not give the file back after " << editor.Document().Record(i).Selector;
    }
    EXPECT_GT(edits, 0);
    for (const auto& fault : faults)
        ADD_FAILURE() << fault;
}

INSTANTIATE_TEST_SUITE_P(Sheets, RealSheetEdit, ::testing::ValuesIn(Sheets()), [](const auto& row) {
    std::string name = row.param.substr(row.param.rfind('/') + 1);
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name + "_" + std::to_string(row.index);
});

} // namespace
} // namespace tesselo
