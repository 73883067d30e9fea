#pragma once

// The embedded browser as the preview uses it: navigate, go back and forward, reload,
// stop, and the current location; the sheet shown again after it was written; an
// element picked on the page; the elements of a selector outlined. Its events (a
// download completed, the availability of back or forward changed, an element picked,
// the elements outlined) come back through Preview.

#include <string>
#include <vector>

namespace tesselo {

// A rule the page tests a picked element against: a selector the page's engine may not
// know, and the conditions of the groups it stands in ("@media print", one to a line;
// empty for always).
struct PageRule {
    std::string Selector;
    std::string Media;
    // It declares a property an element passes on to its children: the element's ancestors
    // are tested against it too.
    bool Inherits = false;
};

// A local sheet the page links, and how many of its rules match the element picked
// (-1: the page may not read it).
struct PageSheet {
    std::string File; // the local path
    int Rules = 0;
    bool operator==(const PageSheet&) const = default;
};

// What the page computes for the element picked that decides whether a declaration can act
// on it: its display and position, and its parent's display; empty when not known.
struct ElementFacts {
    std::string Display;
    std::string Position;
    std::string ParentDisplay;
    bool operator==(const ElementFacts&) const = default;
};

// An ancestor of the element picked: its short name ("div#main.card") and the rules that
// pass something on, by their place in those given, that match it.
struct PickedAncestor {
    std::string Name;
    std::vector<int> Matches;
    bool operator==(const PickedAncestor&) const = default;
};

// The element picked on the page, and the rules, by their place in those given, that
// match it now; the page's local sheets with the rules of each that match it; its
// ancestors, the parent first, up to the root.
struct PickedElement {
    std::string Tag;
    std::string Id;
    std::vector<std::string> Classes;
    std::vector<int> Matches;
    std::vector<PageSheet> Sheets;
    ElementFacts Facts;
    std::vector<PickedAncestor> Ancestors;
    bool operator==(const PickedElement&) const = default;
};

// A property of the element picked as the page computes it.
struct ComputedValue {
    std::string Property;
    std::string Value;
    bool operator==(const ComputedValue&) const = default;
};

// One rule of the sheet as it now reads, put into the page's copy of the sheet before the
// file is written, so that the page shows a change in the frame it is made in. The page
// finds the rule at the top of the sheet by its selector and by how many rules of that
// selector stand before it; the file's copy swapped in afterwards has the last word.
struct RuleEdit {
    std::string File; // the sheet, as SheetWritten names it
    std::string Selector;
    int Occurrence = 0;
    std::string Block; // the declarations, as between the braces
    bool operator==(const RuleEdit&) const = default;
};

// A declaration whose value the page's engine is asked to judge.
struct ValueCheck {
    std::string Property;
    std::string Value;
    bool operator==(const ValueCheck&) const = default;
};

class Browser {
public:
    virtual ~Browser() = default;
    virtual void Navigate(const std::string& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Reload() = 0;
    virtual void Stop() = 0;
    virtual std::string Location() const = 0;
    // The sheet's file was written anew: the page takes it in again where it links it,
    // and is reloaded in its place where it does not.
    virtual void SheetWritten(const std::string& file) = 0;
    // The next element clicked on the page is tested against the rules; the page's own
    // handlers do not see the clicks until then.
    virtual void StartPicking(const std::vector<PageRule>& rules) = 0;
    virtual void StopPicking() = 0;
    // The elements the selector matches are outlined; an empty selector outlines none.
    virtual void OutlineElements(const std::string& selector) = 0;
    // The page is laid out this many CSS pixels wide, as a screen of that width shows
    // it, scaled down to fit its place when that is narrower; 0: as wide as its place.
    virtual void SetPageWidth(int width) = 0;
    // The states (":hover"...) forced on the element picked last, with the style sheet
    // that makes the rules of those states apply to it; none given, none forced.
    virtual void ForceStates(const std::vector<std::string>& states, const std::string& sheet) = 0;
    // The rule's new text in the page's style sheet object, ahead of the file.
    virtual void ApplyRule(const RuleEdit& rule) = 0;
    // The values the page computes for these properties of the element picked last. The
    // answer, if the page gives one, comes back as an event with the same request.
    virtual void AskComputedValues(int request, const std::vector<std::string>& properties) = 0;
    // The local sheets the page links; they come back as an event.
    virtual void AskPageSheets() = 0;
    // The file written after the one rule it changed was given to ApplyRule: a page that
    // took the rule keeps its copy of the sheet, as it now reads as the file; one that
    // could not gets the file as SheetWritten gives it.
    virtual void SheetWrittenAfterApply(const std::string& file) { SheetWritten(file); }
    // Asks the page's engine which of the values it takes, as CSS.supports() says; the
    // answer comes later with the request's number. A browser without an engine at hand
    // gives none.
    virtual void CheckValues(int /*request*/, const std::vector<ValueCheck>& /*values*/) {}
};

// Command codes of the browser's command-state event.
inline constexpr int kCommandForward = 1;
inline constexpr int kCommandBack = 2;

// The page outlines this many elements of a selector at most.
inline constexpr int kMostOutlined = 100;

} // namespace tesselo
