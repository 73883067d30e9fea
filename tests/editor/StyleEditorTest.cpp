#include "editor/StyleEditor.h"

#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "document/TextFile.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationReader.h"
#include "mapping/DeclarationWriter.h"
#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/Session.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::DiskFiles;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kComment = "/* Properties without support of this version Tesselo */";

std::vector<StyleRecord> RecordsOf(const StyleDocument& doc) {
    std::vector<StyleRecord> records;
    for (int i = 0; i < doc.StyleCount(); ++i)
        records.push_back(doc.Record(i));
    return records;
}

std::vector<std::string> SelectorsOf(const StyleDocument& doc) {
    std::vector<std::string> selectors;
    for (const auto& record : RecordsOf(doc))
        selectors.push_back(record.Selector);
    return selectors;
}

// Everything a load must leave alone when it fails.
struct Session {
    std::vector<StyleRecord> Records;
    LineList SheetText;
    std::string FileName;
    int Current;
    bool Modified;
    std::string Caption;
    TextView CSSMemo;
    PropertySet Panel;
};

Session SessionOf(const StyleEditor& editor) {
    const StyleDocument& d = editor.Document();
    return Session{.Records = RecordsOf(d),
                   .SheetText = d.SheetText.ToLineList(),
                   .FileName = d.FileName,
                   .Current = editor.Current(),
                   .Modified = d.Modified,
                   .Caption = editor.Caption(),
                   .CSSMemo = editor.Memo(),
                   .Panel = editor.Panel()};
}

void ExpectSameSession(const Session& now, const Session& before) {
    EXPECT_EQ(now.Records, before.Records);
    EXPECT_EQ(now.SheetText, before.SheetText);
    EXPECT_EQ(now.FileName, before.FileName);
    EXPECT_EQ(now.Current, before.Current);
    EXPECT_EQ(now.Modified, before.Modified);
    EXPECT_EQ(now.Caption, before.Caption);
    EXPECT_EQ(now.CSSMemo, before.CSSMemo);
    EXPECT_TRUE(now.Panel == before.Panel);
}

