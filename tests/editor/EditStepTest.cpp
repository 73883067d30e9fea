// The steps of the undo history keep what a change changed, not the rules it changed: a
// change of one value in a rule of 100,000 declarations holds a few hundred bytes, and
// taking steps back and doing them again gives the session back byte for byte, in the
// author's text and in the editor's layout.

#include "document/SheetComposer.h"
#include "editor/StyleEditor.h"
#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/SessionSnapshot.h"
#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::SessionSnapshot;
using testing::SnapshotOf;

std::string SheetOf(const StyleEditor& editor) {
    return ComposeSheet(editor.Document()).Text();
}

// A rule of design tokens between two small rules.
std::string TokenSheet(int tokens) {
    std::string text = "h1 { color: red }\n:root {\n  color: #336699;\n  margin-top: 10px;\n";
    for (int i = 0; i < tokens; ++i)
        text += "  --token-" + std::to_string(i) + ": " + std::to_string(i % 97) + "px;\n";
    return text + "}\np.note { margin: 0 }\n";
}

void Margin(StyleEditor& editor, const std::string& text) {
    editor.ChangePanel(
        [&](PropertySet& p) {
            p[Length::MarginTop].Text = text;
            p[Length::MarginTop].Unit = "px";
            p[Length::MarginTop].Set = true;
        },
        {.Modifies = true, .Writes = true, .Refreshes = true});
}

// The text view with its line `at` replaced, typed and stored.
void TypeLine(StyleEditor& editor, size_t at, const std::string& line) {
    LineList lines = editor.Memo().Lines;
    lines.at(at) = line;
    editor.TypeText(std::move(lines));
    editor.CommitText();
}

using Action = std::function<void(StyleEditor&)>;

// A session on `sheet` with `row` selected, and its steps, each with the snapshots taken
// where it began and where it ended. Each action makes one step at most, and makes it
// before it changes anything else.
struct Trail {
    Trail(const std::string& sheet, bool editorLayout, int row)
        : editor(editorLayout ? std::make_unique<testing::LayoutEditor>(testing::DiskFiles())
                              : std::make_unique<StyleEditor>(testing::DiskFiles())) {
        editor->TakeDocument(testing::DocumentRead(sheet));
        editor->Select(row);
        editor->Observe([this](const SessionChange& change) {
            if (!change.Step)
                return;
            steps.push_back(change.Step);
            before.push_back(start);
            after.push_back(SnapshotOf(*editor));
        });
    }
    void Do(const Action& action) {
        start = SnapshotOf(*editor);
        action(*editor);
    }
    // Every step back to the first, then every one again.
    void ExpectRoundTrip() {
        for (size_t k = steps.size(); k-- > 0;) {
            editor->Undo(*steps[k]);
            const SessionSnapshot now = SnapshotOf(*editor);
            EXPECT_TRUE(now == before[k])
                << "step " << k << " taken back: " << testing::Difference(now, before[k]);
        }
        for (size_t k = 0; k < steps.size(); ++k) {
            editor->Redo(*steps[k]);
            const SessionSnapshot now = SnapshotOf(*editor);
            EXPECT_TRUE(now == after[k])
                << "step " << k << " done again: " << testing::Difference(now, after[k]);
        }
    }

    std::unique_ptr<StyleEditor> editor;
    std::vector<std::shared_ptr<const EditStep>> steps;
    std::vector<SessionSnapshot> before, after;
    SessionSnapshot start;
};

TEST(EditStepSize, AChangeOfOneValueInABigRuleKeepsThatValue) {
    struct Change {
        const char* Name;
        Action Make;
        bool Step;
    };
    const Change changes[] = {
        {"first panel change", [](StyleEditor& e) { Margin(e, "5"); }, true},
        {"next panel change", [](StyleEditor& e) { Margin(e, "7"); }, true},
        {"a refresh stores the text", [](StyleEditor& e) { e.ComposeCSS(); }, false},
        {"a property, with what was stored", [](StyleEditor& e) { e.SetProperty("color", "blue"); },
         true},
        {"a typed line", [](StyleEditor& e) { TypeLine(e, 50000, "  --token-x: 1em;"); }, true},
        {"renamed", [](StyleEditor& e) { e.Rename(1, ":root, html"); }, true},
    };
    Trail trail(TokenSheet(100000), false, 1);
    for (const Change& change : changes) {
        const size_t made = trail.steps.size();
        trail.Do(change.Make);
        ASSERT_EQ(trail.steps.size(), made + (change.Step ? 1 : 0)) << change.Name;
        if (change.Step) {
            EXPECT_LT(trail.steps.back()->Bytes(), 2048u) << change.Name;
        }
    }
    trail.ExpectRoundTrip();
}

