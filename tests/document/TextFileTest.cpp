#include "document/TextFile.h"

#include "support/LiteralSheetScan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

using testing::EscapeBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using namespace std::string_literals;

// ---------------------------------------------------------------------------
// Splitting bytes into lines

// The lines of the bytes; the whole-sheet buffer must split them the same way.
LineList Split(std::string_view bytes) {
    LineList lines = SplitLines(bytes);
    EXPECT_EQ(SheetLines::FromBytes(bytes).ToLineList(), lines)
        << "\"" << testing::EscapeBytes(bytes) << "\"";
    return lines;
}

TEST(SplitLines, CrLfLoneCrAndLoneLfEachEndALine) {
    EXPECT_EQ(Split("a\r\nb\r\nc"), (LineList{"a", "b", "c"}));
    EXPECT_EQ(Split("a\rb\rc"), (LineList{"a", "b", "c"}));
    EXPECT_EQ(Split("a\nb\nc"), (LineList{"a", "b", "c"}));
}

TEST(SplitLines, MixedLineEndsInOneText) {
    EXPECT_EQ(Split("a\r\nb\rc\nd"), (LineList{"a", "b", "c", "d"}));
}

TEST(SplitLines, LfCrIsTwoLineEnds) {
    // Only CR followed by LF is one line end; LF followed by CR is two.
    EXPECT_EQ(Split("a\n\rb"), (LineList{"a", "", "b"}));
}

TEST(SplitLines, ConsecutiveLineEndsGiveEmptyLines) {
    EXPECT_EQ(Split("a\r\n\r\nb"), (LineList{"a", "", "b"}));
    EXPECT_EQ(Split("a\r\rb"), (LineList{"a", "", "b"}));
    EXPECT_EQ(Split("a\n\nb"), (LineList{"a", "", "b"}));
    EXPECT_EQ(Split("a\r\r\nb"), (LineList{"a", "", "b"}));
}

TEST(SplitLines, LastLineWithoutBreakIsALine) {
    EXPECT_EQ(Split("a\nlast"), (LineList{"a", "last"}));
    EXPECT_EQ(Split("only"), (LineList{"only"}));
}

TEST(SplitLines, BreakAfterTheLastLineAddsNoEmptyLine) {
    EXPECT_EQ(Split("a\n"), (LineList{"a"}));
    EXPECT_EQ(Split("a\r\n"), (LineList{"a"}));
    EXPECT_EQ(Split("a\r"), (LineList{"a"}));
}

TEST(SplitLines, LoneLineEndIsOneEmptyLine) {
    EXPECT_EQ(Split("\n"), (LineList{""}));
    EXPECT_EQ(Split("\r\n"), (LineList{""}));
    EXPECT_EQ(Split("\r"), (LineList{""}));
    EXPECT_EQ(Split("\n\n"), (LineList{"", ""}));
}

TEST(SplitLines, EmptyTextGivesNoLines) {
    EXPECT_TRUE(Split("").empty());
}

TEST(SplitLines, NulEndsTheText) {
    EXPECT_EQ(Split("ab\0cd\nef"s), (LineList{"ab"}));
    EXPECT_EQ(Split("a\nb\0\nc"s), (LineList{"a", "b"}));
    EXPECT_TRUE(Split("\0abc"s).empty());
}

TEST(SplitLines, NulRightAfterCrLeavesTheCrAsLineEnd) {
    EXPECT_EQ(Split("a\r\0\nb"s), (LineList{"a"}));
}

TEST(SplitLines, OtherBytesPassUnchanged) {
    const std::string line = "\t\x01 \x7F\x80\xC0\xFF x"s;
    EXPECT_EQ(Split(line + "\r\n"), (LineList{line}));
}

// ---------------------------------------------------------------------------
// Joining lines

TEST(JoinLinesCrLf, EveryLineIsFollowedByCrLf) {
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLinesCrLf({""}), "\r\n");
}

TEST(JoinLinesCrLf, NoLinesGiveNoBytes) {
    EXPECT_EQ(JoinLinesCrLf({}), "");
}

