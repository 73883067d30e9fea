// The catalogue of properties held to the browser's own parser: every keyword, unit,
// initial value and kind a row claims must be a value the browser takes for that
// property, and the rows' shorthands and longhands must be rows themselves.

#include "mapping/PropertyCatalog.h"
#include "support/BrowserSupports.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

constexpr int kWaitMs = 30000;

using Case = testing::SupportCase; // property, value

// One value of each kind, for the rows that claim the kind.
constexpr std::pair<ValueKinds, std::string_view> kKindSamples[] = {
    {KindColor, "red"},    {KindPercentage, "50%"},       {KindNumber, "2"},
    {KindInteger, "3"},    {KindAngle, "45deg"},          {KindTime, ".2s"},
    {KindRatio, "16 / 9"}, {KindImage, "url(\"a.png\")"},
};

// Values the rows rightly claim that the browser built into Qt 6.4 is too old to take.
// The individual translate, rotate and scale came to browsers after it.
const std::vector<Case> kNewerThanTheEngine = {
    {"resize", "block"}, {"resize", "inline"}, {"translate", "none"}, {"rotate", "none"},
    {"rotate", "45deg"}, {"scale", "none"},    {"scale", "50%"},      {"scale", "2"},
};

// Initial values that name the user's system colours: the engine's own to take.
bool IsSystemValue(std::string_view value) {
    return value == "canvastext" || value == "canvas";
}

// What every row claims the property takes.
std::vector<Case> ClaimedValues() {
    std::vector<Case> cases;
    for (const PropertySpec& spec : PropertyCatalog()) {
        auto add = [&](std::string_view value) {
            cases.emplace_back(std::string(spec.Name), std::string(value));
        };
        for (std::string_view keyword : AllKeywords(spec))
            add(keyword);
        // In steps: "1" + a temporary string makes GCC 12 at -O3 warn falsely of
        // overlapping copies (-Wrestrict).
        for (std::string_view unit : UnitsOf(spec)) {
            std::string length = "1";
            length += unit;
            add(length);
        }
        if (!spec.Initial.empty() && !IsSystemValue(spec.Initial))
            add(spec.Initial);
        for (const auto& [kind, sample] : kKindSamples)
            if (spec.Kinds & kind)
                add(sample);
    }
    return cases;
}

class RealParserCatalog : public ::testing::Test {
protected:
    static void SetUpTestSuite() { page_ = testing::BlankPage(kWaitMs); }
    static void TearDownTestSuite() { page_.reset(); }
    static inline std::unique_ptr<QWebEnginePage> page_;
};

TEST_F(RealParserCatalog, BrowserTakesEveryKeywordUnitInitialValueAndKindOfEveryRow) {
    ASSERT_TRUE(page_) << "the blank page did not load";
    std::vector<Case> cases = ClaimedValues();
    ASSERT_GT(cases.size(), PropertyCatalog().size());
    // The check itself: values no browser takes must come back refused.
    const std::vector<Case> wrong = {{"width", "sideways"}, {"color", "1px"}, {"order", "1.5"}};
    cases.insert(cases.end(), wrong.begin(), wrong.end());
    const auto refused = testing::RefusedByEngine(*page_, cases);
    ASSERT_TRUE(refused) << "the page did not answer";
    ASSERT_GE(refused->size(), wrong.size());
    EXPECT_EQ(std::vector<Case>(refused->end() - 3, refused->end()), wrong);
    std::string report;
    int count = 0;
    for (auto c = refused->begin(); c != refused->end() - 3; ++c)
        if (std::find(kNewerThanTheEngine.begin(), kNewerThanTheEngine.end(), *c) ==
            kNewerThanTheEngine.end()) {
            report += "  " + c->first + ": " + c->second + "\n";
            ++count;
        }
    EXPECT_TRUE(report.empty()) << "the browser refuses " << count
                                << " values the catalogue claims:\n"
                                << report;
}

// A row names its shorthands and longhands by name: each must be a row, and a shorthand's
// longhand must name it back.
TEST_F(RealParserCatalog, ShorthandsAndLonghandsAreRowsThatNameEachOther) {
    std::string faults;
    for (const PropertySpec& spec : PropertyCatalog()) {
        const std::string name(spec.Name);
        for (std::string_view shorthand : Words(spec.Shorthands))
            if (!FindProperty(shorthand))
                faults += name + ": shorthand " + std::string(shorthand) + " is no row\n";
        for (std::string_view longhand : Words(spec.Longhands)) {
            const PropertySpec* part = FindProperty(longhand);
            if (!part) {
                faults += name + ": longhand " + std::string(longhand) + " is no row\n";
                continue;
            }
            const auto back = Words(part->Shorthands);
            if (std::find(back.begin(), back.end(), spec.Name) == back.end())
                faults += name + ": longhand " + std::string(longhand) + " does not name it\n";
        }
        if ((spec.Form == ShorthandForm::None) != spec.Longhands.empty())
            faults += name + ": a form without longhands, or longhands without a form\n";
    }
    EXPECT_EQ(faults, "");
}

} // namespace
} // namespace tesselo
