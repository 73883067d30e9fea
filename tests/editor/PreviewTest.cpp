#include "editor/Preview.h"

#include "document/TextFile.h"
#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/Fakes.h"
#include "support/Session.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tesselo {
namespace {

namespace fs = std::filesystem;

using testing::DiskFiles;
using testing::FakeBrowser;
using testing::FakeDialogs;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kSheet = "h1 { color: red }\r\np { margin: 0 }\r\n";
// The same sheet after the user typed "color: blue;" into the view of its first rule:
// that rule is written anew, the other as it was read.
const std::string kEdited = "h1 {\r\ncolor: blue;\r\n}\r\np { margin: 0 }\r\n";

std::map<std::string, std::string> Listing(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder))
        entries[entry.path().filename().string()] =
            entry.is_directory() ? "<folder>" : ReadBytes(entry.path().string());
    return entries;
}

// Runs the test inside a folder of its own, so names relative to the current folder
// land there.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

class PreviewFixture : public ::testing::Test {
protected:
    // Opens a sheet as reading a file does: the backup copy beside it holds the text.
    std::string Open(const std::string& bytes) {
        const std::string path = dir.File("site.css");
        WriteBytes(path, bytes);
        EXPECT_FALSE(editor.LoadCSSFile(path));
        return path;
    }

    // The user types into the view of the current rule.
    void Type(const std::string& line) { editor.TypeText({line}); }

    TempDir dir;
    testing::LayoutEditor editor{DiskFiles()};
    FakeBrowser browser;
    FakeDialogs dialogs;
    Preview preview{editor, browser, dialogs};
};

// ---------------------------------------------------------------------------------
// Refreshing: the file on disk follows the edited sheet, the backup copy does not.

class PreviewRefresh : public PreviewFixture {};

TEST_F(PreviewRefresh, RewritesTheFileWithTheComposedSheetInItsOwnLineEnds) {
    // Lone LF line ends and no line end after the last line.
    const std::string path = Open("h1 { color: red }\np { margin: 0 }");
    Type("color: blue;");

    preview.RefreshViewExecute();

    const std::string edited = "h1 {\ncolor: blue;\n}\np { margin: 0 }";
    EXPECT_EQ(ReadBytes(path), edited);
    EXPECT_EQ(editor.Document().SheetText.Bytes(), edited);
}

// A change of the classic panel, whose rule's text stays its view's until the sheet is
// composed, goes to the page as the view has it; so does the next one, which leaves the
// record as the last composing stored it.
TEST_F(PreviewRefresh, AClassicPanelChangeGoesToThePageAsTheRuleNowReads) {
    Open("hr {\n  margin: 0;\n}\n");
    preview.AutoRefresh = true;
    preview.PreviewShowing = true;
    editor.UseEditorLayout(false);
    editor.Select(0);
    for (const char* block : {"\n  margin: 0;\n  text-align: center;\n", "\n  margin: 0;\n"}) {
        browser.Applied.clear();
        editor.ChangePanel([](PropertySet& p) { p.Toggle(Keyword::TextAlignCenter); },
                           {.Modifies = true, .Writes = true, .Refreshes = true});
        ASSERT_EQ(browser.Applied.size(), 1u) << block;
        EXPECT_EQ(browser.Applied[0].Block, block);
    }
}

// Text typed into the rule's view and pushed into the panel is stored as a step of its
// own; with automatic refresh the page and the file follow it at once.
TEST_F(PreviewRefresh, APushedTextGoesToThePageAndTheFile) {
    const std::string path = Open("h1 { color: red }\n");
    preview.AutoRefresh = true;
    preview.PreviewShowing = true;
    editor.UseEditorLayout(false);
    editor.Select(0);
    Type(" color: red; letter-spacing: 2px ");
    EXPECT_TRUE(browser.Applied.empty()) << "typing alone stores nothing";
    editor.PushTextToPanel();
    ASSERT_EQ(browser.Applied.size(), 1u);
    EXPECT_NE(browser.Applied[0].Block.find("letter-spacing: 2px"), std::string::npos);
    EXPECT_NE(ReadBytes(path).find("letter-spacing: 2px"), std::string::npos);
}