TEST(JoinLinesCrLf, SplittingTheJoinedTextGivesTheLinesBack) {
    const LineList lines{"h1 {", "", "  color: red;", "\xC0\xFF", "}"};
    EXPECT_EQ(SplitLines(JoinLinesCrLf(lines)), lines);
}

// ---------------------------------------------------------------------------
// The whole-sheet line buffer

TEST(SheetLinesBuffer, HoldsTheLinesAsTheFileTheyMake) {
    const LineList lines{"h1 {", "", "  color: red;", "\xC0\xFF", "}"};
    const SheetLines sheet = SheetLines::FromLines(lines);
    EXPECT_EQ(sheet.size(), lines.size());
    EXPECT_EQ(sheet.ToLineList(), lines);
    EXPECT_EQ(sheet.Bytes(), JoinLinesCrLf(lines));
    EXPECT_EQ(sheet[1], "");
    EXPECT_EQ(sheet[3], "\xC0\xFF");
    EXPECT_TRUE(sheet == lines);
    EXPECT_FALSE(sheet == (LineList{"h1 {", "", "  color: red;", "\xC0\xFF"}));
    EXPECT_FALSE(sheet == (LineList{"h1 {", "", "  color: red;", "\xC0\xFF", "} "}));
}

TEST(SheetLinesBuffer, EmptyBufferAndEmptyLines) {
    EXPECT_TRUE(SheetLines().empty());
    EXPECT_EQ(SheetLines().Bytes(), "");
    const SheetLines one = SheetLines::FromLines({""});
    EXPECT_FALSE(one.empty());
    EXPECT_EQ(one.Bytes(), "\r\n");
    EXPECT_EQ(one.ToLineList(), LineList{""});
}

TEST(SheetLinesBuffer, AppendingTwoPartsMakesOneLine) {
    SheetLines sheet;
    sheet.push_back("body", " {");
    sheet.push_back("}");
    EXPECT_EQ(sheet.ToLineList(), (LineList{"body {", "}"}));
    sheet.clear();
    EXPECT_TRUE(sheet.empty());
    EXPECT_EQ(sheet.Bytes(), "");
}

TEST(SheetLinesBuffer, SplittingItsFileGivesItBack) {
    const LineList lines{"a", "", "  b\t", "\x7F\x80"};
    EXPECT_EQ(SheetLines::FromBytes(SheetLines::FromLines(lines).Bytes()).ToLineList(), lines);
}

// A sheet is written in its own line end: the first line break of the text as read
// (after the cut at a NUL), CR LF when it has none; a last line that had no line break
// is written without one.
TEST(SheetLinesBuffer, KeepsTheLineEndOfTheTextAsRead) {
    struct Case {
        std::string Bytes, LineEnd, Written;
    };
    const std::vector<Case> cases = {{"a\nb\r\nc", "\n", "a\nb\nc"},
                                     {"a\r\nb\nc\r", "\r\n", "a\r\nb\r\nc\r\n"},
                                     {"a\rb\n", "\r", "a\rb\r"},
                                     {"a", "\r\n", "a"},
                                     {"", "\r\n", ""},
                                     {"a\0\nb"s, "\r\n", "a"},
                                     {"\n\n", "\n", "\n\n"},
                                     {"x\r\r\n", "\r", "x\r\r"},
                                     {"a\r\n\r\nb", "\r\n", "a\r\n\r\nb"}};
    for (const auto& c : cases) {
        const SheetLines sheet = SheetLines::FromBytes(c.Bytes);
        EXPECT_EQ(sheet.LineEnd(), c.LineEnd) << EscapeBytes(c.Bytes);
        EXPECT_EQ(sheet.Bytes(), c.Written) << EscapeBytes(c.Bytes);
        SheetLines again = SheetLines::FromText(sheet.Text(), sheet.LineEnd());
        again.SetFinalLineEnd(sheet.FinalLineEnd());
        EXPECT_EQ(again.Bytes(), c.Written) << EscapeBytes(c.Bytes);
    }
}

