#pragma once

// What the selector builder does, without its window: a simple selector is built from a
// tag, an ID or a class and a pseudo part; simple selectors are collected as rows, each
// extensible into a descendant or neighbour chain; finishing joins the rows into a
// group. The IDs and classes already in use are offered from the existing names.

#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

struct TagList {
    std::string_view Page;              // the caption of its page
    std::vector<std::string_view> Tags; // after "[none]"
};

// The six tag lists in page order, and the help row of a tag.
const std::vector<TagList>& TagLists();
std::string_view TagHelp(std::string_view tag); // "Нет справки" when there is none
// What a pseudo-element or pseudo-class of the lists below is for.
std::string_view PseudoHelp(std::string_view part);

inline constexpr std::string_view kNoTag = "[none]";
// Pseudo-elements with their two colons, as CSS writes them today.
inline const std::vector<std::string_view> kPseudoElements = {
    "[none]",   "::first-letter", "::first-line", "::before",  "::after",
    "::marker", "::placeholder",  "::selection",  "::backdrop"};
// Those with "()" take their selectors or numbers between the brackets, typed after.
inline const std::vector<std::string_view> kPseudoClasses = {
    "[none]",        ":active", ":focus",   ":hover", ":link",  ":visited",    ":focus-visible",
    ":focus-within", ":is()",   ":where()", ":not()", ":has()", ":nth-child()"};

class SelectorBuilder {
public:
    // Showing the dialog: the offers are harvested from the names, the rest starts anew.
    void FormShow(const std::string& styleNameList);

    void TagClick(std::string_view tag);
    void TagDoubleClick(std::string_view tag);
    // The text of the ID or class box, as the user typed or picked it.
    void ComboIDChange(const std::string& text);
    void ComboClassChange(const std::string& text);
    // The focus left a box: its text is offered in its list.
    void ComboIDExit() { Offer(IdOffers, IdText); }
    void ComboClassExit() { Offer(ClassOffers, ClassText); }
    void PseudoElementClick(int row);
    void PseudoClassClick(int row);

    void AddElementClick();
    void AddPotomokClick();
    void AddSosedClick();
    void DelClick();
    void DelPotomokClick();
    void DelSosedClick();
    void UpClick();   // SpeedButton1
    void DownClick(); // SpeedButton2

    // The result, unless it would break out of its place in the sheet (SelectorBreak):
    // then none, and `Refusal` says why; the rows and the boxes keep what they hold.
    void OkClick();
    void CancelClick() { SelectorResult.clear(); }
    // The pointer over a tag or a pseudo part: the hint line tells what it is for.
    void TagHover(std::string_view tag);
    void PseudoElementHover(std::string_view part);
    void PseudoClassHover(std::string_view part);

    std::string CurrentSelector;
    std::string IdText, ClassText;
    std::vector<std::string> IdOffers, ClassOffers; // newest first
    int PseudoElementRow = 0, PseudoClassRow = 0;
    std::vector<std::string> Itog;
    int ItogRow = -1; // the selected row, -1 for none
    std::string SelectorResult;
    std::string Refusal; // the message of a result refused, empty after one taken
    std::string LabelHint = "Строка подсказки";

private:
    static void Offer(std::vector<std::string>& offers, const std::string& text);
    void ComboChange(char mark, const std::string& text, std::string& other);
    void ApplyPseudoParts();
    void CutAtLast(char separator);
};

} // namespace tesselo
