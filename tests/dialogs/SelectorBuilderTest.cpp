#include "dialogs/SelectorBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using Rows = std::vector<std::string>;

// Indices of the pseudo lists' rows.
constexpr int kHover = 3;
constexpr int kFirstLine = 2;

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

TEST(SelectorBuilder, ShowingStartsAnewAndKeepsThePseudoClassState) {
    SelectorBuilder b;
    b.TagClick("P");
    b.AddElementClick();
    b.OkClick();
    b.FormShow("");
    EXPECT_EQ(b.CurrentSelector, "");
    EXPECT_TRUE(b.Itog.empty());
    EXPECT_EQ(b.SelectorResult, "");
    EXPECT_FALSE(b.PseudoClassEnabled) << "a tag other than A turned it off";
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
        {"P", "", "", kFirstLine, 0, "P:first-line"},
        // A pseudo part is never added to an empty selector; only A takes a class.
        {"[none]", "", "", kFirstLine, 0, ""},
        {"P", "", "", 0, kHover, "P"},
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
    EXPECT_EQ(TagLists()[0].Tags.size(), 91u);
    for (const auto& list : TagLists())
        for (auto tag : list.Tags)
            EXPECT_NE(TagHelp(tag), "Нет справки") << tag;
}

} // namespace
} // namespace tesselo
