#include "dialogs/SelectorBuilder.h"

#include "document/ByteText.h"
#include "mapping/SelectorCheck.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using Rows = std::vector<std::string>;

// Indices of the pseudo lists' rows.
constexpr int kHover = 3;
constexpr int kFocusWithin = 7;
constexpr int kHas = 11;
constexpr int kFirstLine = 2;
constexpr int kMarker = 5;

TEST(SelectorBuilder, OffersTheIdsAndClassesInUseNewestFirst) {
    SelectorBuilder b;
    b.FormShow(" P.intro #nav A:hover DIV.box.wide P.my-class #nav");
    EXPECT_EQ(b.ClassOffers, (Rows{"my", "wide", "intro"}));
    EXPECT_EQ(b.IdOffers, Rows{"nav"});
    // Leaving a box offers its text once, first.
    b.ComboIDChange("main");
    b.ComboIDExit();
    b.ComboIDExit();
    EXPECT_EQ(b.IdOffers, (Rows{"main", "nav"}));
    b.ComboClassChange("");
    b.ComboClassExit();
    EXPECT_EQ(b.ClassOffers.size(), 3u);
}

TEST(SelectorBuilder, ShowingStartsAnew) {
    SelectorBuilder b;
    b.TagClick("P");
    b.AddElementClick();
    b.OkClick();
    b.FormShow("");
    EXPECT_EQ(b.CurrentSelector, "");
    EXPECT_TRUE(b.Itog.empty());
    EXPECT_EQ(b.SelectorResult, "");
}

TEST(SelectorBuilder, SimpleSelectorsFromTagIdClassAndPseudoParts) {
    struct Step {
        std::string Tag, Id, Class;
        int Element = 0, Class_ = 0;
        std::string Expected;
    };
    const std::vector<Step> steps = {
        {"P", "", "x", 0, 0, "P.x"},
        {"A", "", "", 0, kHover, "A:hover"},
        {"[none]", "nav", "", 0, 0, "#nav"},
        {"A", "", "link", 0, kHover, "A.link:hover"},
        {"P", "", "", kFirstLine, 0, "P::first-line"},
        // A pseudo part is never added to an empty selector; every tag takes a class.
        {"[none]", "", "", kFirstLine, 0, ""},
        {"P", "", "", 0, kHover, "P:hover"},
        {"nav", "", "", 0, kFocusWithin, "nav:focus-within"},
        {"article", "", "", 0, kHas, "article:has()"},
        {"[none]", "", "card", kMarker, 0, ".card::marker"},
    };
    for (const auto& s : steps) {
        SelectorBuilder b;
        b.TagClick(s.Tag);
        if (s.Element)
            b.PseudoElementClick(s.Element);
        if (s.Class_)
            b.PseudoClassClick(s.Class_);
        if (!s.Id.empty())
            b.ComboIDChange(s.Id);
        if (!s.Class.empty())
            b.ComboClassChange(s.Class);
        EXPECT_EQ(b.CurrentSelector, s.Expected) << s.Tag << " " << s.Id << " " << s.Class;
    }
}

TEST(SelectorBuilder, AnIdReplacesAClassAndAnEmptyBoxRemovesIt) {
    SelectorBuilder b;
    b.TagClick("P");
    b.ComboClassChange("x");
    b.ComboIDChange("y");
    EXPECT_EQ(b.CurrentSelector, "P#y");
    EXPECT_EQ(b.ClassText, "");
    b.ComboIDChange("");
    EXPECT_EQ(b.CurrentSelector, "P");
    b.TagClick("A");
    b.PseudoElementClick(1);
    b.PseudoClassClick(kHover);
    EXPECT_EQ(b.PseudoElementRow, 0) << "one pseudo part at a time";
    EXPECT_EQ(b.CurrentSelector, "A:hover");
}

TEST(SelectorBuilder, GroupRowsMakeChainsAndGroups) {
    SelectorBuilder b;
    b.TagClick("DIV");
    b.AddElementClick();
    b.TagClick("P");
    b.AddPotomokClick();
    b.TagClick("SPAN");
    b.AddSosedClick();
    EXPECT_EQ(b.Itog, Rows{"DIV P+SPAN"});
    b.TagDoubleClick("H1");
    b.TagDoubleClick("H2");
    b.UpClick();
    EXPECT_EQ(b.Itog, (Rows{"DIV P+SPAN", "H2", "H1"}));
    EXPECT_EQ(b.ItogRow, 1);
    b.DownClick();
    b.DownClick();
    EXPECT_EQ(b.ItogRow, 2);
    b.OkClick();
    EXPECT_EQ(b.SelectorResult, "DIV P+SPAN, H1, H2");
}