// With automatic refresh, a rule changed in its place goes into the page's copy of the
// sheet ahead of its file, found by its selector and its place among the rules of that
// selector; the file is written, and the page keeps the copy that took the rule. A rule
// inside a group, or a page reloaded whole, waits for the file, swapped in as before.
TEST_F(PreviewRefresh, ARuleChangedInItsPlaceGoesToThePageAheadOfItsFile) {
    const std::string path = Open("h1 { color: red }\np { margin: 0 }\nh1  { margin: 0 }\n"
                                  "@media print {\n  p { color: red }\n}\n");
    preview.AutoRefresh = true;
    preview.PreviewShowing = true;
    editor.UseEditorLayout(false);
    editor.Select(2);
    ASSERT_TRUE(editor.SetProperty("color", "blue"));
    ASSERT_EQ(browser.Applied.size(), 1u);
    EXPECT_EQ(browser.Applied[0], (RuleEdit{path, "h1", 1, " margin: 0; color: blue "}));
    ASSERT_FALSE(browser.Calls.empty());
    EXPECT_EQ(browser.Calls.back(), "sheet after apply " + path) << "the file follows";

    editor.Select(4); // inside @media
    ASSERT_TRUE(editor.SetProperty("color", "green"));
    EXPECT_EQ(browser.Calls.back(), "sheet " + path);
    preview.FullReload = true;
    editor.Select(0);
    ASSERT_TRUE(editor.SetProperty("color", "green"));
    preview.FullReload = false;
    preview.AutoRefresh = false;
    ASSERT_TRUE(editor.SetProperty("color", "navy"));
    EXPECT_EQ(browser.Applied.size(), 1u);
}

TEST_F(PreviewRefresh, StoresTheTypedTextIntoTheCurrentRecord) {
    Open(kSheet);
    Type("color: blue;");

    preview.RefreshViewExecute();

    EXPECT_EQ(editor.Document().Record(0).Lines(), LineList{"color: blue;"});
}

TEST_F(PreviewRefresh, BackupCopyAndModifiedUntouched) {
    const std::string path = Open(kSheet);
    Type("color: blue;");
    testing::Modify(editor);

    preview.RefreshViewExecute();
    Type("color: green;");
    preview.RefreshViewExecute();

    EXPECT_NE(ReadBytes(path).find("color: green;"), std::string::npos);
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), kSheet);
    EXPECT_TRUE(editor.Document().Modified);
}

// A sheet of @import lines alone has no rule to show: all of it is the text after the
// last rule, and a refresh writes it back whole.
TEST_F(PreviewRefresh, SheetWithoutAnyRule_KeepsItsText) {
    for (const std::string text : {"@import url(base.css);\r\n@import url(print.css) print;\r\n",
                                   "@charset \"utf-8\";\n/* nothing else */\n"}) {
        SCOPED_TRACE(text);
        const std::string path = Open(text);
        ASSERT_EQ(editor.Document().StyleCount(), 0);

        preview.RefreshViewExecute();

        EXPECT_EQ(ReadBytes(path), text);
        EXPECT_FALSE(editor.Document().Modified);
    }
}

TEST_F(PreviewRefresh, OnlyTypedTextMarksTheDocumentModified) {
    Open(kSheet);
    preview.RefreshViewExecute();
    EXPECT_FALSE(editor.Document().Modified);

    Type("color: blue;");
    preview.RefreshViewExecute();
    EXPECT_TRUE(editor.Document().Modified) << "the typed text now lives only in the record";
}

TEST_F(PreviewRefresh, LeavesOnlyTheFileAndItsBackupInTheFolder) {
    Open(kSheet);
    Type("color: blue;");

    preview.RefreshViewExecute();

    const auto listing = Listing(dir.Path());
    EXPECT_EQ(listing.size(), 2u);
    EXPECT_TRUE(listing.count("site.css"));
    EXPECT_TRUE(listing.count("site.css.ORIGINAL"));
}

// The page takes the written sheet in once; a full reload only when the user wants it.
TEST_F(PreviewRefresh, PreviewShowing_ShowsTheWrittenSheetOnceOrReloadsWhenAsked) {
    const std::string path = Open(kSheet);
    preview.PreviewShowing = true;
    for (const bool full : {false, true}) {
        browser.Calls.clear();
        preview.FullReload = full;

        preview.RefreshViewExecute();

        EXPECT_EQ(browser.Calls, std::vector<std::string>{full ? "reload" : "sheet " + path});
    }
}