// Every file and folder below the directory, as paths relative to it, sorted.
std::vector<std::string> Listing(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        names.push_back(std::filesystem::relative(entry.path(), dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

// The panel and view that reading these lines gives a panel in the given state.
struct Expected {
    PropertySet Panel;
    LineList Lines;
};

Expected ReadFrom(PropertySet panel, const LineList& lines) {
    TextView memo;
    memo.Lines = lines;
    ReadDeclarations(panel, memo);
    return {panel, memo.Lines};
}

// Puts records in place of the open ones with none of them current yet, as opening
// a file does, so that the next select commits nothing.
void PutRecords(StyleEditor& editor, std::vector<StyleRecord> records) {
    StyleDocument document;
    document.ReplaceRecords(std::move(records));
    editor.TakeDocument(std::move(document));
}

std::vector<StyleRecord> SevenRecords() {
    return {
        {"body", {}},
        {"h1", {"font-size: 24px;"}},
        {"h2", {"color: red;"}},
        {"p", {"text-align: justify;"}},
        {"a:hover", {"text-decoration: underline;"}},
        {"div.box", {"margin-top: 5px;", "cursor: wait;"}},
        {"#nav", {}},
    };
}

const char kSiteSheet[] = "h1 { color: red; margin-top: 1in }\r\n"
                          "p.note {\n"
                          "  cursor: pointer;\r"
                          "  font-size: 12px;\n"
                          "}\n"
                          "/* end */\n"
                          "div{}";

// ---------------------------------------------------------------------------
// A new session

TEST(StyleEditorNew, StartsWithTheNewDocument) {
    testing::LayoutEditor editor(DiskFiles(), {"Arial"});
    EXPECT_EQ(RecordsOf(editor.Document()), (std::vector<StyleRecord>{{"Body", {}}}));
    EXPECT_EQ(editor.Current(), 0);
    EXPECT_EQ(editor.Caption(), "Tesselo 1.0 beta - NoName.css");
    EXPECT_EQ(editor.Document().FileName, "");
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(editor.Memo().Lines, LineList{});

    PropertySet reset({"Arial"});
    ClearPanel(reset);
    EXPECT_TRUE(editor.Panel() == reset);
    EXPECT_EQ(editor.Panel().Items.FontType.back(), "Arial");
}

TEST(StyleEditorNew, NewDocumentReplacesAnOpenOne) {
    TempDir dir;
    const std::string path = dir.File("site.css");
    WriteBytes(path, kSiteSheet);
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path, false));
    editor.Select(1);
    editor.TypeText({"zoom: 2;"});
    testing::Modify(editor);

    editor.NewCSS();
    EXPECT_EQ(RecordsOf(editor.Document()), (std::vector<StyleRecord>{{"Body", {}}}));
    EXPECT_EQ(editor.Current(), 0);
    EXPECT_EQ(editor.Document().FileName, "");
    EXPECT_EQ(editor.Caption(), "Tesselo 1.0 beta - NoName.css");
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(editor.Memo().Lines, LineList{});
    PropertySet panel = editor.Panel();
    TextView memo;
    WriteDeclarations(panel, memo);
    EXPECT_EQ(memo.Lines, LineList{}) << "the panel holds nothing after a new document";
}

// ---------------------------------------------------------------------------
// The select operation

TEST(StyleEditorSelect, TypedTextGoesUnparsedIntoThePreviousRecord) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(2);
    ASSERT_EQ(editor.Current(), 2);

    const LineList typed = {"color: blue;", "Zoom: 2;", "", "; Old: line;"};
    editor.TypeText(typed);
    editor.Select(5);

    EXPECT_EQ(editor.Document().Record(2).Lines(), typed);
    EXPECT_EQ(editor.Current(), 5);
    EXPECT_EQ(editor.Document().Record(5).Lines(), (LineList{"margin-top: 5px;", "cursor: wait;"}))
        << "the newly selected record is not written by the select";
    EXPECT_EQ(editor.Memo().Lines, (LineList{"; Margin-top: 5px;", kComment, "cursor:wait;", ""}));
    EXPECT_FALSE(editor.Memo().Edited);
    EXPECT_TRUE(editor.Panel()[Length::MarginTop].Set);
    EXPECT_EQ(editor.Panel()[Length::MarginTop].Text, "5");
    EXPECT_FALSE(editor.Panel().FontColorCheck) << "the panel shows only the selected record";
    EXPECT_TRUE(editor.Document().Modified) << "a hand edit stored into its record is a change";
    EXPECT_TRUE(editor.Document().Record(2).Edited());

    // Back again: the record that was current now holds the view as the reader wrote it.
    editor.Select(2);
    EXPECT_EQ(editor.Document().Record(5).Lines(),
              (LineList{"; Margin-top: 5px;", kComment, "cursor:wait;", ""}));
    EXPECT_EQ(editor.Memo().Lines,
              (LineList{"; color: BLUE;", kComment, "Zoom:2;", "Old:line;", ""}));
    EXPECT_TRUE(editor.Panel().FontColorCheck);
    EXPECT_FALSE(editor.Panel()[Length::MarginTop].Set);
}

TEST(StyleEditorSelect, OtherRecordsAreNotTouched) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(2);
    editor.TypeText({"zoom: 1;"});
    editor.Select(5);
    const auto records = RecordsOf(editor.Document());
    auto expected = SevenRecords();
    expected[2].SetLines({"zoom: 1;"});
    EXPECT_EQ(records, expected);
}

TEST(StyleEditorSelect, ViewIsReadIntoThePanel) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(1);
    const Expected expected = ReadFrom(editor.Panel(), {"font-size: 24px;"});
    EXPECT_EQ(editor.Memo().Lines, expected.Lines);
    EXPECT_EQ(editor.Memo().Lines, LineList{"; Font-size: 24px;"});
    EXPECT_TRUE(editor.Panel() == expected.Panel);
}

TEST(StyleEditorSelect, NoSelectedRowSelectsRowZero) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(3);
    editor.Select(-1);
    EXPECT_EQ(editor.Current(), 0);
    EXPECT_EQ(editor.Document().Record(3).Lines(), LineList{"; Text-align: justify;"});
    EXPECT_EQ(editor.Memo().Lines, LineList{});
}

