#include "editor/PagePick.h"

#include "document/SheetReader.h"
#include "document/StyleDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

struct SelectorCase {
    std::string Written;
    std::string Tested;
    bool StatesLeftOut;
};

class SelectorForThePage : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(SelectorForThePage, LeavesOutStatesAndPseudoElements) {
    const PageSelector tested = SelectorForPage(GetParam().Written);
    EXPECT_EQ(tested.Text, GetParam().Tested);
    EXPECT_EQ(tested.StatesLeftOut, GetParam().StatesLeftOut);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectorForThePage,
    ::testing::Values(
        SelectorCase{"div.box > p", "div.box > p", false}, SelectorCase{"a:hover", "a", true},
        SelectorCase{"A:HOVER", "A", true}, SelectorCase{"li:first-child", "li:first-child", false},
        SelectorCase{"a:focus-visible, b:focus-within", "a, b", true},
        SelectorCase{"nav a:visited:active", "nav a", true}, SelectorCase{"p::before", "p", true},
        SelectorCase{"p:after", "p", true}, SelectorCase{"p::first-line", "p", true},
        SelectorCase{"input::placeholder", "input", true},
        // A compound of states alone stands for any element.
        SelectorCase{":hover", "*", true}, SelectorCase{"ul > :focus .x", "ul > * .x", true},
        SelectorCase{"::selection", "*", true}, SelectorCase{":hover.x", ".x", true},
        SelectorCase{"::part(label) b", "* b", true},
        // Inside brackets, quotes, functions and escapes nothing is taken.
        SelectorCase{"a:not(:hover)", "a:not(:hover)", false},
        SelectorCase{"a[title=':hover']", "a[title=':hover']", false},
        SelectorCase{".md\\:hover", ".md\\:hover", false},
        SelectorCase{"a:hover:not(.x)", "a:not(.x)", true}));

TEST(PickTargets, AreTheStyleRecordsInSheetOrderWithTheirGroupsConditions) {
    StyleDocument document;
    SheetRules rules = LoadStylesFromSheet(SheetLines::FromBytes(
        "h1 {} @media print { a:hover {} @supports (x) { .y {} } } @font-face {} .x::after {}"));
    document.ReplaceRecords(std::move(rules.Records));
    const std::vector<PickTarget> targets = PickTargets(document);
    std::vector<std::string> seen;
    for (const PickTarget& target : targets)
        seen.push_back(std::to_string(target.Record) + " " + target.Test.Text +
                       (target.Test.StatesLeftOut ? " states" : "") + " [" + target.Media + "]");
    EXPECT_EQ(seen,
              (std::vector<std::string>{"0 h1 []", "2 a states [@media print]",
                                        "4 .y [@media print\n@supports (x)]", "6 .x states []"}));
}

TEST(PageTexts, NameTheElementWithItsIdAndClasses) {
    EXPECT_EQ(ElementName("DIV", "main", {"box", "wide"}), "div#main.box.wide");
    EXPECT_EQ(ElementName("p", "", {}), "p");
}

struct CountCase {
    int Count;
    std::string Picked;
    std::string Shown;
};

class PageTexts : public ::testing::TestWithParam<CountCase> {};

// The Russian plural forms, with 11-14 among the "many".
TEST_P(PageTexts, FollowTheRussianPluralForms) {
    const CountCase& c = GetParam();
    EXPECT_EQ(PickedText("div#main", c.Count, false), "Элемент div#main: " + c.Picked);
    EXPECT_EQ(ElementsShownText(c.Count, c.Count), c.Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageTexts,
    ::testing::Values(CountCase{0, "ни один стиль не подходит",
                                "Стиль не применяется ни к одному элементу страницы"},
                      CountCase{1, "подходит 1 стиль", "Стиль применяется к 1 элементу"},
                      CountCase{2, "подходят 2 стиля", "Стиль применяется к 2 элементам"},
                      CountCase{4, "подходят 4 стиля", "Стиль применяется к 4 элементам"},
                      CountCase{5, "подходят 5 стилей", "Стиль применяется к 5 элементам"},
                      CountCase{11, "подходят 11 стилей", "Стиль применяется к 11 элементам"},
                      CountCase{12, "подходят 12 стилей", "Стиль применяется к 12 элементам"},
                      CountCase{14, "подходят 14 стилей", "Стиль применяется к 14 элементам"},
                      CountCase{21, "подходит 21 стиль", "Стиль применяется к 21 элементу"},
                      CountCase{22, "подходят 22 стиля", "Стиль применяется к 22 элементам"},
                      CountCase{111, "подходят 111 стилей", "Стиль применяется к 111 элементам"}));

TEST(PageTexts, SayWhatWasLeftOutAndWhatCouldNotBeTested) {
    EXPECT_EQ(PickedText("div#main.box", 3, true),
              "Элемент div#main.box: подходят 3 стиля (состояния :hover и подобные не учтены)");
    EXPECT_EQ(ElementsShownText(250, 100),
              "Стиль применяется к 250 элементам (обведены первые 100)");
    EXPECT_EQ(ElementsShownText(-1, 0), "Браузер не понимает селектор этого стиля");
}

// The page's other sheets: the open one left out however its path is spelt, sheets with
// no matching rule or that the page may not read left out, the rest named in the page's
// order.
TEST(PageTexts, NameTheOtherSheetsThatHoldTheElementsRules) {
    const std::vector<PageSheet> sheets = {{"/site/css/../site.css", 3},
                                           {"/site/base.css", 2},
                                           {"/site/print.css", 0},
                                           {"/other/theme.css", -1},
                                           {"/site/extra.css", 1}};
    const auto others = OtherSheetsOfPick(sheets, "/site/site.css");
    EXPECT_EQ(others, (std::vector<PageSheet>{{"/site/base.css", 2}, {"/site/extra.css", 1}}));
    EXPECT_EQ(OtherSheetsText(others), "; в других таблицах страницы: base.css — 2, extra.css — 1");
    EXPECT_EQ(OtherSheetsText({}), "");
    EXPECT_EQ(OtherSheetsOfPick(sheets, "").size(), 3u) << "a new document is none of them";
    const std::string question = OpenOtherSheetQuestion({"/site/base.css", 1});
    EXPECT_NE(question.find("base.css, которую подключает страница, подходит 1 стиль"),
              std::string::npos)
        << question;
}

TEST(PagePick, ThePagesSheetsAreOfferedOnceEach_TheOpenOneMarked) {
    const std::vector<PageSheet> sheets = {
        {"/site/base.css", 0}, {"/site/css/../site.css", 0}, {"/site/./base.css", 0}};
    EXPECT_EQ(
        PageSheetChoices(sheets, "/site/site.css"),
        (std::vector<PageSheetChoice>{{"/site/base.css", false}, {"/site/css/../site.css", true}}));
    EXPECT_FALSE(PageSheetChoices(sheets, "")[1].Open) << "a new document is none of them";
}

} // namespace
} // namespace tesselo