TEST_F(PreviewRefresh, OtherPageShowing_WritesButDoesNotReload) {
    const std::string path = Open(kSheet);
    Type("color: blue;");

    preview.RefreshViewExecute();

    EXPECT_NE(ReadBytes(path).find("color: blue;"), std::string::npos);
    EXPECT_TRUE(browser.Calls.empty());
}

TEST_F(PreviewRefresh, NeverSavedDocument_ComposesButWritesAndReloadsNothing) {
    TempDir current;
    CurrentFolder inside(current.Path());
    WriteBytes(current.File(".ORIGINAL"), "stranger\r\n");
    preview.PreviewShowing = true;
    Type("color: blue;");

    preview.RefreshViewExecute();

    EXPECT_EQ(editor.Document().SheetText.Bytes(), "Body {\r\ncolor: blue;\r\n}\r\n");
    EXPECT_TRUE(browser.Calls.empty());
    EXPECT_TRUE(Listing(dir.Path()).empty());
    EXPECT_EQ(Listing(current.Path()),
              (std::map<std::string, std::string>{{".ORIGINAL", "stranger\r\n"}}));
    EXPECT_TRUE(dialogs.Shown.empty());
}

// A file another program removed is not quietly gone: the refresh asks whether to
// write it again; "Нет" holds until the file is back, "Да" writes it.
TEST_F(PreviewRefresh, FileRemovedMeanwhile_AskedOnce_WrittenAgainOnlyOnYes) {
    const std::string gone = "Файл " + dir.File("site.css") +
                             " не найден: другая программа удалила или переместила его.\r"
                             "Записать его снова с текстом, открытым в Tesselo?";
    for (Answer answer : {Answer::No, Answer::Yes}) {
        const std::string path = Open(kSheet);
        fs::remove(path);
        preview.PreviewShowing = true;
        Type("color: blue;");
        dialogs.Shown.clear();
        browser.Calls.clear();
        dialogs.Answers = {answer};

        preview.RefreshViewExecute();
        preview.RefreshViewExecute();

        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_EQ(dialogs.Shown[0].Text, gone);
        EXPECT_EQ(dialogs.Shown[0].Buttons, MessageButtons::YesNo);
        EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), kSheet);
        EXPECT_EQ(fs::exists(path), answer == Answer::Yes);
        EXPECT_EQ(browser.Calls.empty(), answer == Answer::No);
        if (answer == Answer::Yes) {
            EXPECT_EQ(ReadBytes(path), editor.Document().SheetText.Bytes());
        }
    }
}

TEST_F(PreviewRefresh, FolderInPlaceOfTheFile_NothingWrittenAndNoReload) {
    const std::string path = Open(kSheet);
    fs::remove(path);
    fs::create_directory(path);
    preview.PreviewShowing = true;

    preview.RefreshViewExecute();

    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_TRUE(browser.Calls.empty());
}