TEST(StyleEditorSelect, SelectingTheCurrentRowStoresAndRereadsTheView) {
    testing::LayoutEditor editor{DiskFiles()};
    editor.TypeText({"COLOR : red", ";", "cursor: wait"});
    editor.Select(editor.Current());
    EXPECT_EQ(editor.Document().Record(0).Lines(), (LineList{"COLOR : red", ";", "cursor: wait"}));
    EXPECT_EQ(editor.Memo().Lines, (LineList{"; color: RED;", kComment, "cursor:wait;", ""}));
    EXPECT_TRUE(editor.Panel().FontColorCheck);
    EXPECT_EQ(editor.Current(), 0);
}

TEST(StyleEditorCommit, StoresTheViewIntoTheCurrentRecordOnly) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(4);
    editor.TypeText({"a: b;"});
    editor.CommitText();
    EXPECT_EQ(editor.Document().Record(4).Lines(), LineList{"a: b;"});
    EXPECT_EQ(editor.Memo().Lines, LineList{"a: b;"}) << "the commit does not read the view";

    // Nothing current (a document just taken): typing is not taken, nothing committed.
    PutRecords(editor, SevenRecords());
    editor.TypeText({"c: d;"});
    editor.CommitText();
    EXPECT_EQ(editor.Memo().Lines, LineList{});
    EXPECT_EQ(RecordsOf(editor.Document()), SevenRecords());
}

// ---------------------------------------------------------------------------
// Composing

TEST(StyleEditorCompose, IncludesWhatWasTypedIntoTheView) {
    testing::LayoutEditor editor{DiskFiles()};
    editor.TypeText({"color: red;"});
    editor.ComposeCSS();
    EXPECT_EQ(editor.Document().Record(0).Lines(), LineList{"color: red;"});
    EXPECT_EQ(editor.Document().SheetText.ToLineList(), (LineList{"Body {", "color: red;", "}"}));
    EXPECT_EQ(editor.Memo().Lines, LineList{"color: red;"}) << "composing reads nothing back";
    EXPECT_TRUE(editor.Memo().Edited);
    EXPECT_FALSE(editor.Panel().FontColorCheck);
}

TEST(StyleEditorCompose, HoldsEveryRecordWithTheCurrentOneAsTyped) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, {{"h1", {"font-size: 24px;"}}, {"p", {"color: red;"}}});
    editor.Select(1);
    LineList typed = editor.Memo().Lines;
    typed.push_back("cursor: wait;");
    editor.TypeText(typed);
    editor.ComposeCSS();
    EXPECT_EQ(
        editor.Document().SheetText.ToLineList(),
        (LineList{"h1 {", "font-size: 24px;", "}", "p {", "; color: RED;", "cursor: wait;", "}"}));
    EXPECT_EQ(std::count(editor.Document().SheetText.begin(), editor.Document().SheetText.end(),
                         kComment),
              0);
}

// ---------------------------------------------------------------------------
// Opening a file

TEST(StyleEditorLoad, ReadsTheFileWritesTheBackupAndSelectsRecordZero) {
    TempDir dir;
    const std::string path = dir.File("site.css");
    WriteBytes(path, kSiteSheet);
    testing::LayoutEditor editor{DiskFiles()};

    ASSERT_FALSE(editor.LoadCSSFile(path));

    const LineList sheet = {"h1 { color: red; margin-top: 1in }",
                            "p.note {",
                            "  cursor: pointer;",
                            "  font-size: 12px;",
                            "}",
                            "/* end */",
                            "div{}"};
    EXPECT_EQ(editor.Document().SheetText.ToLineList(), sheet);
    EXPECT_EQ(RecordsOf(editor.Document()), LoadStylesFromSheet(sheet).Records);
    EXPECT_EQ(SelectorsOf(editor.Document()), (std::vector<std::string>{"h1", "p.note", "div"}));
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), kSiteSheet);
    EXPECT_EQ(ReadBytes(path), kSiteSheet) << "the file itself is not written";

    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(editor.Caption(), "Tesselo 1.0 beta - " + path);
    EXPECT_EQ(editor.Current(), 0);
    EXPECT_FALSE(editor.Document().Modified);

    const Expected expected = ReadFrom(PropertySet(), editor.Document().Record(0).Lines());
    EXPECT_EQ(editor.Memo().Lines, expected.Lines);
    EXPECT_TRUE(editor.Panel() == expected.Panel);
    EXPECT_TRUE(editor.Panel().FontColorCheck);
    EXPECT_EQ(editor.Panel()[Length::MarginTop].Text, "1");
    EXPECT_EQ(editor.Panel()[Length::MarginTop].Unit, "in");
}

