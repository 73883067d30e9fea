#include "mapping/CssColouring.h"

#include "support/CssSpans.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tesselo {
namespace {

using testing::CoverageFault;
using testing::SpansWritten;

struct ColourCase {
    const char* Text;
    const char* Spans; // the spans that are not blanks, as SpansWritten writes them
};

// Whole sheets, from their first line.
const ColourCase kSheets[] = {
    {"a { color: red }", "sel:a punct:{ prop:color punct:: colour:red punct:}"},
    {"a, .b:hover > p::before { }", "sel:a punct:, sel:.b:hover > p::before punct:{ punct:}"},
    {"a { content: \"}\"; top: 0 }",
     "sel:a punct:{ prop:content punct:: str:\"}\" punct:; prop:top punct:: num:0 punct:}"},
    {"a { background: url(x;y}.png) }",
     "sel:a punct:{ prop:background punct:: url:url(x;y}.png) punct:}"},
    {"a { background: url( \"a b.png\" ) }",
     "sel:a punct:{ prop:background punct:: url:url( str:\"a b.png\" punct:) punct:}"},
    {"a { color: red ! IMPORTANT; }",
     "sel:a punct:{ prop:color punct:: colour:red imp:! IMPORTANT punct:; punct:}"},
    {"a { margin: -1.5em 50% .5px 1e3 }",
     "sel:a punct:{ prop:margin punct:: num:-1.5 unit:em num:50 unit:% num:.5 unit:px num:1e3 "
     "punct:}"},
    {"a { color: #ff0000; border: 1px solid rgb(0, 0, 255) }",
     "sel:a punct:{ prop:color punct:: colour:#ff0000 punct:; prop:border punct:: num:1 unit:px "
     "val:solid colour:rgb(0, 0, 255) punct:}"},
    {"a { color: #ggg; width: calc(100% - 2px) }",
     "sel:a punct:{ prop:color punct:: val:#ggg punct:; prop:width punct:: val:calc punct:( "
     "num:100 unit:% val:- num:2 unit:px punct:) punct:}"},
    {"a { --bs-red: #f00; color: var(--bs-red, blue) }",
     "sel:a punct:{ prop:--bs-red punct:: colour:#f00 punct:; prop:color punct:: var:var( "
     "var:--bs-red punct:, colour:blue punct:) punct:}"},
    {"/* a { b } */ p{}", "comment:/* a { b } */ sel:p punct:{ punct:}"},
    {"@media (min-width: 600px) { a { top: 0 } }",
     "at:@media punct:( at:min-width punct:: num:600 unit:px punct:) punct:{ sel:a punct:{ "
     "prop:top punct:: num:0 punct:} punct:}"},
    {"@media print { @supports (display: grid) { a { display: grid } } }",
     "at:@media at:print punct:{ at:@supports punct:( at:display punct:: at:grid punct:) "
     "punct:{ sel:a punct:{ prop:display punct:: val:grid punct:} punct:} punct:}"},
    {"@font-face { font-family: X; src: url(x.woff) }",
     "at:@font-face punct:{ prop:font-family punct:: val:X punct:; prop:src punct:: "
     "url:url(x.woff) punct:}"},
    {"@import url(a.css) screen; a{}",
     "at:@import url:url(a.css) at:screen punct:; sel:a punct:{ punct:}"},
    {"@keyframes spin { from { top: 0 } 50% { top: 1px } }",
     "at:@keyframes at:spin punct:{ sel:from punct:{ prop:top punct:: num:0 punct:} sel:50% "
     "punct:{ prop:top punct:: num:1 unit:px punct:} punct:}"},
    {".a { color: red; &:hover { color: blue } }",
     "sel:.a punct:{ prop:color punct:: colour:red punct:; sel:&:hover punct:{ prop:color "
     "punct:: colour:blue punct:} punct:}"},
    {"a { *zoom: 1 }", "sel:a punct:{ punct:* prop:zoom punct:: num:1 punct:}"},
    {"a { color: transparent }", "sel:a punct:{ prop:color punct:: val:transparent punct:}"},
    {"a { font: 12px/1.5 \"Open Sans\" }",
     "sel:a punct:{ prop:font punct:: num:12 unit:px punct:/ num:1.5 str:\"Open Sans\" punct:}"},
    {"red { }", "sel:red punct:{ punct:}"},
};

// Texts over several lines: comments, values and blocks that go on past a line's end.
const ColourCase kLines[] = {
    {"/* one\n{ two }\nthree */ a{}", "comment:/* one comment:{ two } comment:three */ sel:a "
                                      "punct:{ punct:}"},
    {"a {\n  color:\n    red;\n  top: 0\n}",
     "sel:a punct:{ prop:color punct:: colour:red punct:; prop:top punct:: num:0 punct:}"},
    {"@media screen\n  and (color) {\n a { b: 1 }\n}",
     "at:@media at:screen at:and punct:( at:color punct:) punct:{ sel:a punct:{ prop:b punct:: "
     "num:1 punct:} punct:}"},
    {"a { content: \"x\ny: 1 }", "sel:a punct:{ prop:content punct:: str:\"x val:y punct:: num:1 "
                                 "punct:}"},
};

// A rule's text between its braces, as the current style's view has it.
const ColourCase kRuleTexts[] = {
    {"color: red;\nmargin: 0", "prop:color punct:: colour:red punct:; prop:margin punct:: num:0"},
    {"; Margin-top: 5px;", "punct:; prop:Margin-top punct:: num:5 unit:px punct:;"},
    {"a: b } c: d", "prop:a punct:: val:b punct:} sel:c: d"},
};

TEST(CssColouring, ColoursSheetsPieceByPiece) {
    for (const ColourCase& c : kSheets) {
        const std::vector<CssSpan> spans = ColourText(c.Text, SheetStart());
        EXPECT_EQ(SpansWritten(c.Text, spans), c.Spans) << c.Text;
        EXPECT_EQ(CoverageFault(c.Text, spans), "") << c.Text;
    }
}

TEST(CssColouring, CarriesCommentsValuesAndBlocksOverLines) {
    for (const ColourCase& c : kLines) {
        const std::vector<CssSpan> spans = ColourText(c.Text, SheetStart());
        EXPECT_EQ(SpansWritten(c.Text, spans), c.Spans) << c.Text;
        EXPECT_EQ(CoverageFault(c.Text, spans), "") << c.Text;
    }
}

TEST(CssColouring, ColoursARuleTextAsDeclarations) {
    for (const ColourCase& c : kRuleTexts) {
        const std::vector<CssSpan> spans = ColourText(c.Text, RuleTextStart());
        EXPECT_EQ(SpansWritten(c.Text, spans), c.Spans) << c.Text;
        EXPECT_EQ(CoverageFault(c.Text, spans), "") << c.Text;
    }
}

TEST(CssColouring, GivesTheColourWritten) {
    const struct {
        const char* Value;
        Color Shade;
    } cases[] = {
        {"red", {255, 0, 0, 255}},
        {"#0f08", {0, 255, 0, 0x88}},
        {"rgba(1, 2, 3, 0.5)", {1, 2, 3, 128}},
        {"hsl(240 100% 50%)", {0, 0, 255, 255}},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("color: ") + c.Value;
        const std::vector<CssSpan> spans = ColourText(text, RuleTextStart());
        ASSERT_FALSE(spans.empty());
        EXPECT_EQ(spans.back().Kind, CssSpanKind::Colour) << c.Value;
        EXPECT_EQ(spans.back().Shade, c.Shade) << c.Value;
    }
}

TEST(CssColouring, KeepsItsStateInAnInt) {
    const std::string text = "@media a { @supports b { .x { /* open\n";
    std::vector<CssSpan> spans;
    CssLineState state = ColourLine(text, SheetStart(), spans);
    EXPECT_TRUE(state.InComment);
    EXPECT_EQ(state.Depth, 3);
    EXPECT_GE(state.Packed(), 0);
    EXPECT_EQ(CssLineState::FromPacked(state.Packed()), state);
    for (CssLineState s : {SheetStart(), RuleTextStart()})
        EXPECT_EQ(CssLineState::FromPacked(s.Packed()), s);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The test sheets and the real ones installed: every byte one kind, and a line coloured
// from the state kept for it as it is coloured with the whole sheet.
TEST(CssColouring, CoversEverySheetByteAndStartsAtAnyLine) {
    std::vector<std::filesystem::path> sheets;
    for (const auto& entry : std::filesystem::directory_iterator(TESSELO_SHEETS_DIR))
        sheets.push_back(entry.path());
    for (const char* real : {"/usr/share/javascript/bootstrap5/css/bootstrap.css",
                             "/usr/share/javascript/jquery-ui/themes/base/jquery-ui.css"})
        if (std::filesystem::exists(real))
            sheets.emplace_back(real);
    ASSERT_GT(sheets.size(), 5u);
    for (const auto& path : sheets) {
        const std::string text = ReadFile(path);
        const std::vector<CssSpan> whole = ColourText(text, SheetStart());
        EXPECT_EQ(CoverageFault(text, whole), "") << path;

        std::vector<CssLineState> starts{SheetStart()};
        std::vector<size_t> lineBegins{0};
        for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
            std::vector<CssSpan> ignored;
            starts.push_back(ColourLine(std::string_view(text).substr(at, end - at),
                                        CssLineState::FromPacked(starts.back().Packed()), ignored));
            lineBegins.push_back(end + 1);
        }
        const size_t middle = lineBegins.size() / 2;
        const std::vector<CssSpan> fromMiddle =
            ColourText(std::string_view(text).substr(lineBegins[middle]), starts[middle]);
        std::vector<CssSpan> tail;
        for (CssSpan span : whole) {
            if (span.End <= lineBegins[middle])
                continue;
            span.Begin = std::max(span.Begin, lineBegins[middle]) - lineBegins[middle];
            span.End -= lineBegins[middle];
            tail.push_back(span);
        }
        EXPECT_EQ(fromMiddle, tail) << path;
    }
}

} // namespace
} // namespace tesselo
