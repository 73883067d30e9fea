#pragma once

// What the preview's page and the style list say to each other: the rules an element
// picked on the page is tested against, the selector the page's test takes for a rule
// (without the states the pointer and the keyboard give an element), and the status
// line's texts about what was found.

#include "document/Browser.h"
#include "document/StyleDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// A selector as the page tests it: the parts that name a state (":hover", ":focus"...)
// or a pseudo-element ("::before"...) are left out; a compound made only of them stands
// for any element. Inside a functional pseudo-class (":not(...)") nothing is left out.
struct PageSelector {
    std::string Text;
    bool StatesLeftOut = false;
};
PageSelector SelectorForPage(std::string_view selector);

// Whether the record's selector names elements: not empty, no at-rule ("@media ...").
bool NamesElements(std::string_view selector);

// A rule an element on the page may match, in sheet order.
struct PickTarget {
    int Record = -1;   // the record in the style list
    PageSelector Test; // its selector, as the page tests it
    // The conditions of the groups it stands in, outermost first, one to a line
    // ("@media print\n@supports (x)"); empty at the top of the sheet.
    std::string Media;
};
// The style records of the document, those inside groups too; at-rule records and the
// groups themselves are not tested.
std::vector<PickTarget> PickTargets(const StyleDocument& document);

// "div#main.box": the tag, the id and the classes of an element.
std::string ElementName(std::string_view tag, std::string_view id,
                        const std::vector<std::string>& classes);

// The status line after a pick: how many rules of the sheet match the element.
std::string PickedText(std::string_view element, int matching, bool statesLeftOut);
// The page's other local sheets, besides the one open at `file`, that hold rules of the
// element picked, in the page's order.
std::vector<PageSheet> OtherSheetsOfPick(const std::vector<PageSheet>& sheets,
                                         const std::string& file);
// What the status line adds about them: "; в других таблицах страницы: base.css — 2".
std::string OtherSheetsText(const std::vector<PageSheet>& others);
// The question after a pick that no rule of the open sheet matches, when another sheet of
// the page holds the element's rules.
std::string OpenOtherSheetQuestion(const PageSheet& other);

// A local sheet the page links, as the menu of the page's sheets offers it.
struct PageSheetChoice {
    std::string File;
    bool Open = false; // the sheet open at `file`
    bool operator==(const PageSheetChoice&) const = default;
};
// Each sheet once, in the page's order.
std::vector<PageSheetChoice> PageSheetChoices(const std::vector<PageSheet>& sheets,
                                              const std::string& file);
// The question when the user chose another sheet of the page.
std::string OpenPageSheetQuestion(const std::string& sheet);

// The status line while the current rule's elements are outlined; a negative count is a
// selector the browser does not understand.
std::string ElementsShownText(int count, int outlined);

} // namespace tesselo
