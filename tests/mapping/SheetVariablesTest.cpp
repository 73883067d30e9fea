#include "mapping/SheetVariables.h"

#include "support/SheetText.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

using testing::DocumentRead;
using Kind = VariableKind;

const char* const kTheme = R"(:root,
[data-theme=light] {
  --brand: #0d6efd;
  --brand-rgb: 13, 110, 253;
  --radius: .375rem;
  --radius: .5rem;
  --gap: calc(1rem + 2px);
  --font: "Inter", sans-serif;
  --link: var(--brand);
  --loop-a: var(--loop-b);
  --loop-b: var(--loop-a);
  --soft: rgb(13 110 253 / .5);
  --ease: .15s;
  --weight: 400;
  --shadow: 0 .5rem 1rem rgba(0, 0, 0, .15);
  --pair: 1rem 1rem;
}
@property --angle { syntax: '<length>'; inherits: false; initial-value: 0px; }
@media (min-width: 768px) {
  :root { --radius: 1rem; }
}
.btn { --btn-color: var(--brand); color: var(--btn-color); border-radius: var(--radius); }
.card { color: rgba(var(--brand-rgb), .5); --angle: 10deg; }
.alert { color: var(--missing); background: var(--also-missing, white); }
)";

TEST(SheetVariables, DefinitionsKeepTheirRuleAndTheLastOfARuleWins) {
    const SheetVariables vars{DocumentRead(kTheme)};
    const auto radius = vars.DefinitionsOf("--radius");
    ASSERT_EQ(radius.size(), 3u);
    EXPECT_TRUE(radius[0]->Shadowed);
    EXPECT_FALSE(radius[1]->Shadowed);
    EXPECT_TRUE(radius[1]->Global);
    EXPECT_FALSE(radius[2]->Global) << "inside @media it holds only at some widths";
    EXPECT_EQ(vars.MainDefinition("--radius")->Value, ".5rem");
    EXPECT_EQ(vars.DefinitionsOf("--btn-color").front()->Row, 4);
    EXPECT_FALSE(vars.Defines("--BRAND")) << "custom property names are case-sensitive";
    EXPECT_FALSE(vars.Defines("syntax")) << "an @property block defines no variable";
}

TEST(SheetVariables, UsesAreCountedPerVarAndPerRule) {
    const SheetVariables vars{DocumentRead(kTheme)};
    EXPECT_EQ(vars.UseCount("--brand"), 2u); // --link and --btn-color
    EXPECT_EQ(vars.RowsUsing("--brand"), (std::vector<int>{0, 4}));
    EXPECT_EQ(vars.UseCount("--brand-rgb"), 1u);
    EXPECT_EQ(vars.UseCount("--font"), 0u);
    EXPECT_EQ(vars.UseCount("--also-missing"), 1u);
}

TEST(SheetVariables, KindsAreGuessedFromValuesRegistrationsAndChains) {
    const SheetVariables vars{DocumentRead(kTheme)};
    const std::pair<const char*, Kind> cases[] = {
        {"--brand", Kind::Color},     {"--brand-rgb", Kind::RgbTriple}, {"--radius", Kind::Length},
        {"--gap", Kind::Length},      {"--font", Kind::Text},           {"--link", Kind::Color},
        {"--loop-a", Kind::Text},     {"--soft", Kind::Color},          {"--ease", Kind::Time},
        {"--weight", Kind::Number},   {"--shadow", Kind::Shadow},       {"--pair", Kind::Text},
        {"--btn-color", Kind::Color}, {"--angle", Kind::Length},
    };
    for (const auto& [name, kind] : cases)
        EXPECT_EQ(vars.KindOf(name), kind) << name;
}

TEST(SheetVariables, ValuesAloneGiveTheirKind) {
    const std::pair<const char*, Kind> cases[] = {
        {"transparent", Kind::Color},
        {"color-mix(in srgb, red, blue)", Kind::Color},
        {"0", Kind::Length},
        {"50%", Kind::Length},
        {"200ms", Kind::Time},
        {"1.5", Kind::Number},
        {"300, 1, 1", Kind::Text},
        {"", Kind::Text},
        {"inset 0 1px red", Kind::Shadow},
        {"min(10px, 5vw)", Kind::Length},
        {"calc(2 * 3)", Kind::Text},
        {"linear-gradient(red, blue)", Kind::Text},
        {"solid", Kind::Keyword},
        {"-webkit-box", Kind::Keyword},
        {"system-ui, sans-serif", Kind::Text},
    };
    for (const auto& [value, kind] : cases)
        EXPECT_EQ(KindOfValue(value), kind) << value;
    EXPECT_EQ(KindOfSyntax("\"<color>\""), Kind::Color);
    EXPECT_EQ(KindOfSyntax("'<length> | auto'"), std::nullopt);
}