TEST_F(PreviewRefresh, KeepsTheFilesPermissions) {
    const std::string path = Open(kSheet);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Type("color: blue;");

    preview.RefreshViewExecute();

    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// ---------------------------------------------------------------------------------
// Automatic refresh and the preview page.

class PreviewAutoRefresh : public PreviewFixture {};

TEST_F(PreviewAutoRefresh, OffByDefault_ChangeNotificationWritesNothing) {
    const std::string path = Open(kSheet);
    preview.PreviewShowing = true;
    Type("color: blue;");

    EXPECT_FALSE(preview.AutoRefresh);
    preview.NotifyChange();

    EXPECT_EQ(ReadBytes(path), kSheet);
    EXPECT_TRUE(browser.Calls.empty());
}

TEST_F(PreviewAutoRefresh, ActionFlipsTheCheckedState) {
    preview.AutoRefreshActionExecute();
    EXPECT_TRUE(preview.AutoRefresh);
    preview.AutoRefreshActionExecute();
    EXPECT_FALSE(preview.AutoRefresh);
}

TEST_F(PreviewAutoRefresh, On_PreviewShowing_ChangeRewritesTheFileAndShowsIt) {
    const std::string path = Open(kSheet);
    preview.AutoRefreshActionExecute();
    preview.PreviewShowing = true;
    Type("color: blue;");

    preview.NotifyChange();

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(browser.Calls, std::vector<std::string>{"sheet " + path});
}

TEST_F(PreviewAutoRefresh, On_OtherPageShowing_ChangeRewritesTheFileWithoutReload) {
    const std::string path = Open(kSheet);
    preview.AutoRefreshActionExecute();
    Type("color: blue;");

    preview.NotifyChange();

    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_TRUE(browser.Calls.empty());
}

TEST_F(PreviewAutoRefresh, ShowingThePreviewPageRefreshesEvenWhenOff) {
    const std::string path = Open(kSheet);
    Type("color: blue;");

    preview.PreviewShown();

    EXPECT_TRUE(preview.PreviewShowing);
    EXPECT_EQ(ReadBytes(path), kEdited);
    EXPECT_EQ(browser.Calls, std::vector<std::string>{"sheet " + path});
}

// ---------------------------------------------------------------------------------
// The browser tool bar.

class PreviewBrowserBar : public PreviewFixture {};

TEST_F(PreviewBrowserBar, AddressBoxStartsBlank_ButtonsStartEnabled) {
    EXPECT_EQ(preview.LocationView, "about:blank");
    EXPECT_TRUE(preview.BackEnabled);
    EXPECT_TRUE(preview.ForwardEnabled);
}

TEST_F(PreviewBrowserBar, BackForwardAndStopGoToTheBrowser) {
    preview.GotoBackClick();
    preview.GotoForwardClick();
    preview.StopNavigateClick();

    EXPECT_EQ(browser.Calls, (std::vector<std::string>{"back", "forward", "stop"}));
}

TEST_F(PreviewBrowserBar, EnterNavigatesToTheTypedAddress) {
    preview.LocationView = "file:///srv/site/index.html";

    preview.LocationViewEnter();

    EXPECT_EQ(browser.Calls, std::vector<std::string>{"navigate file:///srv/site/index.html"});
}

TEST_F(PreviewBrowserBar, SavedHomePageIsWhereTheHomeButtonGoes) {
    preview.HomePageAddress = "about:blank";
    preview.LocationView = "https://example.org/page.html";
    preview.LocationViewEnter();

    preview.SaveHomePageClick();
    preview.LocationView = "something typed later";
    preview.GotoHomePageClick();

    EXPECT_EQ(preview.HomePageAddress, "https://example.org/page.html");
    EXPECT_EQ(browser.Calls.back(), "navigate https://example.org/page.html");
}

TEST_F(PreviewBrowserBar, HomeButtonWithoutSavedPage_GoesToTheLoadedHomePage) {
    preview.HomePageAddress = "/home/user/site/index.html";

    preview.GotoHomePageClick();

    EXPECT_EQ(browser.Calls, std::vector<std::string>{"navigate /home/user/site/index.html"});
}

TEST_F(PreviewBrowserBar, DownloadCompleteShowsTheBrowsersLocation) {
    browser.Current = "https://example.org/other.html";

    preview.PreBrowserDownloadComplete();

    EXPECT_EQ(preview.LocationView, "https://example.org/other.html");
}

TEST_F(PreviewBrowserBar, CommandStateEnablesForwardAndBack) {
    preview.PreBrowserCommandStateChange(1, false);
    EXPECT_FALSE(preview.ForwardEnabled);
    EXPECT_TRUE(preview.BackEnabled);

    preview.PreBrowserCommandStateChange(2, false);
    EXPECT_FALSE(preview.BackEnabled);
    EXPECT_FALSE(preview.ForwardEnabled);

    preview.PreBrowserCommandStateChange(1, true);
    EXPECT_TRUE(preview.ForwardEnabled);
    EXPECT_FALSE(preview.BackEnabled);
}

TEST_F(PreviewBrowserBar, OtherCommandCodesAreIgnored) {
    for (int command : {-1, 0, 3, 0xFFFF})
        preview.PreBrowserCommandStateChange(command, false);

    EXPECT_TRUE(preview.BackEnabled);
    EXPECT_TRUE(preview.ForwardEnabled);
    EXPECT_TRUE(browser.Calls.empty());
}

// ---------------------------------------------------------------------------------
// The page and the rules: a pick selects the last rule in sheet order that matches the
// element; the outlines follow the current rule.

class PreviewPage : public PreviewFixture {
protected:
    void SetUp() override {
        Open("h1 { color: red }\r\n@media print { h1 { color: black } }\r\n"
             "h1:hover { color: blue }\r\np { margin: 0 }\r\n");
    }
};

TEST_F(PreviewPage, PickSendsTheStyleRulesAndSelectsTheLastThatMatches) {
    struct Case {
        std::vector<int> Matches;
        int Selected;
        std::string Text;
    };
    for (const Case& c : {
             Case{{0, 2},
                  3,
                  "Элемент h1#top.a.b: подходят 2 стиля (состояния :hover и подобные "
                  "не учтены)"},
             Case{{0}, 0, "Элемент h1#top.a.b: подходит 1 стиль"},
             Case{{3, 7, -1}, 4, "Элемент h1#top.a.b: подходит 1 стиль"}, // stale places
             Case{{}, 4, "Элемент h1#top.a.b: ни один стиль не подходит"},
         }) {
        preview.PickElementExecute(true);
        ASSERT_EQ(browser.Rules.size(), 4u) << "the rule inside @media is one of them";
        EXPECT_EQ(browser.Rules[1].Selector, "h1");
        EXPECT_EQ(browser.Rules[1].Media, "@media print");
        EXPECT_TRUE(preview.Picking);

        EXPECT_EQ(preview.ElementPicked({"H1", "top", {"a", "b"}, c.Matches, {}, {}, {}}), c.Text);
        EXPECT_EQ(editor.Current(), c.Selected);
        EXPECT_FALSE(preview.Picking);
    }
    preview.PickElementExecute(true);
    preview.PickElementExecute(false);
    EXPECT_EQ(browser.Calls.back(), "stop picking");
    EXPECT_FALSE(preview.Picking);
}

TEST_F(PreviewPage, OutlinesFollowTheCurrentRuleWhileOn) {
    editor.Select(0);
    browser.Calls.clear();
    preview.HighlightExecute(true);
    editor.Select(2);
    editor.Select(1); // an at-rule outlines nothing
    preview.HighlightExecute(false);
    editor.Select(3);
    EXPECT_EQ(browser.Calls,
              (std::vector<std::string>{"outline h1", "outline h1", "outline ", "outline "}));
    EXPECT_EQ(preview.ElementsOutlined(3), ""); // off: nothing to say

    preview.HighlightExecute(true);
    EXPECT_EQ(preview.ElementsOutlined(3), "Стиль применяется к 3 элементам");
    EXPECT_EQ(preview.ElementsOutlined(150),
              "Стиль применяется к 150 элементам (обведены первые 100)");
}

// ---------------------------------------------------------------------------------
// The page's width: a screen's, and the width at which the current rule applies.

class PreviewWidth : public PreviewFixture {};

TEST_F(PreviewWidth, IsAScreensWidthAndTheBrowserIsToldOnce) {
    const std::pair<int, int> widths[] = {{375, 375},    {375, 375}, {50, 200},
                                          {99999, 3840}, {-5, 0},    {0, 0}};
    for (const auto& [asked, kept] : widths) {
        preview.SetPageWidth(asked);
        EXPECT_EQ(preview.PageWidth(), kept) << asked;
    }
    EXPECT_EQ(browser.Calls,
              (std::vector<std::string>{"width 375", "width 200", "width 3840", "width 0"}));
}

TEST_F(PreviewWidth, OffersAWidthWhereEveryGroupAroundTheCurrentRuleHolds) {
    Open(
        "p { color: red }\n"
        "@media (min-width: 768px) {\n  @media (max-width: 1023.98px) {\n    .mid { color: blue }\n"
        "  }\n}\n@media print {\n  .paper { color: black }\n}\n");
    const struct {
        int Row, Width;
        std::optional<int> Offered;
    } cases[] = {
        {0, 375, std::nullopt}, // p applies at any width
        {2, 375, 768},          // then the inner group holds too
        {2, 1280, 1023},        // the inner group's bound
        {2, 800, std::nullopt}, // it applies
        {4, 375, std::nullopt}, // print: no width makes it apply
        {2, 0, std::nullopt},   // no width chosen
    };
    for (const auto& c : cases) {
        editor.Select(c.Row);
        preview.SetPageWidth(c.Width);
        EXPECT_EQ(preview.WidthForCurrentRule(), c.Offered) << c.Row << " at " << c.Width;
    }
}

// The rules of the element picked last, as "Стили элемента" shows them.
class PreviewPick : public PreviewFixture {};

TEST_F(PreviewPick, ItsRulesAreRankedWithoutThoseOfStatesUntilRulesComeOrGo) {
    Open("p { color: red }\n.a:hover { color: green }\n.a { color: blue }\nh1 { }\n");
    preview.PickElementExecute(true);
    preview.ElementPicked({"p", "", {"a"}, {0, 1, 2}, {}, {}, {}});
    std::vector<int> ranked;
    for (const CascadeRule& rule : preview.PickedCascade())
        ranked.push_back(rule.Record);
    EXPECT_EQ(ranked, (std::vector<int>{2, 0}));
    preview.ForceState("hover", true); // now the hover rule styles it, and wins
    ranked.clear();
    for (const CascadeRule& rule : preview.PickedCascade())
        ranked.push_back(rule.Record);
    EXPECT_EQ(ranked, (std::vector<int>{1, 2, 0}));
    editor.AddRule("ul");
    EXPECT_TRUE(preview.PickedCascade().empty()) << "the rows the pick named have moved";
}

// A forced state's rule changed on the classic panel goes to the page as the rule's view now
// reads, though its record has not stored it yet.
TEST_F(PreviewPick, AForcedStatesRuleFollowsAClassicPanelChange) {
    Open(".a:hover { color: red }\n");
    preview.AutoRefresh = true;
    preview.PreviewShowing = true;
    editor.UseEditorLayout(false);
    preview.PickElementExecute(true);
    preview.ElementPicked({"p", "", {"a"}, {0}, {}, {}, {}});
    preview.ForceState("hover", true);
    editor.Select(0);
    editor.ChangePanel([](PropertySet& p) { p.Toggle(Keyword::TextAlignCenter); },
                       {.Modifies = true, .Writes = true, .Refreshes = true});
    EXPECT_NE(browser.ForcedSheet.find("text-align: center"), std::string::npos)
        << browser.ForcedSheet;
}

// The ancestors' rules come by the page's places of the rules; the computed values are
// asked for the properties the rules declare, and an answer to an earlier question is not
// taken.
TEST_F(PreviewPick, ItsAncestorsRulesAndComputedValues) {
    using enum ComputedAnswer::State;
    Open("p { margin: 0 }\ndiv { color: red; padding: 0 }\n.card:hover { color: blue }\n"
         "body { --Gap: 1px }\n");
    preview.PickElementExecute(true);
    std::vector<bool> inherits;
    for (const PageRule& rule : browser.Rules)
        inherits.push_back(rule.Inherits);
    EXPECT_EQ(inherits, (std::vector<bool>{false, true, true, true}));
    preview.ElementPicked({"p", "", {}, {0}, {}, {}, {{"div.card", {1, 2, 9}}, {"body", {3}}}});
    const std::vector<InheritedSection> sections = preview.InheritedCascade();
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].Ancestor, "div.card");
    ASSERT_EQ(sections[0].Rules.size(), 1u) << "the state not forced hands nothing down";
    EXPECT_EQ(sections[0].Rules[0].Record, 1);
    EXPECT_EQ(sections[1].Rules[0].Record, 3);

    preview.AskComputedValues();
    EXPECT_EQ(browser.Calls.back(), "computed 1");
    EXPECT_EQ(browser.Asked, (std::vector<std::string>{"margin", "color", "--Gap"}));
    EXPECT_EQ(preview.Computed().Now, Asked);
    preview.ComputedValuesFound(0, {{"margin", "5px"}});
    EXPECT_EQ(preview.Computed().Now, Asked) << "an answer to another question";
    const std::vector<ComputedValue> values = {{"margin", "0px"}, {"color", "rgb(255, 0, 0)"}};
    preview.ComputedValuesFound(1, values);
    EXPECT_EQ(preview.Computed().Now, Known);
    EXPECT_EQ(preview.Computed().Values, values);

    preview.PickElementExecute(true);
    preview.ElementPicked({"p", "", {}, {0}, {}, {}, {}});
    EXPECT_EQ(preview.Computed().Now, NotAsked);
    EXPECT_TRUE(preview.InheritedCascade().empty());
}

} // namespace
} // namespace tesselo
