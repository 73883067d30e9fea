#pragma once

// The editing session without a window: the open document, the current rule's text
// view (CSSMemo), the panel's property set and the one current index. Its operations
// are the only road for each kind of change, and each change is announced once to the
// session's observers: the window shows it, the preview follows it.

#include "document/FileReplacer.h"
#include "document/RecordChange.h"
#include "document/SheetReader.h"
#include "document/StyleDocument.h"
#include "document/TextSplice.h"
#include "document/UserDialogs.h"
#include "editor/BlockFrame.h"
#include "mapping/BlockRewriter.h"
#include "mapping/PropertySet.h"
#include "mapping/SheetHabits.h"
#include "mapping/TextView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tesselo {

struct LoadFailure {
    enum class Kind { CannotRead, CannotWriteBackup } What;
    std::string Reason; // the system's message
    ReadRefusal Refusal = ReadRefusal::None;
};

// What a panel control's change did.
struct PanelEffects {
    bool Modifies = false;  // a change to save: the document is modified, the rule edited
    bool Writes = false;    // the rule's text is written anew from the property set
    bool Refreshes = false; // the page follows it (automatic refresh)
};

struct EditStep;

// One announced change.
struct SessionChange {
    enum class Kind {
        Select,   // another rule is current (or the same one read again)
        Type,     // typing into the text view
        Panel,    // a panel control
        PushText, // the text view pushed into the panel
        Rename,
        Remove,
        Move,
        Sort,
        NewRule,
        Clear,    // the current rule's text cleared
        Commit,   // the text typed into the view stored into its rule
        Document, // a document opened or made new: everything is new
        Disk,     // the file was written or renamed; the rules are as they were
        Undo,     // a step taken back
        Redo,     // a step taken back done again
    };
    Kind What;
    int Row = -1;             // the current rule after the change
    bool Refreshes = false;   // the page should follow
    bool TextWritten = false; // the text view was written anew from the property set
    // What the change did to the rules, to take it back; none for a change that is no
    // step (selecting, typing, opening, saving, undoing).
    std::shared_ptr<const EditStep> Step;
};

// A change of one rule where it stands, kept as what changed in it.
struct RowChange {
    int Row = 0;
    RecordChange Change;
};

// The text view a step leaves, kept as what it holds beside the lines its rule gives it:
// nothing when it shows the rule as stored, the lines that differ when the panel wrote
// or the user typed what is not stored yet.
struct StepView {
    bool EditorLayout = false; // the rule's lines were given in the editor's layout
    TextSplice<LineList> FromRule;
    bool Edited = false;
};

// What a change did to the rules, enough to take it back and to do it again. Steps are
// taken back in the reverse order they were made, and done again in the order they
// were taken back. A step keeps what changed, not the rules it changed: rules changed
// in their places keep the changed middle of their texts, and only rows that come or
// go are kept whole.
struct EditStep {
    SessionChange::Kind What;
    int At = 0; // the first row the change replaced
    // The text the session stored into its rules without a step (the panel's text, when
    // the view was committed) after the step before this one: taken back with that step.
    std::vector<RowChange> Stored;
    std::vector<RowChange> Changes;  // the rules changed in their places, in order
    std::vector<StyleRecord> Before; // rows At... before the change, when rows came or went
    std::vector<StyleRecord> After;  // the rows in their place after it
    std::vector<int> Order;          // a new order instead: row i held record Order[i]
    // With a new order: the rows [ShiftAt, ShiftAt + ShiftCount) of the new order went
    // Shift groups deeper (a rule moved into another group).
    int ShiftAt = 0;
    int ShiftCount = 0;
    int Shift = 0;
    std::optional<std::string> TailBefore; // the text after the last rule, when changed
    std::optional<std::string> TailAfter;
    int CurrentBefore = -1;
    int CurrentAfter = -1;
    StepView ViewBefore;
    StepView ViewAfter;

    // The rows stay where they are: the step changed rules in their places.
    bool InPlace() const { return Order.empty() && Before.empty() && After.empty(); }
    // The memory the step holds, itself included.
    size_t Bytes() const;
};

// `first` and then `next`, made right after it, as one step (a gesture); none when
// either added, removed or moved rows.
std::shared_ptr<const EditStep> JoinSteps(const EditStep& first, const EditStep& next);

// How many of the oldest steps of a history of steps of `sizes` bytes go so that the
// rest fit in `budget`: only steps done (the first `done`), never the last of them, and
// down to three quarters of the budget, so that a history at its budget does not let
// steps go at every new one.
size_t StepsOverBudget(const std::vector<size_t>& sizes, size_t done, size_t budget);