TEST(SheetVariables, ResolveFollowsGlobalDefinitionsFallbacksAndStopsAtCircles) {
    const SheetVariables vars{DocumentRead(kTheme)};
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"var(--brand)", "#0d6efd"},
        {"var(--link)", "#0d6efd"},
        {"1px solid var( --brand )", "1px solid #0d6efd"},
        {"rgba(var(--brand-rgb), .5)", "rgba(13, 110, 253, .5)"},
        {"var(--missing)", std::nullopt},
        {"var(--missing, var(--brand))", "#0d6efd"},
        {"var(--brand, red)", "#0d6efd"},
        {"var(--loop-a)", std::nullopt},
        {"var(--btn-color)", "#0d6efd"}, // defined on .btn only: what it says there
        {"10px", "10px"},
        {"'var(--brand)'", "'var(--brand)'"},
    };
    for (const auto& [value, resolved] : cases)
        EXPECT_EQ(vars.Resolve(value), resolved) << value;
}

TEST(SheetVariables, OnlyVarsWithoutDefinitionOrFallbackAreUndefined) {
    const SheetVariables vars{DocumentRead(kTheme)};
    const auto undefined = vars.Undefined("var(--missing) var(--also-missing, 1px) var(--brand)");
    ASSERT_EQ(undefined.size(), 1u);
    EXPECT_EQ(undefined[0].Name, "--missing");
    EXPECT_EQ(undefined[0].Begin, 0u);
    EXPECT_EQ(undefined[0].End, 14u);
    EXPECT_TRUE(vars.Undefined("/* var(--missing) */ red").empty());
}

TEST(SheetVariables, FindVarReferencesReadsNestedAndOpenCalls) {
    const auto refs = FindVarReferences("var(--a, var(--b, 1px)) calc(VAR(--c) * 2) --d");
    ASSERT_EQ(refs.size(), 3u);
    EXPECT_EQ(refs[0].Name, "--a");
    EXPECT_EQ(refs[0].Fallback, "var(--b, 1px)");
    EXPECT_EQ(refs[1].Name, "--b");
    EXPECT_EQ(refs[1].Fallback, "1px");
    EXPECT_EQ(refs[2].Name, "--c");
    EXPECT_FALSE(refs[2].Fallback);
    const auto open = FindVarReferences("var(--x");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].End, 7u);
    EXPECT_TRUE(FindVarReferences("my-var(--x) \"var(--y)\" url(var(--z))").empty());
}

TEST(SheetVariables, RenameTouchesDefinitionsAndVarsOnly) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"\n  --a: 1px;\n  width: var(--a);\n", "\n  --b: 1px;\n  width: var(--b);\n"},
        {" margin: var(--x, var(--a)) ", " margin: var(--x, var(--b)) "},
        {" content: \"var(--a)\"; /* --a: 2px */ ", std::nullopt},
        {" --ab: 1px; width: var(--ab) ", std::nullopt},
        {" --A: 1px ", std::nullopt},
        {" --a:var(--a)!important ", " --b:var(--b)!important "},
    };
    for (const auto& [block, renamed] : cases)
        EXPECT_EQ(RenameVariableInBlock(block, "--a", "--b"), renamed) << block;
}

TEST(SheetVariables, NamesOfCustomProperties) {
    EXPECT_TRUE(IsCustomPropertyName("--bs-primary"));
    EXPECT_TRUE(IsCustomPropertyName("--Ä"));
    EXPECT_FALSE(IsCustomPropertyName("--"));
    EXPECT_FALSE(IsCustomPropertyName("-x"));
    EXPECT_FALSE(IsCustomPropertyName("--a b"));
}

} // namespace
} // namespace tesselo