TEST(SheetLinesBuffer, FromTextSplitsAtEveryLineBreak) {
    EXPECT_TRUE(SheetLines::FromText("").empty());
    EXPECT_EQ(SheetLines::FromText("a").ToLineList(), LineList{"a"});
    EXPECT_EQ(SheetLines::FromText("a\n").ToLineList(), LineList{"a"});
    EXPECT_EQ(SheetLines::FromText("\n").ToLineList(), LineList{""});
    EXPECT_EQ(SheetLines::FromText("a\n\nb\n\n").ToLineList(), (LineList{"a", "", "b", ""}));
    EXPECT_EQ(SheetLines::FromText("a\nb", "\n").Bytes(), "a\nb\n");
}

TEST(SheetLinesBuffer, LongLinesAreShownCutWithTheirLength) {
    // The limit is 4 characters here; "é" and "д" are two bytes in UTF-8.
    struct Case {
        std::string Line;
        SheetEncoding Encoding;
        std::string Shown;
    };
    const Case cases[] = {
        {"abcd", SheetEncoding::Utf8, "abcd"},
        {"abcde", SheetEncoding::Utf8, "abcd<5>"},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", SheetEncoding::Utf8,
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"},
        {"a\xD0\xB4\xD0\xB4\xD0\xB4"
         "b",
         SheetEncoding::Utf8, "a\xD0\xB4\xD0\xB4\xD0\xB4<5>"},
        {"\xC3\xA9\xC3\xA9\xC3", SheetEncoding::Windows1251, "\xC3\xA9\xC3\xA9<5>"},
        {"", SheetEncoding::Utf8, ""},
    };
    for (const Case& c : cases) {
        const SheetLines sheet = SheetLines::FromLines({"x", c.Line, "y"});
        const std::string shown = TextCutForShowing(sheet, c.Encoding, 4, [](size_t characters) {
            // In steps: "<" + a temporary string makes GCC 12 at -O3 warn falsely
            // (-Wrestrict).
            std::string note = "<";
            note += std::to_string(characters);
            note += '>';
            return note;
        });
        EXPECT_EQ(shown, "x\n" + std::string(c.Shown) + "\ny") << EscapeBytes(c.Line);
        EXPECT_EQ(sheet[1], c.Line); // the sheet keeps it whole
    }
    EXPECT_EQ(CutLineNote(10485760), " \u2026 [строка сокращена: 10 485 760 символов]");
    EXPECT_EQ(CutLineNote(4001), " \u2026 [строка сокращена: 4 001 символ]");
    EXPECT_EQ(CutLineNote(4012), " \u2026 [строка сокращена: 4 012 символов]");
    EXPECT_EQ(CutLineNote(4023), " \u2026 [строка сокращена: 4 023 символа]");
}

// ---------------------------------------------------------------------------
// Reading a file

TEST(ReadTextFile, ReadsLinesAndCountsEveryByte) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    WriteBytes(path, "a\r\nb\rc\nd");
    TextFileContent content;
    ASSERT_FALSE(ReadTextFile(path, content).has_value());
    EXPECT_EQ(content.Text.ToLineList(), (LineList{"a", "b", "c", "d"}));
    EXPECT_EQ(content.Bytes, 8u);
    EXPECT_EQ(content.Raw, "a\r\nb\rc\nd");
}