TEST(StyleEditorLoad, ModifiedFlagIsCleared) {
    TempDir dir;
    const std::string path = dir.File("site.css");
    WriteBytes(path, kSiteSheet);
    testing::LayoutEditor editor{DiskFiles()};
    testing::Modify(editor);
    ASSERT_FALSE(editor.LoadCSSFile(path, false));
    EXPECT_FALSE(editor.Document().Modified);
}

TEST(StyleEditorLoad, NothingOfThePreviousDocumentIsCommittedIntoTheNewRecords) {
    TempDir dir;
    const std::string path = dir.File("site.css");
    WriteBytes(path, kSiteSheet);
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(6);
    editor.TypeText({"cursor: wait;"});
    editor.Select(0);
    editor.TypeText({"zoom: 3;"});

    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(RecordsOf(editor.Document()),
              LoadStylesFromSheet(editor.Document().SheetText.ToLineList()).Records);
    EXPECT_EQ(editor.Document().StyleCount(), 3);
    EXPECT_EQ(editor.Current(), 0);
}

TEST(StyleEditorLoad, ExistingBackupIsReplaced) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    WriteBytes(path, "a { color: red }\n");
    WriteBytes(path + ".ORIGINAL", "something older and longer\r\nthan the new text\r\n");
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), "a { color: red }\n");
}

TEST(StyleEditorLoad, BackupNameKeepsTheFileExtension) {
    TempDir dir;
    const std::string path = dir.File("style.sheet.css");
    WriteBytes(path, "p{}");
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(Listing(dir.Path()),
              (std::vector<std::string>{"style.sheet.css", "style.sheet.css.ORIGINAL"}));
}

TEST(StyleEditorLoad, NulByteRefusesTheFile_NoBackupWritten) {
    TempDir dir;
    const std::string path = dir.File("nul.css");
    WriteBytes(path, std::string("a{color:red}\r\n\0b{}\r\n", 20));
    testing::LayoutEditor editor{DiskFiles()};
    auto failure = editor.LoadCSSFile(path);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Refusal, ReadRefusal::HoldsNulByte);
    EXPECT_EQ(SelectorsOf(editor.Document()), std::vector<std::string>{"Body"});
    EXPECT_FALSE(FileExists(path + ".ORIGINAL"));
}

TEST(StyleEditorLoad, WithoutBackupWritesNothing) {
    TempDir dir;
    const std::string path = dir.File("site.css");
    WriteBytes(path, kSiteSheet);
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path, false));
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"site.css"});
    EXPECT_EQ(ReadBytes(path), kSiteSheet);
    EXPECT_EQ(editor.Document().StyleCount(), 3);
    EXPECT_EQ(editor.Document().FileName, path);
}

TEST(StyleEditorLoad, ThousandsOfRulesAreAccepted) {
    TempDir dir;
    const std::string path = dir.File("big.css");
    std::string text;
    for (int i = 0; i < 2500; ++i) {
        text.append(".r").append(std::to_string(i)).append(" { margin-top: ");
        text.append(std::to_string(i)).append("px }\r\n");
    }
    WriteBytes(path, text);
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(editor.Document().StyleCount(), 2500);
    EXPECT_EQ(editor.Document().Record(2499).Selector, ".r2499");
    EXPECT_EQ(editor.Current(), 0);
}

// ---------------------------------------------------------------------------
// A document without rules

TEST(StyleEditorEmptyDocument, FileWithoutRulesGivesNoRecords) {
    TempDir dir;
    const std::string path = dir.File("empty.css");
    WriteBytes(path, "/* nothing here yet */\r\n");
    testing::LayoutEditor editor{DiskFiles()};
    editor.TypeText({"color: red;"});

    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(editor.Document().StyleCount(), 0);
    EXPECT_EQ(editor.Current(), -1);
    EXPECT_EQ(editor.Document().SheetText.ToLineList(), LineList{"/* nothing here yet */"});
    EXPECT_EQ(editor.Memo().Lines, LineList{});
    EXPECT_EQ(editor.Document().FileName, path);
    EXPECT_EQ(editor.Caption(), "Tesselo 1.0 beta - " + path);
    EXPECT_FALSE(editor.Document().Modified);
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), "/* nothing here yet */\r\n");
}

