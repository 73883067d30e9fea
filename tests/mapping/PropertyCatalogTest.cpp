// The catalogue of properties: every row holds together, reads and writes back its own
// values, and the shorthands come apart and together as the browser takes them.

#include "mapping/PropertyCatalog.h"
#include "mapping/PropertySet.h"
#include "mapping/RuleProperties.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tesselo {
namespace {

// One value of each kind a row takes, as a control of it would write it.
std::vector<std::string> SampleValues(const PropertySpec& spec) {
    std::vector<std::string> values;
    if (spec.Kinds & KindLength)
        values.push_back("12" + std::string(UnitsOf(spec).front()));
    if (spec.Kinds & KindPercentage)
        values.push_back("50%");
    if (spec.Kinds & KindNumber)
        values.push_back("1.5");
    if (spec.Kinds & KindInteger)
        values.push_back("3");
    if ((spec.Kinds & KindKeyword) && !AllKeywords(spec).empty())
        values.push_back(std::string(AllKeywords(spec).back()));
    if (spec.Kinds & KindColor)
        values.push_back("#ff0000");
    if (spec.Kinds & KindImage)
        values.push_back("url(\"a.png\")");
    if (spec.Kinds & KindAngle)
        values.push_back("45deg");
    if (spec.Kinds & KindTime)
        values.push_back(".2s");
    if (spec.Kinds & KindRatio)
        values.push_back("16 / 9");
    return values;
}

TEST(PropertyCatalog, EveryRowHoldsTogether) {
    std::set<std::string_view> names;
    for (const PropertySpec& spec : PropertyCatalog()) {
        SCOPED_TRACE(std::string(spec.Name));
        EXPECT_TRUE(names.insert(spec.Name).second) << "named twice";
        EXPECT_EQ(FindProperty(spec.Name), &spec);
        for (std::string_view name : Words(spec.Shorthands)) {
            const PropertySpec* shorthand = FindProperty(name);
            ASSERT_NE(shorthand, nullptr) << name;
            if (shorthand->Form == ShorthandForm::Opaque)
                continue;
            // A part of its shorthand, or of one of that shorthand's parts.
            bool found = false;
            for (std::string_view part : Words(shorthand->Longhands)) {
                const PropertySpec* inner = FindProperty(part);
                for (std::string_view deeper : Words(inner ? inner->Longhands : ""))
                    found = found || deeper == spec.Name;
                found = found || part == spec.Name;
            }
            EXPECT_TRUE(found) << name;
        }
        for (std::string_view name : Words(spec.Longhands))
            EXPECT_NE(FindProperty(name), nullptr) << name;
        EXPECT_EQ(spec.Longhands.empty(), spec.Form == ShorthandForm::None) << "form";
        if (spec.Control == ControlKind::KeywordButtons) {
            EXPECT_FALSE(ButtonKeywords(spec).empty());
        }
        if (spec.Kinds & KindLength) {
            EXPECT_FALSE(UnitsOf(spec).empty());
        }
        for (const std::string& value : SampleValues(spec))
            EXPECT_TRUE(ValueFits(spec, value) || spec.Form != ShorthandForm::None) << value;
        for (std::string_view wide : {"inherit", "initial", "unset", "var(--x)", "calc(1px + 2%)"})
            EXPECT_TRUE(ValueFits(spec, wide)) << wide;
    }
}

// Each row's initial value and sample values go into a rule and read back as written,
// in an empty rule and over a declaration the rule has.
TEST(PropertyCatalog, EveryRowWritesAndReadsBackItsValues) {
    const BlockContext context;
    for (const PropertySpec& spec : PropertyCatalog()) {
        // A named string, not a temporary after a literal: "x" + std::string(...) makes
        // GCC 12 at -O3 warn falsely of overlapping copies (-Wrestrict).
        const std::string name(spec.Name);
        std::vector<std::string> values = SampleValues(spec);
        if (!spec.Initial.empty())
            values.push_back(std::string(spec.Initial));
        for (const std::string& value : values) {
            SCOPED_TRACE(name + ": " + value);
            auto added = SetPropertyInBlock("\n", spec.Name, value, context);
            ASSERT_TRUE(added.has_value());
            EXPECT_EQ(*added, "\n  " + name + ": " + value + ";\n");
            const std::string over = " " + name + ": inherit; color: red ";
            auto set = SetPropertyInBlock(over, spec.Name, value, context);
            if (spec.Name == "color") {
                // The later color wins: it is the one set.
                ASSERT_TRUE(set.has_value());
                EXPECT_EQ(*set, " color: inherit; color: " + value + " ");
                continue;
            }
            ASSERT_TRUE(set.has_value());
            EXPECT_EQ(*set, " " + name + ": " + value + "; color: red ");
            const auto read = RuleProperties(*set).Read(spec.Name);
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(read->Value, value);
        }
    }
}

TEST(PropertyCatalog, ControlNamesAreThePropertyInTheProgramsStyle) {
    EXPECT_EQ(ControlName("justify-content"), "JustifyContent");
    EXPECT_EQ(ControlName("row-gap"), "RowGap");
    EXPECT_EQ(ControlName("align-items", "center"), "AlignItemsCenter");
    EXPECT_EQ(ControlName("flex-direction", "column-reverse"), "FlexDirectionColumnReverse");
    EXPECT_EQ(ControlName("justify-content", "space-between"), "JustifyContentSpaceBetween");
}

TEST(PropertyCatalog, ValuesAControlCannotHoldAreNotTaken) {
    struct Case {
        std::string_view Property, Value;
        bool Fits;
    };
    const Case cases[] = {
        {"justify-content", "space-evenly", true},
        {"justify-content", "banana", false},
        {"gap", "1rem", true},
        {"gap", "10 px", false},
        {"gap", "1rem 2rem", true},
        {"order", "-1", true},
        {"order", "1.5", false},
        {"opacity", ".65", true},
        {"z-index", "auto", true},
        {"aspect-ratio", "16 / 9", true},
        {"flex", "1 1 0%", true},
        {"flex", "0 0 auto", true},
        {"flex", "1 1 banana", false},
        {"margin", "0 auto", true},
        {"border", "1px solid #dee2e6", true},
        {"border", "1px solid rgba(0,0,0,.125)", true},
        // Free text is taken by a property with a control of its own on a page.
        {"transition", "color .15s ease-in-out", true},
        {"box-shadow", "0 0 0 .25rem rgba(13,110,253,.25)", true},
        {"transition-duration", ".15s, .3s", true},
        {"animation", "spin 1s linear", false},
        {"grid-template-columns", "repeat(3, minmax(0, 1fr))", true},
        {"background-position", "right .75rem center", true},
        {"color", "currentcolor", true},
        {"color", "12px", false},
        {"border-radius", "10px / 20px", false},
        {"max-width", "fit-content", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueFits(*FindProperty(c.Property), c.Value), c.Fits)
            << c.Property << ": " << c.Value;
}

struct SplitCase {
    std::string_view Property;
    std::string_view Value;
    std::vector<std::string> Parts; // empty: cannot be taken apart
};

TEST(PropertyCatalog, ShorthandsComeApartAsTheBrowserTakesThem) {
    const SplitCase cases[] = {
        {"flex", "1", {"1", "1", "0%"}},
        {"flex", "2 0", {"2", "0", "0%"}},
        {"flex", "1 1 0%", {"1", "1", "0%"}},
        {"flex", "0 0 auto", {"0", "0", "auto"}},
        {"flex", "10px", {"1", "1", "10px"}},
        {"flex", "1 auto", {"1", "1", "auto"}},
        {"flex", "10px 2 3", {"2", "3", "10px"}},
        {"flex", "none", {"0", "0", "auto"}},
        {"flex", "auto", {"1", "1", "auto"}},
        {"flex", "1 1 1 1", {}},
        {"flex", "var(--grow) 1 0%", {}},
        {"gap", "1rem", {"1rem", "1rem"}},
        {"gap", "1rem 2%", {"1rem", "2%"}},
        {"gap", "1rem 2rem 3rem", {}},
        {"overflow", "hidden", {"hidden", "hidden"}},
        {"overflow", "hidden auto", {"hidden", "auto"}},
        {"overflow", "sideways", {}},
        {"grid-area", "main", {"main", "main", "main", "main"}},
        {"grid-area", "1 / 2", {"1", "2", "auto", "auto"}},
        {"grid-area", "1 / 2 / 3", {"1", "2", "3", "auto"}},
        {"grid-area", "1 / span 2 / 3 / -1", {"1", "span 2", "3", "-1"}},
        {"grid-area", "a / b", {"a", "b", "a", "b"}},
        {"grid-column", "1 / 3", {"1", "3"}},
        {"grid-column", "span 2", {"span 2", "auto"}},
        {"margin", "0 auto", {"0", "auto", "0", "auto"}},
        {"margin", "1px 2px 3px", {"1px", "2px", "3px", "2px"}},
        {"border", "1px solid red", {"1px", "solid", "red"}},
        {"border", "solid", {"medium", "solid", "currentcolor"}},
        {"border", "none", {"medium", "none", "currentcolor"}},
        {"border-radius", "10px / 20px", {}},
        // A var() standing for a whole part is that part; inside one, or where the parts
        // come in any order and are not all written, it cannot be told.
        {"padding", "var(--y) var(--x)", {"var(--y)", "var(--x)", "var(--y)", "var(--x)"}},
        {"margin", "calc(var(--a) * 2) 0", {"calc(var(--a) * 2)", "0", "calc(var(--a) * 2)", "0"}},
        {"border", "var(--w) solid var(--c)", {"var(--w)", "solid", "var(--c)"}},
        {"border", "solid var(--c)", {}},
        {"padding", "1px var(--x)px", {}},
        {"grid-column", "var(--from) / 3", {"var(--from)", "3"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(std::string(c.Property) + ": " + std::string(c.Value));
        const auto parts = SplitShorthand(*FindProperty(c.Property), c.Value);
        if (c.Parts.empty()) {
            EXPECT_FALSE(parts.has_value());
            continue;
        }
        ASSERT_TRUE(parts.has_value());
        std::vector<std::string> values;
        for (const auto& part : *parts)
            values.push_back(part.Value);
        EXPECT_EQ(values, c.Parts);
    }
}

struct PartCase {
    std::string_view Property;
    std::string_view Value;
    size_t Part;
    std::string_view PartValue;
    std::string_view Written;
};

// A part changed in a shorthand keeps the rest as the author wrote it.
TEST(PropertyCatalog, AShorthandTakesOnePartAsWritten) {
    const PartCase cases[] = {
        {"flex", "1 1 0%", 0, "2", "2 1 0%"},
        {"flex", "1", 0, "3", "3"},
        {"flex", "1", 2, "10px", "1 1 10px"},
        {"flex", "1 0", 2, "auto", "1 0 auto"},
        {"flex", "none", 0, "1", "1 0 auto"},
        {"flex", "0 0 auto", 1, "1", "0 1 auto"},
        {"gap", "1rem", 1, "2rem", "1rem 2rem"},
        {"gap", "1rem", 0, "2rem", "2rem 1rem"},
        {"gap", "1rem 2rem", 1, "1rem", "1rem 1rem"},
        {"overflow", "hidden", 1, "auto", "hidden auto"},
        {"grid-area", "1 / 2 / 3 / 4", 2, "span 2", "1 / 2 / span 2 / 4"},
        {"grid-area", "main", 1, "2", "main / 2 / main / main"},
        {"margin", "0 auto", 3, "1rem", "0 auto 0 1rem"},
        {"margin", "0   auto", 1, "1px", "0 1px 0 auto"},
        {"margin", "0   auto 2px", 1, "1px", "0 1px 2px auto"},
        {"margin", "0   auto 2px 3px", 1, "1px", "0   1px 2px 3px"},
        {"margin", "0 auto", 0, "1px", "1px auto 0"},
        {"border", "1px  solid #DEE2E6", 2, "red", "1px  solid red"},
        {"border", "solid", 0, "2px", "2px solid"},
    };
    for (const PartCase& c : cases) {
        SCOPED_TRACE(std::string(c.Property) + ": " + std::string(c.Value));
        const auto written =
            WithShorthandPart(*FindProperty(c.Property), c.Value, c.Part, c.PartValue);
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(*written, c.Written);
    }
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// The first pages' controls stay hand-made; what they write is held to the catalogue,
// so that the two cannot drift apart.
TEST(PropertyCatalog, TheFirstPagesKeywordsAndFieldsAreItsRows) {
    for (const KeywordInfo& info : KeywordTable()) {
        SCOPED_TRACE(std::string(info.Name));
        const PropertySpec* spec = FindProperty(info.Property);
        ASSERT_NE(spec, nullptr);
        EXPECT_EQ(spec->Page, CatalogPage::Panel);
        // "marker" is an old display type no browser takes; the button reads it still.
        if (info.Button != Keyword::DisplayMarker && info.Button != Keyword::TextDecorBlink) {
            EXPECT_TRUE(ValueFits(*spec, info.Value)) << info.Value;
        }
    }
    for (const LengthInfo& info : LengthTable()) {
        if (info.Property.empty())
            continue; // the clip's edges are parts of one rect()
        SCOPED_TRACE(std::string(info.Name));
        const PropertySpec* spec = FindProperty(info.Property);
        ASSERT_NE(spec, nullptr);
        EXPECT_TRUE(spec->Kinds & KindLength);
        EXPECT_TRUE(ValueFits(*spec, "12px"));
    }
}

} // namespace
} // namespace tesselo