// Files that are no style sheet are refused before anything is made of them: a pipe
// is not even opened (that would wait for a writer), a device is not read.
TEST(ReadTextFile, RefusesWhatIsNoStyleSheet) {
    TempDir dir;
    const std::string fifo = dir.File("pipe.css");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);
    const std::string nul = dir.File("nul.css");
    WriteBytes(nul, "a { x }\r\n\0b { y }"s);
    const std::string utf16 = dir.File("utf16.css");
    WriteBytes(utf16, "\xff\xfeh\0001\0 \0{\0}\0"s);
    const std::string large = dir.File("large.css");
    WriteBytes(large, "");
    std::filesystem::resize_file(large, kMaxTextFileBytes + 1);
    const std::string limit = dir.File("limit.css");
    WriteBytes(limit, "");
    std::filesystem::resize_file(limit, kMaxTextFileBytes);

    const std::vector<std::pair<std::string, ReadRefusal>> cases = {
        {fifo, ReadRefusal::NotARegularFile},
        {"/dev/zero", ReadRefusal::NotARegularFile},
        {nul, ReadRefusal::HoldsNulByte},
        {utf16, ReadRefusal::HoldsNulByte},
        {large, ReadRefusal::TooLarge},
        // Exactly at the limit it is read, and then refused for its zero bytes.
        {limit, ReadRefusal::HoldsNulByte}};
    for (const auto& [path, refusal] : cases) {
        SCOPED_TRACE(path);
        TextFileContent content;
        auto failure = ReadTextFile(path, content);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->Refusal, refusal);
        EXPECT_TRUE(content.Raw.empty());
    }
}

TEST(ReadTextFile, EmptyFileGivesNoLines) {
    TempDir dir;
    const std::string path = dir.File("empty.css");
    WriteBytes(path, "");
    TextFileContent content;
    content.Text = SheetLines::FromLines({"stale"});
    ASSERT_FALSE(ReadTextFile(path, content).has_value());
    EXPECT_TRUE(content.Text.empty());
    EXPECT_EQ(content.Bytes, 0u);
}

TEST(ReadTextFile, MissingFileFailsWithAReason) {
    TempDir dir;
    TextFileContent content;
    const auto failure = ReadTextFile(dir.File("missing.css"), content);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->Reason.empty());
}

TEST(ReadTextFile, DirectoryFailsWithAReason) {
    TempDir dir;
    TextFileContent content;
    const auto failure = ReadTextFile(dir.Path(), content);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->Reason.empty());
}

// ---------------------------------------------------------------------------
// Names and existence

TEST(BackupCopyName, AppendsOriginalToTheWholeName) {
    EXPECT_EQ(BackupCopyName("/home/u/site/style.css"), "/home/u/site/style.css.ORIGINAL");
    EXPECT_EQ(BackupCopyName("style"), "style.ORIGINAL");
    EXPECT_EQ(BackupCopyName("/a.b/Main.CSS"), "/a.b/Main.CSS.ORIGINAL");
}

// Every name of a sheet leads to the file behind its links, and so to one backup copy.
TEST(FileBehindLinks, FollowsEveryLinkToTheFileItself) {
    TempDir dir;
    namespace fs = std::filesystem;
    fs::create_directory(dir.File("site"));
    fs::create_directory(dir.File("other"));
    const std::string sheet = dir.File("site/a.css");
    WriteBytes(sheet, "h1 {}");
    fs::create_symlink(sheet, dir.File("other/absolute.css"));
    fs::create_symlink("a.css", dir.File("site/near.css"));
    fs::create_symlink("../site/near.css", dir.File("other/chain.css"));
    fs::create_symlink("gone.css", dir.File("site/dangling.css"));
    fs::create_symlink("loop.css", dir.File("site/loop.css"));
    const struct {
        std::string Name, Behind;
    } kCases[] = {
        {sheet, sheet},
        {dir.File("missing.css"), dir.File("missing.css")},
        {dir.File("other/absolute.css"), sheet},
        {dir.File("other/chain.css"), dir.File("other/../site/a.css")},
        // A write through a link that leads nowhere makes its target.
        {dir.File("site/dangling.css"), dir.File("site/gone.css")},
        {dir.File("site/loop.css"), dir.File("site/loop.css")},
    };
    for (const auto& [name, behind] : kCases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FileBehindLinks(name), behind);
        EXPECT_EQ(BackupCopyName(name), behind + ".ORIGINAL");
    }
}

TEST(FileExists, TrueOnlyForAnExistingFile) {
    TempDir dir;
    const std::string path = dir.File("a.css");
    EXPECT_FALSE(FileExists(path));
    WriteBytes(path, "");
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_FALSE(FileExists(dir.File("a.css/b")));
}

} // namespace
} // namespace tesselo