TEST(StyleEditorEmptyDocument, SelectingDoesNothing) {
    TempDir dir;
    const std::string path = dir.File("empty.css");
    WriteBytes(path, "");
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(editor.Document().StyleCount(), 0);
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), "");

    editor.TypeText({"color: red"});
    const Session before = SessionOf(editor);
    editor.Select(editor.Current());
    ExpectSameSession(SessionOf(editor), before);
    editor.Select(0);
    ExpectSameSession(SessionOf(editor), before);
}

TEST(StyleEditorEmptyDocument, ComposingGivesAnEmptySheet) {
    TempDir dir;
    const std::string path = dir.File("empty.css");
    WriteBytes(path, "\r\n\r\n");
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path));
    editor.TypeText({"color: red;"});
    editor.ComposeCSS();
    // The text of a sheet without rules is its tail, kept as read.
    EXPECT_EQ(editor.Document().SheetText.ToLineList(), (LineList{"", ""}));
    EXPECT_EQ(editor.Document().StyleCount(), 0);
}

// ---------------------------------------------------------------------------
// A load that fails leaves the open document as it was

class StyleEditorLoadFailure : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string open = dir_.File("open.css");
        WriteBytes(open, kSiteSheet);
        ASSERT_FALSE(editor_.LoadCSSFile(open));
        editor_.Select(1);
        LineList typed = editor_.Memo().Lines;
        typed.push_back("zoom: 2;");
        editor_.TypeText(typed);
        editor_.ShowInPanel([](PropertySet& p) { p[Length::MarginTop].Unit = "mm"; });
        before_.emplace(SessionOf(editor_));
        listing_ = Listing(dir_.Path());
    }

    void ExpectUnchanged() {
        ExpectSameSession(SessionOf(editor_), *before_);
        EXPECT_EQ(Listing(dir_.Path()), listing_);
    }

    TempDir dir_;
    testing::LayoutEditor editor_{DiskFiles()};
    std::optional<Session> before_;
    std::vector<std::string> listing_;
};