TEST(SelectorBuilder, DeletingRowsAndChainLinks) {
    SelectorBuilder b;
    b.Itog = {"A", "B C D", "E+F", "G ", "H"};
    b.ItogRow = 1;
    b.DelPotomokClick();
    EXPECT_EQ(b.Itog[1], "B C");
    b.ItogRow = 3;
    b.DelPotomokClick();
    EXPECT_EQ(b.Itog[3], "") << "a row ending in a space loses two characters";
    b.ItogRow = 2;
    b.DelSosedClick();
    b.DelPotomokClick();
    EXPECT_EQ(b.Itog[2], "E");
    b.ItogRow = 4;
    b.DelPotomokClick();
    EXPECT_EQ(b.Itog[4], "H");
    b.ItogRow = 0;
    b.DelClick();
    EXPECT_EQ(b.ItogRow, 0);
    b.ItogRow = 3;
    b.DelClick();
    EXPECT_EQ(b.ItogRow, 2);
    EXPECT_EQ(b.Itog, (Rows{"B C", "E", ""}));
    b.ItogRow = -1;
    b.DelClick();
    b.AddPotomokClick();
    EXPECT_EQ(b.Itog.size(), 3u);
}

TEST(SelectorBuilder, FinishingAndCancelling) {
    SelectorBuilder b;
    b.OkClick();
    EXPECT_EQ(b.SelectorResult, "") << "an empty result creates no style";
    b.TagClick("UL");
    b.OkClick();
    EXPECT_EQ(b.SelectorResult, "UL");
    b.CancelClick();
    EXPECT_EQ(b.SelectorResult, "");
}

TEST(SelectorBuilder, TagHelpOnHover) {
    SelectorBuilder b;
    b.TagHover("H1");
    EXPECT_EQ(b.LabelHint, "Назначение тега в HTML: заголовок1");
    b.TagHover("[none]");
    EXPECT_EQ(b.LabelHint, "Назначение тега в HTML: селектор не выбран, выбирайте для "
                           "\"чистых\" классов или ID");
    b.TagHover("BLINK");
    EXPECT_EQ(b.LabelHint, "Назначение тега в HTML: Нет справки");
    EXPECT_EQ(TagLists().size(), 6u);
    EXPECT_EQ(TagLists()[0].Tags.size(), 116u);
    for (const auto& list : TagLists())
        for (auto tag : list.Tags)
            EXPECT_NE(TagHelp(tag), "Нет справки") << tag;
}

// Today's elements are offered beside those of HTML 4, in small letters as they are
// written now, on the page "Все" and on the page of their kind; the pseudo parts as CSS
// writes them today, each explained.
TEST(SelectorBuilder, OffersTodaysElementsAndPseudoParts) {
    auto holds = [](std::string_view page, std::string_view tag) {
        for (const auto& list : TagLists())
            if (list.Page == page)
                return std::ranges::find(list.Tags, tag) != list.Tags.end();
        return false;
    };
    const std::vector<std::pair<std::string_view, std::vector<std::string_view>>> pages = {
        {"Блок",
         {"main", "nav", "section", "article", "header", "footer", "aside", "figure", "figcaption",
          "dialog", "details", "summary"}},
        {"Объект",
         {"picture", "source", "video", "audio", "canvas", "svg", "progress", "meter", "output"}},
        {"Текст", {"mark", "time", "CENTER", "STRIKE", "BIG"}},
        {"Специальное", {"template", "slot"}}};
    for (const auto& [page, tags] : pages)
        for (std::string_view tag : tags)
            EXPECT_TRUE(holds(page, tag) && holds("Все", tag)) << tag;
    EXPECT_TRUE(std::ranges::is_sorted(TagLists()[0].Tags, {}, [](std::string_view tag) {
        return LowerAscii(tag);
    })) << "in the order of the alphabet, whatever the letters' case";
    for (const auto* parts : {&kPseudoElements, &kPseudoClasses})
        for (size_t row = 1; row < parts->size(); ++row) {
            EXPECT_EQ((*parts)[row].starts_with("::"), parts == &kPseudoElements) << (*parts)[row];
            EXPECT_NE(PseudoHelp((*parts)[row]), "Нет справки") << (*parts)[row];
        }
    SelectorBuilder b;
    b.PseudoClassHover(":focus-visible");
    EXPECT_EQ(b.LabelHint, "Псевдокласс :focus-visible: элемент в фокусе, когда фокус надо "
                           "показать (получен с клавиатуры)");
}

// A group whose row would break the sheet is not finished: the rows stay as built.
TEST(SelectorBuilder, FinishingARowThatBreaksTheSheetIsRefused) {
    SelectorBuilder b;
    b.Itog = {"main", "a[title"};
    b.OkClick();
    EXPECT_EQ(b.SelectorResult, "");
    EXPECT_EQ(b.Refusal,
              messages::BadBuiltSelector("main, a[title", "скобка [ (знак 8) не закрыта"));
    EXPECT_EQ(b.Itog, (Rows{"main", "a[title"}));
    b.Itog[1] = "a[title]";
    b.OkClick();
    EXPECT_EQ(b.SelectorResult, "main, a[title]");
    EXPECT_EQ(b.Refusal, "");
}

} // namespace
} // namespace tesselo
