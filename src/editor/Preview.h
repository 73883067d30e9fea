#pragma once

// The preview: the user's own page in the embedded browser. A refresh writes the
// composed sheet over the document's file, so a page that links the file shows the
// styles as they are being edited: the page takes the sheet in again where it stands,
// or is reloaded whole when the user wants it so. An element picked on the page selects
// its rule, and the current rule's elements can be outlined on the page.

#include "document/Browser.h"
#include "document/UserDialogs.h"
#include "editor/ElementCascade.h"
#include "editor/PagePick.h"
#include "editor/StyleEditor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tesselo {

// The widths a page may be laid out at, in CSS pixels.
inline constexpr int kNarrowestPage = 200;
inline constexpr int kWidestPage = 3840;

class Preview {
public:
    // Follows the session: a change the page should see refreshes it when automatic
    // refresh is on.
    Preview(StyleEditor& editor, Browser& browser, UserDialogs& dialogs);
    ~Preview();
    Preview(const Preview&) = delete;
    Preview& operator=(const Preview&) = delete;

    void RefreshViewExecute();
    // Change notification: refreshes when automatic refresh is on.
    void NotifyChange();
    void AutoRefreshActionExecute() { AutoRefresh = !AutoRefresh; }

    void GotoBackClick() { browser_.GoBack(); }
    void GotoForwardClick() { browser_.GoForward(); }
    void StopNavigateClick() { browser_.Stop(); }
    void GotoHomePageClick() { browser_.Navigate(HomePageAddress); }
    // The page laid out at this width (CSS pixels; 0: as wide as the preview), as the
    // width box on the tool bar chooses it.
    void SetPageWidth(int width);
    int PageWidth() const { return pageWidth_; }
    // A width at which the current rule applies, when the page's width keeps one of the
    // groups around it from holding; nothing otherwise.
    std::optional<int> WidthForCurrentRule() const;
    void SaveHomePageClick() { HomePageAddress = LocationView; }
    // Enter in the address box.
    void LocationViewEnter() { browser_.Navigate(LocationView); }
    // The preview page became the active page of the views.
    void PreviewShown();

    void PreBrowserDownloadComplete() { LocationView = browser_.Location(); }
    void PreBrowserCommandStateChange(int command, bool enabled);

    // Picking starts with the sheet's rules as they are now, or stops.
    void PickElementExecute(bool on);
    // The page's answer to a pick: the last rule in sheet order that matches the element
    // is selected. Returns the status line's text.
    std::string ElementPicked(const PickedElement& element);
    // The rules that matched the element picked last, ranked as the cascade ranks them
    // (those of a state such as ":hover" that is not forced, or of a pseudo-element, left
    // out); none once rules were added or removed since.
    std::vector<CascadeRule> PickedCascade() const;
    // The rules of the ancestors of the element picked last that hand it their inherited
    // declarations, the parent's first; none once rules were added or removed since.
    std::vector<InheritedSection> InheritedCascade() const;
    // The page is asked for the computed values of the properties that the rules of the
    // element picked last declare (its own and those it inherits); the answer, or the
    // lack of one in time, comes back below. A new pick, a state forced and the sheet
    // written again make what was said old: it is dropped.
    void AskComputedValues();
    void ComputedValuesFound(int request, const std::vector<ComputedValue>& values);
    void ComputedValuesTimedOut();
    const ComputedAnswer& Computed() const { return computed_; }
    // The page's local sheets as it last said them, and as a menu offers them.
    void PageSheetsFound(std::vector<PageSheet> sheets) { pageSheets_ = std::move(sheets); }
    std::vector<PageSheetChoice> PageSheetChoices() const;
    // A state (":hover"...) forced on the element picked last, or no longer; nothing
    // before a pick. A new pick, or the page reloaded, drops them.
    void ForceState(const std::string& state, bool on);
    const std::vector<std::string>& ForcedStates() const { return forced_; }
    bool HasPicked() const { return pickedAmong_ >= 0; }
    // The page's other local sheets that hold rules of the element picked last, and how
    // many rules of the open sheet match it.
    const std::vector<PageSheet>& OtherSheetsOfPick() const { return otherSheets_; }
    int RulesOfPick() const { return static_cast<int>(picked_.size()); }
    // What the page computed for the element picked last, when rule `row` is one of its
    // rules (and no rule came or went since); none otherwise.
    std::optional<ElementFacts> FactsForRule(int row) const;
    void PickingEnded() { Picking = false; }
    // The current rule's elements outlined on the page, or no more.
    void HighlightExecute(bool on);
    // The page outlined the current rule's elements: the status line's text, empty when
    // there is nothing to say.
    std::string ElementsOutlined(int count) const;

    std::string HomePageAddress;
    std::string LocationView = "about:blank"; // the address box's text
    bool AutoRefresh = false;
    bool PreviewShowing = false;
    bool BackEnabled = true;
    bool ForwardEnabled = true;
    bool FullReload = false; // a refresh reloads the page instead of taking the sheet in
    bool Picking = false;
    bool Highlight = false;

private:
    // The rule a change made in its place, to put into the page ahead of the file; none
    // for a change the page takes only from the file (a group's rule, several rules, a
    // rule holding nested blocks, the page not shown or reloaded whole).
    std::optional<RuleEdit> RuleEditOf(const SessionChange& change) const;
    // A file gone from under the document is written again only when the user says so;
    // a "Нет" holds for that file, as last read or written, until it is there again.
    bool MayWriteAgain(const std::string& file);
    // The current rule's selector, as the page tests it, for the outlines; empty for none.
    std::string OutlinedSelector() const;
    // Of the records, those that style the element as it is: not those of a state not
    // forced, nor of a pseudo-element.
    std::vector<int> Styling(const std::vector<int>& records) const;

    std::vector<PickTarget> picking_;

    StyleEditor& editor_;
    Browser& browser_;
    UserDialogs& dialogs_;
    int observer_ = 0;
    // The refresh under way follows a rule given to the page ahead of its file.
    bool appliedAhead_ = false;
    std::function<std::string(int)> BlockOf() const;
    std::string notAgain_;
    int pageWidth_ = 0;
    // The records matching the element picked last, and the rules there were then.
    std::vector<int> picked_;
    std::vector<ElementAncestor> ancestors_; // of the element picked last, with their records
    ComputedAnswer computed_;
    int computedRequest_ = 0;
    std::vector<PageSheet> pageSheets_;
    int pickedAmong_ = -1;
    std::vector<std::string> forced_; // the states forced, in the order forced
    std::vector<PageSheet> otherSheets_;
    ElementFacts facts_; // of the element picked last
    std::optional<FileStamp> notAgainStamp_;
};

} // namespace tesselo