TEST(EditStepSize, APanelChangeThatWritesNothingIsNoStep) {
    const std::string sheet = "p {\n  margin: 0;\n}\nh1 { color: red }\n";
    Trail trail(sheet, false, 0);
    trail.Do([](StyleEditor& e) { // a unit chosen for an empty field
        e.ChangePanel([](PropertySet& p) { p[Length::PaddingTop].Unit = "em"; },
                      {.Modifies = true, .Writes = true, .Refreshes = true});
    });
    EXPECT_TRUE(trail.steps.empty());
    EXPECT_EQ(SheetOf(*trail.editor), sheet);
    trail.Do([](StyleEditor& e) { Margin(e, "4"); });
    ASSERT_EQ(trail.steps.size(), 1u);
    trail.ExpectRoundTrip();
}

class EditStepTrail : public ::testing::TestWithParam<bool> {};

TEST_P(EditStepTrail, TakenBackAndDoneAgainTheSessionIsAsItWas) {
    Trail trail(TokenSheet(30), GetParam(), 1);
    const std::vector<Action> actions = {
        [](StyleEditor& e) { Margin(e, "5"); },
        [](StyleEditor& e) { e.ComposeCSS(); }, // stores the panel's text: no step
        [](StyleEditor& e) { Margin(e, "6"); },
        [](StyleEditor& e) { e.ComposeCSS(); },
        [](StyleEditor& e) { e.SetProperty("color", "blue"); },
        [](StyleEditor& e) { TypeLine(e, 3, "  --token-1: 2em;"); },
        [](StyleEditor& e) { e.Select(0); },
        [](StyleEditor& e) { e.Rename(0, "h2"); },
        [](StyleEditor& e) { e.Select(1); },
        [](StyleEditor& e) { e.ClearCurrent(); },
        [](StyleEditor& e) { Margin(e, "8"); },
        [](StyleEditor& e) { e.Select(2); }, // stores rule 1 on the way out
        [](StyleEditor& e) { e.RemoveCurrent(); },
        [](StyleEditor& e) { e.Select(0); },
        [](StyleEditor& e) {
            e.TypeText({"color: green;"});
            e.PushTextToPanel();
        },
        [](StyleEditor& e) { e.ComposeCSS(); }, // in the editor's layout, stores its lines
        [](StyleEditor& e) { e.AddRule("ul"); },
    };
    for (const Action& action : actions)
        trail.Do(action);
    EXPECT_EQ(trail.steps.size(), 10u);
    trail.ExpectRoundTrip();
    trail.ExpectRoundTrip(); // and again, from the end
}

INSTANTIATE_TEST_SUITE_P(Layouts, EditStepTrail, ::testing::Values(false, true),
                         [](const auto& named) { return named.param ? "Editor" : "Authored"; });

// A theme's variables set where they are defined and renamed over the sheet: one step
// each, one line each in the file, the current rule's text following, taken back and done
// again byte for byte.
TEST_P(EditStepTrail, VariablesAreSetAndRenamedInTheirRulesAsOneStep) {
    const std::string sheet = ":root {\n  --brand: #0d6efd;\n  --gap: 1rem;\n}\n"
                              ".btn {\n  color: var(--brand);\n  --hover: var(--brand, red);\n}\n"
                              "p { content: \"var(--brand)\" }\n";
    Trail trail(sheet, GetParam(), 1);
    trail.Do([](StyleEditor& e) {
        e.TypeText({"  color: var(--brand);", "  margin: 0;"});
        e.CommitText();
    });
    trail.Do([](StyleEditor& e) { EXPECT_TRUE(e.SetDeclarationOf(0, 0, "#ff0000")); });
    ASSERT_EQ(trail.steps.size(), 2u);
    EXPECT_EQ(SheetOf(*trail.editor).substr(0, 35), ":root {\n  --brand: #ff0000;\n  --gap");
    EXPECT_FALSE(trail.editor->SetDeclarationOf(0, 7, "1px")) << "no such declaration";
    EXPECT_FALSE(trail.editor->SetDeclarationOf(0, 1, "1px; color: red")) << "runs out";

    trail.Do([](StyleEditor& e) { EXPECT_EQ(e.RenameVariable("--brand", "--main"), 2u); });
    ASSERT_EQ(trail.steps.size(), 3u);
    const std::string renamed = SheetOf(*trail.editor);
    EXPECT_NE(renamed.find("--main: #ff0000;"), std::string::npos);
    EXPECT_NE(renamed.find("color: var(--main);"), std::string::npos);
    EXPECT_NE(renamed.find("\"var(--brand)\""), std::string::npos) << "a string stays";
    const LineList& memo = trail.editor->Memo().Lines;
    EXPECT_TRUE(std::any_of(memo.begin(), memo.end(), [](const std::string& line) {
        return line.find("var(--main)") != std::string::npos;
    })) << "the current rule's text follows";
    EXPECT_EQ(trail.editor->RenameVariable("--nobody", "--x"), 0u);
    EXPECT_EQ(trail.editor->RenameVariable("--main", "not-a-name"), 0u);
    EXPECT_EQ(trail.steps.size(), 3u);
    trail.ExpectRoundTrip();
}