class StyleEditor {
public:
    // Every write of the session and of its commands goes through `files`.
    explicit StyleEditor(FileReplacer& files, const LineList& installedFamilies = {});

    // Each change is announced once to every observer, in the order they came. An
    // observer that goes before the session forgets itself by the number it was given.
    using Observer = std::function<void(const SessionChange&)>;
    int Observe(Observer observer);
    void Forget(int observer);

    const StyleDocument& Document() const { return document_; }
    const TextView& Memo() const { return memo_; }
    const PropertySet& Panel() const { return panel_; }
    FileReplacer& Files() const { return files_; }
    // The rule whose text is in the text view and in the panel; -1 for none.
    int Current() const { return current_; }
    bool HasCurrentStyle() const { return current_ >= 0 && current_ < document_.StyleCount(); }
    // The current rule holds nested rules: its text is edited as text only.
    bool NestedCurrent() const { return nested_; }
    // The current row is a group (@media and its kin): it has no text of its own; its
    // rules are rows of their own.
    bool GroupCurrent() const { return HasCurrentStyle() && document_.Record(current_).IsGroup(); }
    // The window's caption: the file's name; "NoName.css" for a new document, nothing
    // before the first document.
    std::string Caption() const;

    // Stores the text view into the current record. The record counts as edited when
    // the user changed it: by hand in the text view or through the panel. Text typed by
    // hand that changes the record is a step of its own. Text that would break out of
    // the rule (a "}" that ends it, a bracket, quote or comment left open) is refused
    // with a message: it stays in the view, nothing is stored, and false is returned.
    bool CommitText();

    // Commits, then makes `row` current: its lines go into the text view and are read
    // into the panel. A record that holds nested rules is shown as it is, with the
    // panel reset and out of use. A row out of range selects the first; does nothing
    // in an empty document. When the commit refuses the text, the rule stays current.
    void Select(int row);

    // The user typed into the text view: it holds the lines, and the change counts as
    // any change of the style. Without a current record nothing is taken.
    void TypeText(LineList lines);
    // The text view pushed into the panel: the document is modified, the record edited,
    // the text stored and read back; refused as a commit is, nothing changes.
    void PushTextToPanel();

    // A panel control's change: `edit` (none for a change already shown) changes the
    // property set, and `effects` say what that did. A rule with nested rules is not the
    // panel's: a change that would modify or write it is not taken into the rule.
    using PanelEdit = std::function<void(PropertySet&)>;
    void ChangePanel(const PanelEdit& edit, PanelEffects effects);
    // What the panel shows and the rule does not hold yet (which border side is shown, a
    // caption in an empty field, a number being stepped or typed): nothing is announced
    // and nothing written, until a change says what it did.
    void ShowInPanel(const PanelEdit& edit) { edit(panel_); }
    // The controls built from the catalogue of properties and the rows of the page of
    // all the rule's properties: each change is made in the current rule's text as it
    // is written, checked to change nothing else the rule says, and is one step. False
    // when it is not made (no rule, nested rules, a value that would run out of its
    // declaration, a change that would change another property): nothing is written.
    bool SetProperty(std::string_view property, std::string_view value);
    bool RemoveProperty(std::string_view property);
    // The declaration at `index` (in ParseBlock's order of CurrentBlock()) takes the
    // value and the priority; false when it is no more there.
    bool SetDeclaration(size_t index, std::string_view value, bool important);
    bool RemoveDeclaration(size_t index);
    // A declaration added after the last one, whatever the rule already says.
    bool AddDeclaration(std::string_view property, std::string_view value);
    // The current rule's block as the text view holds it now; empty without a rule.
    std::string CurrentBlock() const;

    // Blocks of several rules replaced as one step, each rule where it stands: a
    // variable's value set where it is defined, a variable renamed over the sheet. The
    // current rule's text is committed first and follows the change. False when nothing
    // is taken: a commit refused, a row out of range, a group, or no block that changes.
    bool ReplaceBlocks(const std::vector<std::pair<int, std::string>>& blocks);
    // Declaration `index` (in ParseBlock's order) of rule `row` takes the value, the rest
    // of the rule as it was: how a variable is set where it is defined. False when the
    // declaration is no more there or the value would run out of it.
    bool SetDeclarationOf(int row, size_t index, std::string_view value);
    // Every definition of the variable `from` and every var() of it, in every rule, named
    // `to`, as one step; how many places changed (0: none, nothing done).
    size_t RenameVariable(std::string_view from, std::string_view to);

