#include "editor/Preview.h"

#include "document/ByteText.h"
#include "document/TextFile.h"
#include "editor/DocumentCommands.h"
#include "editor/ForcedStates.h"
#include "editor/MediaWidth.h"

#include <algorithm>
#include <filesystem>

namespace tesselo {
namespace {

// A selector with each run of blanks one space, none around its commas or at its ends:
// as near as the program comes to the engine's own writing of it.
std::string OneSpaced(std::string_view selector) {
    std::string out;
    for (char c : selector) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
        if (blank) {
            if (!out.empty() && out.back() != ' ' && out.back() != ',')
                out += ' ';
            continue;
        }
        if (c == ',' && !out.empty() && out.back() == ' ')
            out.pop_back();
        out += c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

Preview::Preview(StyleEditor& editor, Browser& browser, UserDialogs& dialogs)
    : editor_(editor), browser_(browser), dialogs_(dialogs) {
    observer_ = editor_.Observe([this](const SessionChange& change) {
        bool ahead = false;
        if (change.Refreshes && AutoRefresh) {
            // The page's road does not wait for the file's.
            if (auto rule = RuleEditOf(change)) {
                browser_.ApplyRule(*rule);
                ahead = true;
            }
        }
        if (change.Refreshes) {
            appliedAhead_ = ahead;
            NotifyChange();
            appliedAhead_ = false;
        }
        // The rule, its selector or the page's styles may be others now.
        if (Highlight && change.What != SessionChange::Kind::Type &&
            change.What != SessionChange::Kind::Commit)
            browser_.OutlineElements(OutlinedSelector());
    });
}

Preview::~Preview() {
    editor_.Forget(observer_);
}

// A rule's text by its row. The current rule, once edited, is its view's, which a change
// of the classic panel rewrites, until the view is stored into its record; an unedited
// rule is its record's text as read, whatever layout its view shows it in.
std::function<std::string(int)> Preview::BlockOf() const {
    return [this](int row) {
        const StyleRecord& record = editor_.Document().Record(row);
        return row == editor_.Current() && record.Edited() ? editor_.CurrentBlock()
                                                           : record.BlockText();
    };
}

std::optional<RuleEdit> Preview::RuleEditOf(const SessionChange& change) const {
    using Kind = SessionChange::Kind;
    if (!PreviewShowing || FullReload || !change.Step || !change.Step->InPlace() ||
        (change.What != Kind::Panel && change.What != Kind::PushText &&
         change.What != Kind::Commit))
        return std::nullopt;
    const StyleDocument& document = editor_.Document();
    if (document.FileName.empty() || change.Step->Changes.size() > 1)
        return std::nullopt;
    // A step of the current rule's view alone, its record not yet stored, names no row.
    const int row =
        change.Step->Changes.empty() ? editor_.Current() : change.Step->Changes.front().Row;
    if (row < 0 || row >= document.StyleCount())
        return std::nullopt;
    const StyleRecord& record = document.Record(row);
    // A rule inside a group, or holding rules of its own, waits for its file.
    if (record.IsGroup() || record.Depth() != 0 || !NamesElements(record.Selector))
        return std::nullopt;
    const std::string block = BlockOf()(row);
    if (block.find('{') != std::string::npos)
        return std::nullopt;
    RuleEdit edit{document.FileName, record.Selector, 0, block};
    const std::string selector = OneSpaced(record.Selector);
    for (int i = 0; i < row; ++i) {
        const StyleRecord& before = document.Record(i);
        if (before.Depth() == 0 && !before.IsGroup() && OneSpaced(before.Selector) == selector)
            ++edit.Occurrence;
    }
    return edit;
}

void Preview::RefreshViewExecute() {
    // Composing commits the text view first.
    editor_.ComposeCSS();
    const StyleDocument& document = editor_.Document();
    const std::string& file = document.FileName;
    if (file.empty() || (!FileExists(file) && !MayWriteAgain(file)))
        return;
    notAgain_.clear();
    if (!MayWriteOverFile(document, dialogs_))
        return;
    // Rewritten on every refresh, so it is not waited onto the disk like a save; the
    // replacement is still atomic.
    if (auto error = WriteSheetText(editor_.Files(), file, document.SheetText, WriteMode::Quick)) {
        dialogs_.Show({"Tesselo", messages::CannotWrite(file, *error), MessageIcon::Error,
                       MessageButtons::Ok});
        return;
    }
    editor_.FileWritten(true);
    if (!PreviewShowing)
        return;
    computed_ = {};
    if (FullReload) {
        browser_.Reload();
        forced_.clear(); // the element picked is gone with its page
    } else {
        // A page that took the rule ahead of its file keeps its sheet, unreloaded.
        if (appliedAhead_)
            browser_.SheetWrittenAfterApply(file);
        else
            browser_.SheetWritten(file);
        // The rules of the forced states as they are now.
        if (!forced_.empty())
            browser_.ForceStates(forced_, ForcedStateSheet(document, forced_, BlockOf()));
    }
}

bool Preview::MayWriteAgain(const std::string& file) {
    std::error_code ec;
    // Something else than a file in its place (a folder) is left alone.
    if (std::filesystem::exists(std::filesystem::symlink_status(file, ec)) ||
        (file == notAgain_ && editor_.Document().DiskStamp == notAgainStamp_))
        return false;
    const Answer answer = dialogs_.Show(
        {"Tesselo", messages::FileGone(file), MessageIcon::Exclamation, MessageButtons::YesNo});
    if (answer == Answer::Yes)
        return true;
    notAgain_ = file;
    notAgainStamp_ = editor_.Document().DiskStamp;
    return false;
}

void Preview::NotifyChange() {
    if (AutoRefresh)
        RefreshViewExecute();
}

void Preview::PreviewShown() {
    PreviewShowing = true;
    RefreshViewExecute();
}

void Preview::PickElementExecute(bool on) {
    Picking = on;
    if (!on) {
        picking_.clear();
        browser_.StopPicking();
        return;
    }
    picking_ = PickTargets(editor_.Document());
    std::vector<PageRule> rules;
    rules.reserve(picking_.size());
    const StyleDocument& document = editor_.Document();
    for (const PickTarget& target : picking_)
        rules.push_back({target.Test.Text, target.Media,
                         DeclaresInheritedProperty(document.Record(target.Record).BlockText())});
    browser_.StartPicking(rules);
}

std::string Preview::ElementPicked(const PickedElement& element) {
    Picking = false;
    int matching = 0;
    int last = -1;
    bool statesLeftOut = false;
    picked_.clear();
    pickedAmong_ = editor_.Document().StyleCount();
    facts_ = element.Facts;
    // The page dropped the states it forced on the element picked before.
    forced_.clear();
    computed_ = {};
    ancestors_.clear();
    for (const PickedAncestor& ancestor : element.Ancestors) {
        ElementAncestor& records = ancestors_.emplace_back(ElementAncestor{ancestor.Name, {}});
        for (const int match : ancestor.Matches)
            if (match >= 0 && static_cast<size_t>(match) < picking_.size())
                records.Records.push_back(picking_[static_cast<size_t>(match)].Record);
    }
    for (const int match : element.Matches) {
        if (match < 0 || static_cast<size_t>(match) >= picking_.size())
            continue;
        ++matching;
        picked_.push_back(picking_[static_cast<size_t>(match)].Record);
        last = std::max(last, match);
        statesLeftOut = statesLeftOut || picking_[static_cast<size_t>(match)].Test.StatesLeftOut;
    }
    // The rules may have changed since the pick began; a record gone is not selected.
    if (last >= 0 && picking_[static_cast<size_t>(last)].Record < editor_.Document().StyleCount())
        editor_.Select(picking_[static_cast<size_t>(last)].Record);
    picking_.clear();
    otherSheets_ = tesselo::OtherSheetsOfPick(element.Sheets, editor_.Document().FileName);
    return PickedText(ElementName(element.Tag, element.Id, element.Classes), matching,
                      statesLeftOut) +
           OtherSheetsText(otherSheets_);
}

std::optional<ElementFacts> Preview::FactsForRule(int row) const {
    if (pickedAmong_ != editor_.Document().StyleCount() ||
        std::find(picked_.begin(), picked_.end(), row) == picked_.end())
        return std::nullopt;
    return facts_;
}

std::vector<int> Preview::Styling(const std::vector<int>& records) const {
    const StyleDocument& document = editor_.Document();
    // A rule of a state or a pseudo-element does not style the element as it is,
    // unless the states it names are all forced.
    std::vector<int> styling;
    for (int record : records)
        if (record < document.StyleCount() &&
            !SelectorForPage(WithForcedStates(document.Record(record).Selector, forced_))
                 .StatesLeftOut)
            styling.push_back(record);
    return styling;
}

std::vector<CascadeRule> Preview::PickedCascade() const {
    // Rows shift when rules come or go: the pick no longer names them.
    if (pickedAmong_ != editor_.Document().StyleCount())
        return {};
    return CascadeOf(editor_.Document(), Styling(picked_));
}

std::vector<InheritedSection> Preview::InheritedCascade() const {
    if (pickedAmong_ != editor_.Document().StyleCount())
        return {};
    std::vector<ElementAncestor> ancestors;
    for (const ElementAncestor& ancestor : ancestors_)
        ancestors.push_back({ancestor.Name, Styling(ancestor.Records)});
    return InheritedCascadeOf(editor_.Document(), Styling(picked_), ancestors);
}

void Preview::AskComputedValues() {
    if (!HasPicked())
        return;
    std::vector<std::string> properties;
    auto add = [&](const std::vector<CascadeRule>& rules) {
        for (const CascadeRule& rule : rules)
            for (const CascadeDeclaration& declaration : rule.Declarations) {
                // A custom property's name keeps its case; the others are the page's in
                // lower case.
                std::string name = declaration.Property.starts_with("--")
                                       ? declaration.Property
                                       : LowerAscii(declaration.Property);
                if (std::find(properties.begin(), properties.end(), name) == properties.end())
                    properties.push_back(std::move(name));
            }
    };
    add(PickedCascade());
    for (const InheritedSection& section : InheritedCascade())
        add(section.Rules);
    computed_ = {ComputedAnswer::State::Known, properties, {}};
    if (properties.empty())
        return;
    computed_.Now = ComputedAnswer::State::Asked;
    browser_.AskComputedValues(++computedRequest_, properties);
}

void Preview::ComputedValuesFound(int request, const std::vector<ComputedValue>& values) {
    // An answer to an earlier question, or one come after its time, says nothing now.
    if (request != computedRequest_ || computed_.Now != ComputedAnswer::State::Asked)
        return;
    computed_.Now = ComputedAnswer::State::Known;
    computed_.Values = values;
}

void Preview::ComputedValuesTimedOut() {
    if (computed_.Now == ComputedAnswer::State::Asked)
        computed_.Now = ComputedAnswer::State::NoAnswer;
}

std::vector<PageSheetChoice> Preview::PageSheetChoices() const {
    return tesselo::PageSheetChoices(pageSheets_, editor_.Document().FileName);
}

void Preview::ForceState(const std::string& state, bool on) {
    const auto at = std::find(forced_.begin(), forced_.end(), state);
    if (on == (at != forced_.end()) || pickedAmong_ < 0)
        return;
    if (on)
        forced_.push_back(state);
    else
        forced_.erase(at);
    computed_ = {};
    browser_.ForceStates(forced_, ForcedStateSheet(editor_.Document(), forced_, BlockOf()));
}

void Preview::SetPageWidth(int width) {
    // A screen's widths: narrower than a small phone or wider than a big screen is a
    // slip of the keys.
    width = width <= 0 ? 0 : std::clamp(width, kNarrowestPage, kWidestPage);
    if (width == pageWidth_)
        return;
    pageWidth_ = width;
    browser_.SetPageWidth(width);
}

std::optional<int> Preview::WidthForCurrentRule() const {
    if (pageWidth_ == 0 || !editor_.HasCurrentStyle())
        return std::nullopt;
    const StyleDocument& document = editor_.Document();
    // Each group around it in turn, from the width found for the one before.
    int width = pageWidth_;
    for (int tries = 0; tries < 8; ++tries) {
        const int group = GroupNotHoldingAt(document, editor_.Current(), width);
        if (group < 0)
            return width == pageWidth_ ? std::nullopt : std::optional<int>(width);
        const auto holds = WidthWhereHolds(document.Record(group).Selector, width);
        if (!holds)
            return std::nullopt;
        width = std::clamp(*holds, kNarrowestPage, kWidestPage);
    }
    return std::nullopt;
}

void Preview::HighlightExecute(bool on) {
    Highlight = on;
    browser_.OutlineElements(on ? OutlinedSelector() : std::string());
}

std::string Preview::ElementsOutlined(int count) const {
    if (!Highlight || OutlinedSelector().empty())
        return {};
    return ElementsShownText(count, std::min(count, kMostOutlined));
}

std::string Preview::OutlinedSelector() const {
    if (!editor_.HasCurrentStyle())
        return {};
    const std::string& selector = editor_.Document().Record(editor_.Current()).Selector;
    return NamesElements(selector) ? SelectorForPage(selector).Text : std::string();
}

void Preview::PreBrowserCommandStateChange(int command, bool enabled) {
    if (command == kCommandForward)
        ForwardEnabled = enabled;
    else if (command == kCommandBack)
        BackEnabled = enabled;
}

} // namespace tesselo
