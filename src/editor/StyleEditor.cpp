#include "editor/StyleEditor.h"

#include "document/SheetComposer.h"
#include "document/TextFile.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationReader.h"
#include "mapping/DeclarationWriter.h"

#include <algorithm>
#include <numeric>

namespace tesselo {

std::string NestedRulesHint() {
    return "Стиль содержит вложенные правила (@media, @supports и подобные): "
           "его текст редактируется только в окне стиля";
}

StyleEditor::StyleEditor(FileReplacer& files, const LineList& installedFamilies)
    : panel_(installedFamilies), files_(files) {
    NewCSS();
}

std::string StyleEditor::Caption() const {
    if (!document_.FileName.empty())
        return WindowCaptionFor(document_.FileName);
    return WindowCaptionFor(untitledNamed_ ? "NoName.css" : "");
}

int StyleEditor::Observe(Observer observer) {
    observers_.emplace_back(++lastObserver_, std::move(observer));
    return lastObserver_;
}

void StyleEditor::Forget(int observer) {
    std::erase_if(observers_, [observer](const auto& entry) { return entry.first == observer; });
}

void StyleEditor::Announce(SessionChange::Kind what, bool refreshes, bool textWritten) {
    const SessionChange change{what, current_, refreshes, textWritten};
    // An observer may refresh, and a refresh announces the write: the list is copied.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        observer(change);
}

void StyleEditor::CommitText() {
    if (!HasCurrentStyle())
        return;
    // Typing has made the document modified already: a commit after a save, with the
    // text view still showing the typed text, is no new change.
    if (memo_.Edited)
        MarkCurrentEdited();
    document_.ReplaceLines(current_, memo_.Lines);
}

void StyleEditor::Load(int row) {
    if (row < 0 || row >= document_.StyleCount())
        row = 0;
    memo_.Lines = document_.Record(row).Lines();
    current_ = row;
    nested_ = HoldsNestedRules(memo_.Lines);
    if (nested_) {
        memo_.Edited = false;
        ClearPanel(panel_);
    } else {
        ReadDeclarations(panel_, memo_);
    }
}

void StyleEditor::Select(int row) {
    if (document_.StyleCount() == 0)
        return;
    CommitText();
    Load(row);
    Announce(SessionChange::Kind::Select);
}

void StyleEditor::UserChangedStyle() {
    document_.Modified = true;
    MarkCurrentEdited();
}

void StyleEditor::MarkCurrentEdited() {
    if (HasCurrentStyle())
        document_.MarkEdited(current_);
}

void StyleEditor::TypeText(LineList lines) {
    if (!HasCurrentStyle())
        return;
    memo_.Lines = std::move(lines);
    memo_.Edited = true;
    UserChangedStyle();
    Announce(SessionChange::Kind::Type);
}

void StyleEditor::PushTextToPanel() {
    if (document_.StyleCount() == 0)
        return;
    UserChangedStyle();
    CommitText();
    Load(current_);
    Announce(SessionChange::Kind::PushText);
}

void StyleEditor::ApplyPanelChange(PanelEffects effects) {
    // A rule with nested rules is not the panel's; the page may still be refreshed.
    if (nested_ && (effects.Modifies || effects.Writes))
        return;
    if (effects.Modifies)
        UserChangedStyle();
    else if (effects.Writes)
        MarkCurrentEdited(); // or the rewritten text would never reach the file
    if (effects.Writes)
        WriteDeclarations(panel_, memo_);
    Announce(SessionChange::Kind::Panel, effects.Refreshes, effects.Writes);
}

void StyleEditor::AddRule(const std::string& selector) {
    document_.AddStyleRecord(selector);
    document_.Modified = true;
    CommitText();
    Load(document_.StyleCount() - 1);
    Announce(SessionChange::Kind::NewRule);
}

void StyleEditor::Rename(int row, const std::string& selector) {
    if (row < 0 || row >= document_.StyleCount())
        return;
    document_.SetSelector(row, selector);
    document_.Modified = true;
    Announce(SessionChange::Kind::Rename, true);
}

void StyleEditor::RemoveCurrent() {
    if (document_.StyleCount() <= 1 || !HasCurrentStyle())
        return;
    document_.RemoveRecord(current_);
    document_.Modified = true;
    Load(std::min(current_, document_.StyleCount() - 1));
    Announce(SessionChange::Kind::Remove, true);
}

void StyleEditor::MoveCurrent(int to) {
    if (!HasCurrentStyle() || to < 0 || to >= document_.StyleCount() || to == current_)
        return;
    // The working text stays in the view and follows its style.
    document_.MoveRecord(current_, to);
    current_ = to;
    document_.Modified = true;
    Announce(SessionChange::Kind::Move, true);
}

void StyleEditor::Sort(const std::function<bool(const std::string&, const std::string&)>& less) {
    std::vector<int> order(static_cast<size_t>(document_.StyleCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return less(document_.Record(a).Selector, document_.Record(b).Selector);
    });
    document_.ApplyOrder(order);
    if (current_ >= 0)
        current_ =
            static_cast<int>(std::find(order.begin(), order.end(), current_) - order.begin());
    document_.Modified = true;
    Announce(SessionChange::Kind::Sort, true);
}

void StyleEditor::ClearCurrent() {
    memo_.Lines.clear();
    ReadDeclarations(panel_, memo_);
    nested_ = false;
    MarkCurrentEdited();
    Announce(SessionChange::Kind::Clear);
}

void StyleEditor::ComposeCSS() {
    CommitText();
    document_.SheetText = ComposeSheet(document_, *progress_);
}

void StyleEditor::NewCSS() {
    document_.NewCSS();
    memo_ = TextView{};
    nested_ = false;
    current_ = 0;
    untitledNamed_ = true;
    ClearPanel(panel_);
    Announce(SessionChange::Kind::Document);
}

void StyleEditor::StartBlank() {
    NewCSS();
    untitledNamed_ = false;
}

void StyleEditor::Opened() {
    memo_ = TextView{};
    nested_ = false;
    current_ = -1;
    // Nothing of the previous document may be committed into the new records.
    if (document_.StyleCount() > 0)
        Load(0);
    else
        ClearPanel(panel_);
    document_.Modified = false;
    Announce(SessionChange::Kind::Document);
}

std::optional<LoadFailure> StyleEditor::LoadCSSFile(const std::string& path, bool writeBackup) {
    SheetFile sheet;
    if (auto failure = ReadSheetFile(path, sheet, *progress_))
        return LoadFailure{LoadFailure::Kind::CannotRead, failure->Reason, failure->Refusal};
    if (writeBackup) {
        // Opening for editing: what a crashed write left beside the sheet goes.
        RemoveLeftoverTemporaryFiles(path);
        // Byte for byte: discarding changes puts this copy back as the file.
        if (auto error = WriteFileBytes(files_, BackupCopyName(path), sheet.Raw))
            return LoadFailure{LoadFailure::Kind::CannotWriteBackup, *error};
    }

    document_.LineEnd = std::string(sheet.Text.LineEnd());
    document_.ByteOrderMark = sheet.Text.ByteOrderMark();
    document_.Encoding = sheet.Encoding;
    document_.SheetText = std::move(sheet.Text);
    document_.ReplaceRecords(std::move(sheet.Rules.Records), std::move(sheet.Rules.Tail));
    document_.FileName = path;
    document_.FileRewritten = false;
    document_.DiskStamp = StampOf(path);
    Opened();
    return std::nullopt;
}

void StyleEditor::TakeDocument(StyleDocument document) {
    document_ = std::move(document);
    document_.Modified = false;
    memo_ = TextView{};
    nested_ = false;
    current_ = -1;
    ClearPanel(panel_);
    Announce(SessionChange::Kind::Document);
}

void StyleEditor::FileWritten(bool byRefresh) {
    document_.FileRewritten = byRefresh;
    document_.DiskStamp = StampOf(document_.FileName);
    Announce(SessionChange::Kind::Disk);
}

void StyleEditor::MarkSaved() {
    document_.Modified = false;
    Announce(SessionChange::Kind::Disk);
}

void StyleEditor::MoveToFile(const std::string& path, std::optional<FileStamp> stamp) {
    document_.FileName = path;
    document_.DiskStamp = std::move(stamp);
    Announce(SessionChange::Kind::Disk);
}

} // namespace tesselo