    // The sheet's encoding, for the captions the panel shows.
    void UsePanelEncoding() { panel_.UseEncoding(document_.Encoding); }

    // The editor's own layout: the panel writes the whole rule anew in its lines (";"
    // first, capitalised names, the unsupported declarations below the marker line),
    // and the text view shows that. Off, the rule is its author's text, shown as
    // written, and a panel change edits only the declarations it changes.
    bool EditorLayout() const { return editorLayout_; }
    // Commits the text view and shows the current rule again in the chosen way.
    void UseEditorLayout(bool on);

    // The style list's operations. Rows and records move together; a record's source
    // and edited mark travel with it, so moving a rule never rewrites it. A group
    // moves and goes with its rules.
    // A new rule goes after the current row, in its group; into a current group, at
    // its end. A selector that would break out of its place (SelectorBreak) is not
    // taken; the style list's commands tell the user why.
    void AddRule(const std::string& selector);
    void Rename(int row, const std::string& selector);
    // Removes the current rule, or group with its rules, its working text with it; the
    // next one is current. The last rule of the sheet stays.
    void RemoveCurrent();
    // The current row moves into the group of row `to`, in its place: before it when
    // it stood above, after it (and its rules) when it stood below.
    void MoveCurrent(int to);
    // The current row moves into `group`, as its first row.
    void MoveCurrentInto(int group);
    // Sorts the rules of each group, and of the top, among themselves with a stable
    // sort by `less` over their selectors; groups keep their places.
    void Sort(const std::function<bool(const std::string&, const std::string&)>& less);
    // The current record is written anew from now on, without the document counting
    // as modified.
    void MarkCurrentEdited();
    // The current rule's text is gone: it is composed anew, though the command alone
    // does not count as a change to save.
    void ClearCurrent();

    // Composes the whole sheet into the document's SheetText, after committing the text
    // view; the panel is not read back.
    void ComposeCSS();

    // The new document: the single empty style "Body", a reset panel.
    void NewCSS();
    // The same before a file is opened at start-up: the caption names no file.
    void StartBlank();
    // Opens a style sheet: reads it into a new document first and swaps it in only on
    // success, so a failure leaves the open document exactly as it was. The backup
    // copy is written before the swap when asked for, after the temporary files a
    // crashed write left of the sheet are removed; a failed write also changes
    // nothing. Without the backup copy nothing on disk is touched. `encoding`, when
    // given, is the one the user chose to read the file in.
    std::optional<LoadFailure> LoadCSSFile(const std::string& path, bool writeBackup = true,
                                           std::optional<SheetEncoding> encoding = std::nullopt);
    // Takes a document made elsewhere as the open one, unmodified, with no rule current
    // yet: the first select commits nothing.
    void TakeDocument(StyleDocument document);

    // Takes a step back, or does it again: the rules, the tail, the current rule and its
    // text are as they were after (before) it, and the panel reads that text.
    void Undo(const EditStep& step);
    void Redo(const EditStep& step);
    // The text view as it was before `step`, the session standing where the step left
    // it; none for a step that added, removed or moved rows.
    std::optional<TextView> ViewBefore(const EditStep& step) const;

    // The file on disk: written by a refresh (`byRefresh`) or by saving, the file now
    // as the session last wrote it.
    void FileWritten(bool byRefresh);
    // Saved: nothing is left to save.
    void MarkSaved();
    // Away from the text as last saved again (a step taken back past a save).
    void MarkModified();
    // The document belongs to another file from now on, last written as `stamp`.
    void MoveToFile(const std::string& path, std::optional<FileStamp> stamp);

