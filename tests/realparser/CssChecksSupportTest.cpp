// The checks of the current style's text held to the browser's own parser: a value they
// mark is one the browser refuses, a value they let pass is one it takes, and a property
// they call unknown is one it does not know.

#include "mapping/CssChecks.h"

#include "support/BrowserSupports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::SupportCase;

// Values of the panel's properties, right and wrong.
const std::vector<SupportCase> kValues = {
    {"display", "flex"},
    {"display", "red"},
    {"display", "inline-grid"},
    {"display", "12px"},
    {"color", "rgb(1 2 3 / 50%)"},
    {"color", "12px"},
    {"color", "#12345"},
    {"color", "currentcolor"},
    {"width", "calc(100% - 2px)"},
    {"width", "blue"},
    {"width", "-1.5em"},
    {"width", "auto"},
    {"margin-top", "-1.5em"},
    {"margin-top", "solid"},
    {"opacity", ".5"},
    {"opacity", "red"},
    {"z-index", "3"},
    {"z-index", "1px"},
    {"cursor", "pointer"},
    {"float", "12px"},
    {"text-align", "center"},
    {"text-align", "bold"},
    {"font-weight", "700"},
    {"font-weight", "huge"},
    {"position", "sticky"},
    {"position", "flex"},
    {"visibility", "collapse"},
    {"visibility", "1"},
    {"border-top-style", "dashed"},
    {"border-top-style", "thin"},
    {"line-height", "1.5"},
    {"line-height", "red"},
    {"letter-spacing", "normal"},
    {"letter-spacing", "wide"},
};

// The engine of Qt 6.4 takes a negative width, which CSS refuses only when it computes it.
const std::vector<SupportCase> kEngineLooser = {{"width", "-1.5em"}};

bool Marked(const SupportCase& c) {
    return !CheckRuleText(c.first + ": " + c.second, SheetEncoding::Utf8).empty();
}

class RealParserChecks : public ::testing::Test {
protected:
    static void SetUpTestSuite() { page_ = testing::BlankPage(); }
    static void TearDownTestSuite() { page_.reset(); }
    static inline std::unique_ptr<QWebEnginePage> page_;
};

TEST_F(RealParserChecks, AValueIsMarkedExactlyWhenTheBrowserRefusesIt) {
    ASSERT_TRUE(page_) << "the blank page did not load";
    const auto refused = testing::RefusedByEngine(*page_, kValues);
    ASSERT_TRUE(refused) << "the page did not answer";
    std::string report;
    int marked = 0;
    for (const SupportCase& c : kValues) {
        const bool ours = Marked(c);
        marked += ours ? 1 : 0;
        const bool browsers = std::find(refused->begin(), refused->end(), c) != refused->end();
        const bool looser =
            std::find(kEngineLooser.begin(), kEngineLooser.end(), c) != kEngineLooser.end();
        if (ours != browsers && !looser)
            report += "  " + c.first + ": " + c.second + (ours ? " marked" : " not marked") +
                      ", the browser " + (browsers ? "refuses it" : "takes it") + "\n";
    }
    EXPECT_GE(marked, 10) << "the table must hold wrong values";
    EXPECT_EQ(report, "");
}

// The names the checks know beyond the catalogue are the browser's, but for those newer
// than the engine of Qt 6.4; and names they call unknown the browser does not know.
TEST_F(RealParserChecks, AnUnknownPropertyIsOneTheBrowserDoesNotKnow) {
    ASSERT_TRUE(page_) << "the blank page did not load";
    std::vector<SupportCase> cases;
    for (std::string_view name : OtherStandardProperties())
        cases.emplace_back(std::string(name), "initial");
    const std::vector<SupportCase> unknown = {
        {"colr", "initial"}, {"colour", "initial"}, {"margin-middle", "initial"}};
    for (const SupportCase& c : unknown) {
        EXPECT_FALSE(IsKnownProperty(c.first)) << c.first;
        cases.push_back(c);
    }
    const auto refused = testing::RefusedByEngine(*page_, cases);
    ASSERT_TRUE(refused) << "the page did not answer";
    for (const SupportCase& c : unknown)
        EXPECT_NE(std::find(refused->begin(), refused->end(), c), refused->end()) << c.first;
    // Descriptors of @font-face and @property, and the standard properties that came to
    // browsers after the engine of Qt 6.4 (or that it has only with a vendor's prefix).
    const std::vector<std::string> notInTheEngine = {"ascent-override",
                                                     "descent-override",
                                                     "font-display",
                                                     "inherits",
                                                     "initial-value",
                                                     "line-gap-override",
                                                     "size",
                                                     "size-adjust",
                                                     "src",
                                                     "syntax",
                                                     "unicode-range",
                                                     "animation-composition",
                                                     "box-decoration-break",
                                                     "color-adjust",
                                                     "container",
                                                     "container-name",
                                                     "container-type",
                                                     "field-sizing",
                                                     "font-language-override",
                                                     "font-size-adjust",
                                                     "font-variant-position",
                                                     "hanging-punctuation",
                                                     "initial-letter",
                                                     "line-clamp",
                                                     "mask-clip",
                                                     "mask-composite",
                                                     "mask-image",
                                                     "mask-mode",
                                                     "mask-origin",
                                                     "mask-position",
                                                     "mask-repeat",
                                                     "mask-size",
                                                     "offset-anchor",
                                                     "offset-position",
                                                     "overflow-block",
                                                     "overflow-inline",
                                                     "print-color-adjust",
                                                     "scrollbar-color",
                                                     "scrollbar-width",
                                                     "text-justify",
                                                     "text-wrap",
                                                     "transition-behavior",
                                                     "view-transition-name"};
    std::string strange;
    for (const SupportCase& c : *refused)
        if (IsKnownProperty(c.first) && std::find(notInTheEngine.begin(), notInTheEngine.end(),
                                                  c.first) == notInTheEngine.end())
            strange += " " + c.first;
    EXPECT_EQ(strange, "") << "known to the checks, unknown to the browser";
}

} // namespace
} // namespace tesselo