// Typed text of any shape, taken back: selecting the rules again changes nothing, and
// every step goes back and forth byte for byte.
class TypedTrail : public ::testing::TestWithParam<bool> {};

TEST_P(TypedTrail, TypedRulesTakenBackAreGivenBackAsTheyWere) {
    const char* pieces[] = {"color: red;",
                            "color:RED/*",
                            "r;color:RED",
                            "margin: 0 auto",
                            "/* note */",
                            "font-weight: bold;",
                            "  ",
                            "--x: 1px;",
                            "background: url(a.png) no-repeat",
                            "font: 12px/1.5 Arial;",
                            "COLOR : Blue !important;",
                            ";",
                            "text-decoration:underline"};
    std::mt19937 random(7);
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    static constexpr const char* kTyped = "h1 { color: red }\np.note {\n  margin: 0;\n}\na { }\n";
    int failures = 0;
    size_t made = 0, refused = 0;
    for (int run = 0; run < 200 && failures < 3; ++run) {
        Trail trail(kTyped, GetParam(), 0);
        for (int action = 0; action < 6; ++action) {
            if (pick(3) == 0) {
                trail.Do([&](StyleEditor& e) { e.Select(static_cast<int>(pick(3))); });
                continue;
            }
            LineList lines;
            for (size_t n = 1 + pick(3); n-- > 0;) {
                std::string line;
                for (size_t k = 1 + pick(3); k-- > 0;)
                    line += pieces[pick(std::size(pieces))];
                lines.push_back(line);
            }
            trail.Do([&](StyleEditor& e) {
                const LineList shown = e.Memo().Lines;
                e.TypeText(lines);
                if (!e.CommitText()) { // refused: the user types the text back
                    ++refused;
                    e.TypeText(shown);
                    EXPECT_TRUE(e.CommitText());
                }
            });
        }
        trail.ExpectRoundTrip();
        made += trail.steps.size();
        for (size_t k = trail.steps.size(); k-- > 0;)
            trail.editor->Undo(*trail.steps[k]);
        const std::string sheet = SheetOf(*trail.editor);
        EXPECT_EQ(sheet, kTyped) << "run " << run << ": every step taken back";
        const size_t steps = trail.steps.size();
        for (int row = 0; row < 3; ++row)
            trail.Do([&](StyleEditor& e) { e.Select(row); });
        trail.editor->CommitText();
        if (SheetOf(*trail.editor) != sheet || trail.steps.size() != steps) {
            ++failures;
            ADD_FAILURE() << "run " << run << ": selecting again changed\n"
                          << sheet << "\ninto\n"
                          << SheetOf(*trail.editor);
        }
    }
    EXPECT_GT(made, 400u) << "the runs make steps";
    EXPECT_GT(refused, 20u) << "and meet refusals";
}

INSTANTIATE_TEST_SUITE_P(Layouts, TypedTrail, ::testing::Values(false, true),
                         [](const auto& named) { return named.param ? "Editor" : "Authored"; });

TEST(EditStepJoin, AGestureIsOneStepFromBeforeItsFirstChangeToAfterItsLast) {
    Trail trail(TokenSheet(30), false, 1);
    const TextView shown = trail.editor->Memo();
    trail.Do([](StyleEditor& e) { Margin(e, "5"); });
    trail.Do([](StyleEditor& e) { e.ComposeCSS(); }); // a refresh between the two
    trail.Do([](StyleEditor& e) { Margin(e, "6"); });
    ASSERT_EQ(trail.steps.size(), 2u);
    auto joined = JoinSteps(*trail.steps[0], *trail.steps[1]);
    ASSERT_TRUE(joined);
    EXPECT_EQ(trail.editor->ViewBefore(*joined), shown);
    trail.steps = {joined};
    trail.after.erase(trail.after.begin());
    trail.before.pop_back();
    trail.ExpectRoundTrip();

    trail.Do([](StyleEditor& e) { e.RemoveCurrent(); });
    EXPECT_FALSE(JoinSteps(*trail.steps[0], *trail.steps[1])) << "rows that go are no gesture";
    EXPECT_FALSE(trail.editor->ViewBefore(*trail.steps[1]));
}

TEST(EditStepBudget, TheOldestStepsDoneGoDownToThreeQuartersOfTheBudget) {
    struct Case {
        std::vector<size_t> Sizes;
        size_t Done, Gone;
    };
    const Case cases[] = {
        {{10, 10, 10}, 3, 0},     // within the budget of 30
        {{10, 10, 10, 10}, 4, 2}, // down to 22
        {{40, 1, 1}, 3, 1},       // one big step
        {{10, 10, 10, 10}, 2, 1}, // the steps taken back wait for a redo; the last done stays
        {{100}, 1, 0},            // the one step stays, whatever it holds
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepsOverBudget(c.Sizes, c.Done, 30), c.Gone)
            << c.Sizes.size() << " steps, " << c.Done << " done";
}

} // namespace
} // namespace tesselo