    // Where opening and composing tell how far they are; nobody until told.
    void UseProgress(ProgressReport& progress) { progress_ = &progress; }
    ProgressReport& Progress() const { return *progress_; }
    // Who is told why a text is refused; nobody until told.
    void UseDialogs(UserDialogs& dialogs) { dialogs_ = &dialogs; }

private:
    // Loads `row` without committing what the text view holds.
    void Load(int row);
    // The panel reads the text view; in the author's text the view keeps what it shows
    // and the writer's layout of it is kept to compare the next change with.
    void ReadPanelFromMemo();
    // The panel's change made in the author's text of the current rule.
    void WriteAuthored();
    // The block of the current rule with the writer's change from `layout_` to `after`.
    std::string SplicedBlock(const std::string& block, const LineList& after);
    BlockContext ContextOfCurrent();
    // Makes `edit` of the current block a step of the panel; false when it gives nothing.
    bool EditBlock(const std::function<std::optional<std::string>(const std::string&,
                                                                  const BlockContext&)>& edit);
    const SheetHabits& Habits();
    void UserChangedStyle();
    void Announce(SessionChange::Kind what, bool refreshes = false, bool textWritten = false,
                  std::shared_ptr<const EditStep> step = {});
    // A step in the making: what the change starts from, whole, until FinishStep keeps
    // what the change changed.
    struct StepDraft {
        SessionChange::Kind What;
        int At = 0;
        std::vector<StyleRecord> Before;
        std::vector<int> Order;
        int ShiftAt = 0;
        int ShiftCount = 0;
        int Shift = 0;
        std::optional<std::string> TailBefore;
        std::optional<std::string> TailAfter;
        int CurrentBefore = -1;
        TextView MemoBefore;
        LineList RuleLines; // what the current rule gave the text view
        bool EditorLayout = false;
    };
    // The step of a change to the rows [at, at + count), as they are before it.
    std::shared_ptr<StepDraft> BeginStep(SessionChange::Kind what, int at, int count) const;
    // The rows [At, At + count) after the change; none when the change changed nothing.
    std::shared_ptr<const EditStep> FinishStep(std::shared_ptr<StepDraft> step, int count);
    // Stores the text view into the current record; whether the record changed.
    // `beforeStoring` is called once the record is about to change.
    bool StoreText(const std::function<void()>& beforeStoring = {});
    // Stores the text view as the panel wrote it, without a step: the next step keeps
    // what that changed, and taking a step back takes it back first.
    void StoreWithoutStep();
    // Takes back what was stored without a step since the session last stood at a step.
    void TakeBackStored();
    // The lines the text view is given for `row` as it stands; none without a rule.
    LineList RuleLines(int row, bool editorLayout) const;
    // The view a step left, on the rule `row` as the step left it.
    TextView ViewOf(const StepView& view, int row) const;
    // The state a step leaves: its rule current, its text in the view, read by the panel.
    void Show(int current, const TextView& memo);
    // A document swapped in: nothing of the previous one is current or committed.
    void Opened();
    // The row where AddRule puts a new rule, and how deep.
    std::pair<int, int> NewRulePlace() const;
    // Moves the current row and its rules to row `at` of the rows left without them,
    // `depth` groups deep.
    void MoveCurrentTo(int at, int depth);

    StyleDocument document_;
    TextView memo_;
    // The text view as it was when the typing not yet stored began: a commit taken back
    // shows it again.
    LineList shown_;
    bool shownEdited_ = false;
    bool typing_ = false;
    PropertySet panel_;
    FileReplacer& files_;
    int current_ = -1;
    bool nested_ = false;
    bool untitledNamed_ = true; // a new document is called "NoName.css" in the caption
    bool editorLayout_ = false;
    BlockFrame frame_; // what the text view leaves out of the current rule's block
    LineList layout_;  // the writer's layout of the current rule as the panel holds it
    // Reads texts to compare what they mean; both sides are read alike, so it needs no
    // font lists, which would cost the start.
    PropertySet scratch_;
    // What the panel reads in the current block and in `layout_`, once known: the value
    // of every property it shows, as compared.
    using Meaning = std::array<std::optional<std::string>, kSlotCount>;
    std::optional<Meaning> blockMeaning_;
    std::optional<Meaning> layoutMeaning_;
    std::optional<SheetHabits> habits_; // learned from the sheet when first needed
    // What the session stored without a step since it last stood at a step: the next
    // step keeps it, a step taken back takes it back.
    std::vector<RowChange> stored_;
    std::vector<std::pair<int, Observer>> observers_;
    int lastObserver_ = 0;
    ProgressReport* progress_ = &NoProgress();
    UserDialogs* dialogs_ = nullptr;
};

// The status line's text while a record with nested rules is current.
std::string NestedRulesHint();
// The status line's text while a group row is current.
std::string GroupRowHint();
// The conditions of the groups that hold the current row, outermost first, in the
// sheet's bytes.
std::vector<std::string> GroupsOfCurrent(const StyleEditor& editor);
// What a current group holds: "В группе 3 стиля".
std::string GroupRulesText(int rules);
// The rules in group `row` and in the groups inside it.
int RulesInGroup(const StyleDocument& document, int row);

} // namespace tesselo