TEST_F(StyleEditorLoadFailure, MissingFile) {
    auto failure = editor_.LoadCSSFile(dir_.File("missing.css"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->What, LoadFailure::Kind::CannotRead);
    EXPECT_FALSE(failure->Reason.empty());
    ExpectUnchanged();
}

TEST_F(StyleEditorLoadFailure, FolderInsteadOfAFile) {
    std::filesystem::create_directory(dir_.File("folder.css"));
    listing_ = Listing(dir_.Path());
    auto failure = editor_.LoadCSSFile(dir_.File("folder.css"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->What, LoadFailure::Kind::CannotRead);
    ExpectUnchanged();
}

TEST_F(StyleEditorLoadFailure, BackupCannotBeWritten) {
    const std::string path = dir_.File("other.css");
    WriteBytes(path, "q { color: blue }\r\n");
    std::filesystem::create_directory(path + ".ORIGINAL");
    listing_ = Listing(dir_.Path());

    auto failure = editor_.LoadCSSFile(path);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->What, LoadFailure::Kind::CannotWriteBackup);
    EXPECT_FALSE(failure->Reason.empty());
    ExpectUnchanged();
    EXPECT_TRUE(std::filesystem::is_directory(path + ".ORIGINAL"));
}

TEST_F(StyleEditorLoadFailure, OpenDocumentStillWorksAfterwards) {
    ASSERT_TRUE(editor_.LoadCSSFile(dir_.File("missing.css")));
    editor_.Select(2);
    EXPECT_EQ(editor_.Document().Record(1).Lines(), before_->CSSMemo.Lines);
    EXPECT_EQ(editor_.Current(), 2);
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// Which records are written anew: those the user changed

struct EditedEditor : ::testing::Test {
    void Open(const std::string& text) {
        path = dir.File("a.css");
        testing::WriteBytes(path, text);
        ASSERT_FALSE(editor.LoadCSSFile(path));
    }
    std::string Composed() {
        editor.ComposeCSS();
        return editor.Document().SheetText.Text();
    }
    testing::TempDir dir;
    std::string path;
    testing::LayoutEditor editor{testing::DiskFiles()};
};

TEST_F(EditedEditor, SelectingEveryRuleChangesNothing) {
    const std::string text = "/* a */\nh1 {\n  color: red;\n}\np { margin-top: 1px }\n";
    Open(text);
    editor.Select(1);
    editor.Select(0);
    EXPECT_EQ(Composed(), text);
    EXPECT_FALSE(editor.Document().Record(0).Edited());
    EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(EditedEditor, WhatTheUserChangedIsWrittenAnew) {
    Open("h1 { color: red }\np { margin-top: 1px }\nem { x: y }\n");
    // A hand edit stored back by the next selection.
    editor.TypeText({"color: blue;"});
    editor.Select(1);
    // A change of the panel, which the prompt sees.
    testing::Modify(editor);
    EXPECT_TRUE(editor.Document().Modified);
    // A change the prompt does not see is still written.
    editor.Select(2);
    editor.MarkCurrentEdited();
    // The marker line of the view never reaches the sheet.
    EXPECT_EQ(Composed(), "h1 {\ncolor: blue;\n}\np {\n; Margin-top: 1px;\n}\nem {\nx:y;\n}\n");
}

TEST_F(EditedEditor, TheEncodingAndTheByteOrderMarkAreKeptFromTheOpen) {
    Open("\xEF\xBB\xBF/* \xD0\x9F */\nh1 { color: red }\n");
    EXPECT_EQ(editor.Document().Encoding, SheetEncoding::Utf8);
    EXPECT_TRUE(editor.Document().ByteOrderMark);
    testing::Modify(editor);
    editor.ComposeCSS();
    EXPECT_EQ(editor.Document().SheetText.Bytes(),
              "\xEF\xBB\xBF/* \xD0\x9F */\nh1 {\n; color: RED;\n}\n");
    Open("/* \xCF */ p { }");
    EXPECT_EQ(editor.Document().Encoding, SheetEncoding::Windows1251);
    EXPECT_FALSE(editor.Document().ByteOrderMark);
    editor.NewCSS();
    EXPECT_EQ(editor.Document().Encoding, SheetEncoding::Utf8);
}

TEST_F(EditedEditor, AGroupIsARowWithoutTextAndItsRulesAreEditedAsAnyOther) {
    Open("@media print {\n  h1 { color: red }\n  p { x }\n}\n");
    EXPECT_TRUE(editor.GroupCurrent());
    EXPECT_TRUE(editor.NestedCurrent());
    EXPECT_TRUE(editor.Memo().Lines.empty());
    editor.TypeText({"h1 { color: blue }"}); // a group has no text to type into
    editor.PushTextToPanel();
    editor.ClearCurrent();
    EXPECT_EQ(Composed(), "@media print {\n  h1 { color: red }\n  p { x }\n}\n");

    editor.Select(1);
    EXPECT_FALSE(editor.NestedCurrent());
    EXPECT_TRUE(editor.Panel().FontColorCheck) << "the panel reads the rule inside the group";
    editor.TypeText({"color: blue;"});
    EXPECT_EQ(Composed(), "@media print {\n  h1 {\n    color: blue;\n  }\n  p { x }\n}\n");
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// The panel's change is the one that applies: the composed rule holds the new size
// and no old declaration after it, and what was not changed keeps its text.
TEST(StyleEditorPanelChange, NewValueReplacesTheOldAndTheRestKeepsItsText) {
    TempDir dir;
    const std::string path = dir.File("btn.css");
    WriteBytes(path, ".btn { font-size: 1rem; color: rgba(0, 0, 0, .5); cursor: pointer }\n");
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path));
    EXPECT_EQ(editor.Panel().FontSize.Text, "1");
    EXPECT_EQ(editor.Panel().FontSizeUnit, "rem");

    editor.ChangePanel(
        [](PropertySet& p) {
            p.FontSize.Text = "20";
            p.FontSizeUnit = "px";
        },
        {.Modifies = true, .Writes = true});
    editor.ComposeCSS();

    const std::string sheet = editor.Document().SheetText.Text();
    EXPECT_NE(sheet.find("Font-size: 20px;"), std::string::npos) << sheet;
    EXPECT_EQ(sheet.find("1rem"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("color: rgba(0, 0, 0, .5);"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("cursor:pointer"), std::string::npos) << sheet;
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// Each operation is announced once, naming what it was and whether the page follows.
struct AnnounceCase {
    const char* Name;
    std::function<void(StyleEditor&)> Operation;
    SessionChange::Kind What;
    bool Refreshes;
    int Row; // the current rule after it
};

class StyleEditorAnnounces : public ::testing::TestWithParam<AnnounceCase> {};

TEST_P(StyleEditorAnnounces, EachOperationOnce) {
    const AnnounceCase& c = GetParam();
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(2);
    std::vector<SessionChange> heard;
    const int observer =
        editor.Observe([&](const SessionChange& change) { heard.push_back(change); });
    c.Operation(editor);
    ASSERT_EQ(heard.size(), 1U);
    EXPECT_EQ(heard[0].What, c.What);
    EXPECT_EQ(heard[0].Refreshes, c.Refreshes);
    EXPECT_EQ(heard[0].Row, c.Row);
    EXPECT_EQ(editor.Current(), c.Row);

    editor.Forget(observer);
    c.Operation(editor);
    EXPECT_EQ(heard.size(), 1U) << "a forgotten observer hears nothing";
}

using K = SessionChange::Kind;
const auto kLess = [](const std::string& a, const std::string& b) { return a < b; };

INSTANTIATE_TEST_SUITE_P(
    Operations, StyleEditorAnnounces,
    ::testing::Values(
        AnnounceCase{"Select", [](StyleEditor& e) { e.Select(4); }, K::Select, false, 4},
        AnnounceCase{"Type", [](StyleEditor& e) { e.TypeText({"zoom: 1;"}); }, K::Type, false, 2},
        AnnounceCase{"Push", [](StyleEditor& e) { e.PushTextToPanel(); }, K::PushText, true, 2},
        AnnounceCase{"PanelWrite", [](StyleEditor& e) { e.ChangePanel(nullptr, {.Writes = true}); },
                     K::Panel, false, 2},
        AnnounceCase{
            "PanelRefresh",
            [](StyleEditor& e) { e.ChangePanel(nullptr, {.Modifies = true, .Refreshes = true}); },
            K::Panel, true, 2},
        AnnounceCase{"Rename", [](StyleEditor& e) { e.Rename(2, "h3"); }, K::Rename, true, 2},
        AnnounceCase{"Remove", [](StyleEditor& e) { e.RemoveCurrent(); }, K::Remove, true, 2},
        AnnounceCase{"Move", [](StyleEditor& e) { e.MoveCurrent(0); }, K::Move, true, 0},
        AnnounceCase{"Sort", [](StyleEditor& e) { e.Sort(kLess); }, K::Sort, true, 5},
        AnnounceCase{"NewRule", [](StyleEditor& e) { e.AddRule("ul"); }, K::NewRule, false, 3},
        AnnounceCase{"Clear", [](StyleEditor& e) { e.ClearCurrent(); }, K::Clear, false, 2},
        AnnounceCase{"New", [](StyleEditor& e) { e.NewCSS(); }, K::Document, false, 0},
        AnnounceCase{"Saved", [](StyleEditor& e) { e.MarkSaved(); }, K::Disk, false, 2}),
    [](const ::testing::TestParamInfo<AnnounceCase>& named) {
        return std::string(named.param.Name);
    });

TEST(StyleEditorAnnounces, ComposingCommittingAndShowingAreNoChange) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    editor.Select(1);
    int heard = 0;
    editor.Observe([&](const SessionChange&) { ++heard; });
    editor.CommitText();
    editor.ComposeCSS();
    EXPECT_EQ(heard, 0);
    // A move that goes nowhere is no change either.
    editor.MoveCurrent(1);
    editor.MoveCurrent(7);
    EXPECT_EQ(heard, 0);
    // Nor is a value the panel only shows: the rule takes it when a change says so.
    const LineList memo = editor.Memo().Lines;
    editor.ShowInPanel([](PropertySet& p) {
        // Moved in, not assigned from the literal: a one-letter literal assigned in a
        // lambda makes GCC 12 at -O3 warn falsely of overlapping copies (-Wrestrict).
        p[Length::MarginTop].Text = std::string("5");
        p[Length::MarginTop].Set = true;
    });
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(editor.Memo().Lines, memo);
    editor.ChangePanel(nullptr, {.Writes = true});
    EXPECT_EQ(heard, 1);
    EXPECT_NE(editor.Memo().Lines, memo);
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// Every change is a step: taken back, the sheet is composed byte for byte as before it,
// with the same rule current; done again, as after it.
struct StepCase {
    const char* Name;
    int Current; // the rule current before the change
    std::function<void(StyleEditor&)> Change;
    int Redone = -1; // the rule current after the redo, when not the one after the change
};

class StyleEditorSteps : public ::testing::TestWithParam<StepCase> {};

const char kStepSheet[] = "/* head */\nh1 { color: red }\n/* about p */\np.note { margin: 0 }\n\n"
                          "div{cursor:wait}\n/* tail */\n";

TEST_P(StyleEditorSteps, UndoGivesBackTheBytesAndRedoTheChange) {
    const StepCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.File("steps.css");
    WriteBytes(path, kStepSheet);
    testing::LayoutEditor editor{DiskFiles()};
    ASSERT_FALSE(editor.LoadCSSFile(path, false));
    editor.Select(c.Current);
    std::vector<std::shared_ptr<const EditStep>> steps;
    editor.Observe([&](const SessionChange& change) {
        if (change.Step)
            steps.push_back(change.Step);
    });
    auto composed = [&] {
        editor.ComposeCSS();
        return editor.Document().SheetText.Bytes();
    };
    const std::string before = composed();
    ASSERT_EQ(before, kStepSheet);

    c.Change(editor);
    const std::string after = composed();
    const int currentAfter = editor.Current();
    ASSERT_NE(after, before);
    const auto made = steps;
    ASSERT_FALSE(made.empty());

    for (auto step = made.rbegin(); step != made.rend(); ++step)
        editor.Undo(**step);
    EXPECT_EQ(composed(), before);
    EXPECT_EQ(editor.Current(), c.Current);
    for (const auto& step : made)
        editor.Redo(*step);
    EXPECT_EQ(composed(), after);
    EXPECT_EQ(editor.Current(), c.Redone < 0 ? currentAfter : c.Redone);
    EXPECT_EQ(steps.size(), made.size()) << "taking steps back and forth makes no new ones";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, StyleEditorSteps,
    ::testing::Values(StepCase{"Panel", 1,
                               [](StyleEditor& e) {
                                   e.ChangePanel(
                                       [](PropertySet& p) {
                                           LengthField& top = p[Length::MarginTop];
                                           // Moved in: GCC 12 at -O3 warns falsely (-Wrestrict).
                                           top.Text = std::string("5");
                                           top.Unit = "px";
                                           top.Set = true;
                                       },
                                       {.Modifies = true, .Writes = true});
                               }},
                      StepCase{"TypedAndStored", 1,
                               [](StyleEditor& e) {
                                   e.TypeText({"color: blue;"});
                                   e.Select(0);
                               },
                               1}, // the stored text's rule, not the one selected after it
                      StepCase{"Pushed", 0,
                               [](StyleEditor& e) {
                                   e.TypeText({"color: blue;"});
                                   e.PushTextToPanel();
                               }},
                      StepCase{"Rename", 1, [](StyleEditor& e) { e.Rename(1, "p.aside"); }},
                      StepCase{"RemoveMiddle", 1, [](StyleEditor& e) { e.RemoveCurrent(); }},
                      StepCase{"RemoveLast", 2, [](StyleEditor& e) { e.RemoveCurrent(); }},
                      StepCase{"Move", 2, [](StyleEditor& e) { e.MoveCurrent(0); }},
                      StepCase{"Sort", 0,
                               [](StyleEditor& e) {
                                   e.Sort([](const std::string& a, const std::string& b) {
                                       return a > b;
                                   });
                               }},
                      StepCase{"NewRule", 1, [](StyleEditor& e) { e.AddRule("ul"); }},
                      StepCase{"Clear", 1, [](StyleEditor& e) { e.ClearCurrent(); }}),
    [](const ::testing::TestParamInfo<StepCase>& named) { return std::string(named.param.Name); });

TEST(StyleEditorSteps, SelectingTypingAndComposingAreNoSteps) {
    testing::LayoutEditor editor{DiskFiles()};
    PutRecords(editor, SevenRecords());
    int steps = 0;
    editor.Observe([&](const SessionChange& change) { steps += change.Step ? 1 : 0; });
    editor.Select(1);
    editor.Select(2);
    editor.TypeText({"zoom: 2;"});
    EXPECT_EQ(steps, 0);
    editor.ComposeCSS(); // stores the typing: that is one step
    editor.ComposeCSS();
    editor.Select(3);
    EXPECT_EQ(steps, 1);
}

} // namespace
} // namespace tesselo
