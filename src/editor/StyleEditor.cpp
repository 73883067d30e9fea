#include "editor/StyleEditor.h"

#include "document/SheetComposer.h"
#include "document/TextFile.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationReader.h"
#include "mapping/DeclarationWriter.h"
#include "mapping/EditPlanner.h"
#include "mapping/RuleProperties.h"
#include "mapping/SelectorCheck.h"
#include "mapping/SheetVariables.h"

#include <algorithm>

namespace tesselo {

std::string NestedRulesHint() {
    return "Стиль содержит вложенные правила (@keyframes, вложенные селекторы и подобные): "
           "его текст редактируется только в окне стиля";
}

std::string GroupRowHint() {
    return "Группа правил: ее стили - строки под ней. F2 - изменить условие группы";
}

std::vector<std::string> GroupsOfCurrent(const StyleEditor& editor) {
    std::vector<std::string> groups;
    if (!editor.HasCurrentStyle())
        return groups;
    const StyleDocument& document = editor.Document();
    for (int group = document.ParentOf(editor.Current()); group >= 0;
         group = document.ParentOf(group))
        groups.insert(groups.begin(), document.Record(group).Selector);
    return groups;
}

int RulesInGroup(const StyleDocument& document, int row) {
    int rules = 0;
    for (int i = row + 1; i < document.SubtreeEnd(row); ++i)
        rules += document.Record(i).IsGroup() ? 0 : 1;
    return rules;
}

std::string GroupRulesText(int rules) {
    return "В группе " + std::to_string(rules) + " " +
           std::string(PluralOf(rules, "стиль", "стиля", "стилей"));
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

void StyleEditor::Announce(SessionChange::Kind what, bool refreshes, bool textWritten,
                           std::shared_ptr<const EditStep> step) {
    const SessionChange change{what, current_, refreshes, textWritten, std::move(step)};
    // An observer may refresh, and a refresh announces the write: the list is copied.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        observer(change);
}

size_t EditStep::Bytes() const {
    size_t bytes = sizeof(EditStep);
    for (const auto* changes : {&Stored, &Changes}) {
        bytes += changes->capacity() * sizeof(RowChange);
        for (const RowChange& change : *changes)
            bytes += change.Change.Bytes() - sizeof(RecordChange);
    }
    for (const auto* records : {&Before, &After}) {
        bytes += records->capacity() * sizeof(StyleRecord);
        for (const StyleRecord& record : *records)
            bytes += record.Bytes() - sizeof(StyleRecord);
    }
    bytes += Order.capacity() * sizeof(int);
    for (const auto* tail : {&TailBefore, &TailAfter})
        if (*tail)
            bytes += HeldBytes(**tail) - sizeof(std::string);
    for (const auto* view : {&ViewBefore, &ViewAfter})
        bytes += view->FromRule.Bytes() - sizeof(view->FromRule);
    return bytes;
}

std::shared_ptr<const EditStep> JoinSteps(const EditStep& first, const EditStep& next) {
    if (!first.InPlace() || !next.InPlace())
        return nullptr;
    auto joined = std::make_shared<EditStep>(first);
    // What was stored between the two is the gesture's too.
    joined->Changes.insert(joined->Changes.end(), next.Stored.begin(), next.Stored.end());
    joined->Changes.insert(joined->Changes.end(), next.Changes.begin(), next.Changes.end());
    if (next.TailAfter)
        joined->TailAfter = next.TailAfter;
    joined->CurrentAfter = next.CurrentAfter;
    joined->ViewAfter = next.ViewAfter;
    return joined;
}

size_t StepsOverBudget(const std::vector<size_t>& sizes, size_t done, size_t budget) {
    size_t total = 0;
    for (size_t size : sizes)
        total += size;
    if (total <= budget)
        return 0;
    const size_t goal = budget / 4 * 3;
    size_t gone = 0;
    while (gone + 1 < std::min(done, sizes.size()) && total > goal)
        total -= sizes[gone++];
    return gone;
}

namespace {

// The lines a rule gives the text view, as Load gives them.
LineList ViewLines(const StyleRecord& record, bool editorLayout) {
    if (editorLayout)
        return record.Lines();
    BlockFrame frame;
    return FramedLines(record.BlockText(), frame);
}

} // namespace

LineList StyleEditor::RuleLines(int row, bool editorLayout) const {
    if (row < 0 || row >= document_.StyleCount())
        return {};
    return ViewLines(document_.Record(row), editorLayout);
}

TextView StyleEditor::ViewOf(const StepView& view, int row) const {
    TextView memo{RuleLines(row, view.EditorLayout), view.Edited};
    view.FromRule.Redo(memo.Lines);
    return memo;
}

std::shared_ptr<StyleEditor::StepDraft> StyleEditor::BeginStep(SessionChange::Kind what, int at,
                                                               int count) const {
    auto step = std::make_shared<StepDraft>();
    step->What = what;
    step->At = at;
    for (int i = at; i < at + count; ++i)
        step->Before.push_back(document_.Record(i));
    step->CurrentBefore = current_;
    step->MemoBefore = memo_;
    step->EditorLayout = editorLayout_;
    step->RuleLines = RuleLines(current_, editorLayout_);
    return step;
}

namespace {

// A rule marked edited whose author's text came out as it was read writes the same
// bytes: marking it is no change the user could take back.
bool WritesAsBefore(const StyleRecord& before, const StyleRecord& now) {
    if (before == now)
        return true;
    return !before.Edited() && now.Edited() && now.BlockReplaced() && now.HasRuleSource() &&
           now.Selector == before.Selector && now.SplicedSource() == before.Source();
}

} // namespace

std::shared_ptr<const EditStep> StyleEditor::FinishStep(std::shared_ptr<StepDraft> draft,
                                                        int count) {
    auto step = std::make_shared<EditStep>();
    step->What = draft->What;
    step->At = draft->At;
    step->Order = std::move(draft->Order);
    step->ShiftAt = draft->ShiftAt;
    step->ShiftCount = draft->ShiftCount;
    step->Shift = draft->Shift;
    step->TailBefore = std::move(draft->TailBefore);
    step->TailAfter = std::move(draft->TailAfter);
    step->CurrentBefore = draft->CurrentBefore;
    step->CurrentAfter = current_;
    // Rules changed in their places keep what changed in each.
    const bool sameRows = step->Order.empty() && static_cast<size_t>(count) == draft->Before.size();
    bool inPlace = sameRows;
    std::vector<RowChange> changes;
    for (int i = 0; inPlace && i < count; ++i) {
        auto change = RecordChange::Between(draft->Before[static_cast<size_t>(i)],
                                            document_.Record(step->At + i));
        if (!change)
            inPlace = false;
        else if (change->Changes())
            changes.push_back({step->At + i, std::move(*change)});
    }
    bool unchanged = sameRows && step->TailBefore == step->TailAfter && draft->MemoBefore == memo_;
    for (int i = 0; unchanged && i < count; ++i) {
        // Compared as the records show and write; on a copy, so that the rule's lines
        // are not cut and kept in the document.
        const StyleRecord now = document_.Record(step->At + i);
        unchanged = WritesAsBefore(draft->Before[static_cast<size_t>(i)], now);
    }
    if (unchanged) {
        // No step, though a record may have changed where nobody sees it.
        for (RowChange& change : changes)
            stored_.push_back(std::move(change));
        return nullptr;
    }
    step->Stored = std::move(stored_);
    stored_.clear();
    if (inPlace) {
        step->Changes = std::move(changes);
    } else {
        step->Before = std::move(draft->Before);
        for (int i = step->At; i < step->At + count; ++i)
            step->After.push_back(document_.Record(i));
    }
    step->ViewBefore = {draft->EditorLayout,
                        TextSplice<LineList>::Between(draft->RuleLines, draft->MemoBefore.Lines),
                        draft->MemoBefore.Edited};
    step->ViewAfter = {
        editorLayout_,
        TextSplice<LineList>::Between(RuleLines(current_, editorLayout_), memo_.Lines),
        memo_.Edited};
    return step;
}

bool StyleEditor::StoreText(const std::function<void()>& beforeStoring) {
    if (!HasCurrentStyle() || GroupCurrent())
        return false;
    const StyleRecord& record = document_.Record(current_);
    if (!editorLayout_) {
        std::string block = BlockOfLines(memo_.Lines, frame_);
        if (block == record.BlockText() && (!memo_.Edited || record.Edited()))
            return false;
        if (beforeStoring)
            beforeStoring();
        if (memo_.Edited)
            MarkCurrentEdited();
        document_.ReplaceBlock(current_, std::move(block));
        return true;
    }
    if (record.Lines() == memo_.Lines && (!memo_.Edited || record.Edited()))
        return false;
    if (beforeStoring)
        beforeStoring();
    // Typing has made the document modified already: a commit after a save, with the
    // text view still showing the typed text, is no new change.
    if (memo_.Edited)
        MarkCurrentEdited();
    document_.ReplaceLines(current_, memo_.Lines);
    return true;
}

namespace {

// Why the text view's text may not be stored into `record`: it would break out of the
// rule. Text the rule already holds is never refused, nor a bracket left open that the
// rule's own text already left open: the sheet is read as it was.
std::optional<std::string> TextRefusal(const TextView& memo, const BlockFrame& frame,
                                       bool editorLayout, const StyleRecord& record,
                                       SheetEncoding encoding) {
    if (record.IsGroup() || memo.Lines.empty())
        return std::nullopt;
    std::string stored;
    if (editorLayout) {
        if (memo.Lines == record.Lines())
            return std::nullopt;
        for (const std::string& line : record.Lines())
            stored += line + '\n';
    } else {
        stored = record.BlockText();
        if (BlockOfLines(memo.Lines, frame) == stored)
            return std::nullopt;
    }
    // The text as it is written, from the view's first line on: the frame's head is
    // blanks, and the tail (a line end, or nothing on a rule of one line) decides whether
    // the last line runs into the rule's "}".
    std::string text;
    for (const std::string& line : memo.Lines) {
        text += line;
        text += '\n';
    }
    text.pop_back();
    text += editorLayout ? std::string_view("\n") : std::string_view(frame.Tail);
    const std::optional<SheetBreak> found = RuleTextBreak(text);
    if (!found)
        return std::nullopt;
    auto bracket = [](const std::optional<SheetBreak>& b) {
        return b &&
               (b->What == SheetBreak::Kind::Parenthesis || b->What == SheetBreak::Kind::Bracket);
    };
    if (bracket(found) && bracket(RuleTextBreak(stored)))
        return std::nullopt;
    return messages::BadRuleText(DescribeBreak(*found, text, encoding));
}

void Tell(UserDialogs* dialogs, const std::string& text) {
    if (dialogs)
        dialogs->Show({"Error", text, MessageIcon::Error, MessageButtons::Ok});
}

} // namespace

bool StyleEditor::CommitText() {
    if (!HasCurrentStyle())
        return true;
    // Typing that came back to the text the view was given is no hand edit.
    if (typing_ && memo_.Lines == shown_) {
        memo_.Edited = shownEdited_;
        typing_ = false;
    }
    if (auto refusal = TextRefusal(memo_, frame_, editorLayout_, document_.Record(current_),
                                   document_.Encoding)) {
        Tell(dialogs_, *refusal);
        return false;
    }
    if (!memo_.Edited) {
        StoreWithoutStep(); // the panel's text: its change was the step
        return true;
    }
    auto step = BeginStep(SessionChange::Kind::Commit, current_, 1);
    // Taken back, the rule shows its text from before the typing.
    if (typing_)
        step->MemoBefore = TextView{shown_, shownEdited_};
    typing_ = false;
    if (StoreText())
        if (auto done = FinishStep(std::move(step), 1))
            Announce(SessionChange::Kind::Commit, false, false, std::move(done));
    return true;
}

void StyleEditor::StoreWithoutStep() {
    const int row = current_;
    std::optional<StyleRecord> before;
    if (!StoreText([&] { before = document_.Record(row); }))
        return;
    if (auto change = RecordChange::Between(*before, document_.Record(row));
        change && change->Changes())
        stored_.push_back({row, std::move(*change)});
}

void StyleEditor::TakeBackStored() {
    for (auto change = stored_.rbegin(); change != stored_.rend(); ++change)
        document_.UndoChange(change->Row, change->Change);
    stored_.clear();
}

void StyleEditor::Load(int row) {
    if (row < 0 || row >= document_.StyleCount())
        row = 0;
    const StyleRecord& record = document_.Record(row);
    typing_ = false;
    if (editorLayout_)
        memo_.Lines = record.Lines();
    else
        memo_.Lines = FramedLines(record.BlockText(), frame_);
    current_ = row;
    nested_ = record.IsGroup() || HoldsNestedRules(memo_.Lines);
    if (nested_) {
        memo_.Edited = false;
        layout_.clear();
        ClearPanel(panel_);
    } else {
        ReadPanelFromMemo();
    }
}

void StyleEditor::ReadPanelFromMemo() {
    blockMeaning_.reset();
    layoutMeaning_.reset();
    if (editorLayout_) {
        ReadDeclarations(panel_, memo_);
        return;
    }
    TextView read{memo_.Lines, false};
    ReadDeclarations(panel_, read);
    layout_ = std::move(read.Lines);
    memo_.Edited = false;
}

namespace {

LineList LinesOfBlock(std::string_view block) {
    LineList lines;
    size_t at = 0;
    for (;;) {
        const size_t next = block.find('\n', at);
        lines.emplace_back(block.substr(at, next == std::string_view::npos ? next : next - at));
        if (next == std::string_view::npos)
            return lines;
        at = next + 1;
    }
}

// What a text means to the panel: the value of every property it shows, with its
// priority, in the form values are compared in.
using Meaning = std::array<std::optional<std::string>, kSlotCount>;

Meaning MeaningOf(PropertySet& scratch, const LineList& lines) {
    ReadPanel(scratch, lines);
    Meaning meaning;
    for (size_t s = 0; s < kSlotCount; ++s) {
        const Slot slot = static_cast<Slot>(s);
        if (auto value = SlotValue(scratch, slot))
            meaning[s] = ComparableValue(*value) + (scratch.Origins[slot].Important ? "!" : "");
    }
    return meaning;
}

// The edited block means what the writer's layout after the change means where the
// change changed something, and what the block meant everywhere else.
bool KeepsMeaning(const Meaning& edited, const Meaning& block, const Meaning& before,
                  const Meaning& after) {
    for (size_t s = 0; s < kSlotCount; ++s)
        if (edited[s] != (before[s] == after[s] ? block[s] : after[s]))
            return false;
    return true;
}

} // namespace

const SheetHabits& StyleEditor::Habits() {
    if (!habits_) {
        constexpr size_t kRulesLookedAt = 2000;
        // Reserved, the blocks stay where they are while the views into them are taken.
        std::vector<std::string> blocks;
        blocks.reserve(kRulesLookedAt);
        std::vector<std::pair<std::string_view, std::string_view>> rules;
        for (int i = 0; i < document_.StyleCount() && blocks.size() < kRulesLookedAt; ++i)
            if (const StyleRecord& record = document_.Record(i); record.HasRuleSource()) {
                blocks.push_back(record.BlockText());
                rules.emplace_back(blocks.back(), record.Indent());
            }
        habits_ = LearnHabits(rules, kRulesLookedAt);
    }
    return *habits_;
}

BlockContext StyleEditor::ContextOfCurrent() {
    BlockContext context;
    const SheetHabits& habits = Habits();
    context.IndentStep = habits.IndentStep;
    context.OneLineRules = habits.OneLineRules;
    const StyleRecord& record = document_.Record(current_);
    if (record.HasRuleSource())
        context.RuleIndent = std::string(record.Indent());
    else
        context.RuleIndent.assign(2 * static_cast<size_t>(record.Depth()), ' ');
    return context;
}

std::string StyleEditor::SplicedBlock(const std::string& block, const LineList& after) {
    const BlockContext context = ContextOfCurrent();
    // The meanings of the block and of the layout before are those found at the last
    // change: a rule may be megabytes long.
    const Meaning was = blockMeaning_ ? *blockMeaning_ : MeaningOf(scratch_, LinesOfBlock(block));
    const Meaning before = layoutMeaning_ ? *layoutMeaning_ : MeaningOf(scratch_, layout_);
    const Meaning now = MeaningOf(scratch_, after);
    layoutMeaning_ = now;
    // The fewest lines first: values in place, a declaration added in front of a last
    // line that holds the "}" too; then added after the last; then every changed one
    // after the last, where nothing in the rule comes after it to override it.
    const std::array<std::pair<EditPlace, bool>, 3> tries = {
        {{EditPlace::InPlace, true}, {EditPlace::InPlace, false}, {EditPlace::AtEnd, false}}};
    for (const auto& [place, beforeClosingLine] : tries) {
        BlockContext tried = context;
        tried.BeforeClosingLine = beforeClosingLine;
        auto edited = PlanBlockEdit(block, layout_, after, tried, Habits(), place);
        if (!edited)
            continue;
        Meaning meaning = *edited == block ? was : MeaningOf(scratch_, LinesOfBlock(*edited));
        if (KeepsMeaning(meaning, was, before, now)) {
            blockMeaning_ = std::move(meaning);
            return *edited;
        }
    }
    blockMeaning_.reset();
    // The change cannot be made in the author's text and mean what the panel shows:
    // the rule takes the editor's layout, which does.
    std::string text = "\n";
    for (const auto& line : after)
        if (!IsUnsupportedComment(line)) // the view's own, never the rule's
            text += context.RuleIndent + context.IndentStep + line + "\n";
    return text + context.RuleIndent;
}

void StyleEditor::WriteAuthored() {
    TextView next{layout_, false};
    WriteDeclarations(panel_, next);
    const std::string block = SplicedBlock(BlockOfLines(memo_.Lines, frame_), next.Lines);
    memo_.Lines = FramedLines(block, frame_);
    memo_.Edited = false;
    layout_ = std::move(next.Lines);
}

std::string StyleEditor::CurrentBlock() const {
    if (!HasCurrentStyle() || GroupCurrent())
        return {};
    if (!editorLayout_)
        return BlockOfLines(memo_.Lines, frame_);
    std::string block;
    for (const auto& line : memo_.Lines)
        if (!IsUnsupportedComment(line)) // the view's own marker, never the rule's
            block += "\n" + line;
    return block + "\n";
}

bool StyleEditor::EditBlock(
    const std::function<std::optional<std::string>(const std::string&, const BlockContext&)>&
        edit) {
    if (!HasCurrentStyle() || GroupCurrent() || nested_)
        return false;
    if (!CommitText())
        return false;
    const std::string block = CurrentBlock();
    BlockContext context = ContextOfCurrent();
    if (editorLayout_) {
        context.RuleIndent.clear();
        context.IndentStep.clear();
        context.OneLineRules = false;
    }
    auto edited = edit(block, context);
    if (!edited)
        return false;
    if (*edited == block)
        return true;
    auto step = BeginStep(SessionChange::Kind::Panel, current_, 1);
    UserChangedStyle();
    if (editorLayout_) {
        memo_.Lines = LinesOfBlock(*edited);
        auto blank = [](const std::string& line) {
            return line.find_first_not_of(" \t\r") == std::string::npos;
        };
        while (!memo_.Lines.empty() && blank(memo_.Lines.front()))
            memo_.Lines.erase(memo_.Lines.begin());
        while (!memo_.Lines.empty() && blank(memo_.Lines.back()))
            memo_.Lines.pop_back();
        memo_.Edited = false;
        ReadDeclarations(panel_, memo_);
    } else {
        memo_.Lines = FramedLines(*edited, frame_);
        ReadPanelFromMemo();
    }
    StoreText();
    Announce(SessionChange::Kind::Panel, true, true, FinishStep(std::move(step), 1));
    return true;
}

bool StyleEditor::ReplaceBlocks(const std::vector<std::pair<int, std::string>>& blocks) {
    if (!CommitText())
        return false;
    int first = document_.StyleCount();
    int last = -1;
    bool changes = false;
    for (const auto& [row, block] : blocks) {
        if (row < 0 || row >= document_.StyleCount() || document_.Record(row).IsGroup())
            return false;
        first = std::min(first, row);
        last = std::max(last, row);
        changes = changes || document_.Record(row).BlockText() != block;
    }
    if (!changes)
        return false;
    auto step = BeginStep(SessionChange::Kind::Panel, first, last - first + 1);
    bool currentChanged = false;
    for (const auto& [row, block] : blocks) {
        if (document_.Record(row).BlockText() == block)
            continue;
        document_.MarkEdited(row);
        document_.ReplaceBlock(row, block);
        currentChanged = currentChanged || row == current_;
    }
    document_.Modified = true;
    if (currentChanged)
        Show(current_, TextView{RuleLines(current_, editorLayout_), false});
    Announce(SessionChange::Kind::Panel, true, currentChanged,
             FinishStep(std::move(step), last - first + 1));
    return true;
}

bool StyleEditor::SetDeclarationOf(int row, size_t index, std::string_view value) {
    if (row < 0 || row >= document_.StyleCount() || document_.Record(row).IsGroup())
        return false;
    if (!CommitText())
        return false;
    const std::string block = document_.Record(row).BlockText();
    auto edited = RewriteBlock(
        block, {{BlockEdit::Kind::Set, index, {}, AsSheetWrites(value, Habits())}}, {});
    return edited && ReplaceBlocks({{row, std::move(*edited)}});
}

size_t StyleEditor::RenameVariable(std::string_view from, std::string_view to) {
    if (!IsCustomPropertyName(from) || !IsCustomPropertyName(to) || from == to)
        return 0;
    if (!CommitText())
        return 0;
    std::vector<std::pair<int, std::string>> blocks;
    size_t places = 0;
    for (int row = 0; row < document_.StyleCount(); ++row) {
        const StyleRecord& record = document_.Record(row);
        if (record.IsGroup())
            continue;
        const std::string block = record.BlockText();
        if (auto renamed = RenameVariableInBlock(block, from, to)) {
            places += VariablePlaces(block, from);
            blocks.emplace_back(row, std::move(*renamed));
        }
    }
    return ReplaceBlocks(blocks) ? places : 0;
}

bool StyleEditor::SetProperty(std::string_view property, std::string_view value) {
    return EditBlock([&](const std::string& block, const BlockContext& context) {
        return SetPropertyInBlock(block, property, AsSheetWrites(value, Habits()), context);
    });
}

bool StyleEditor::RemoveProperty(std::string_view property) {
    return EditBlock([&](const std::string& block, const BlockContext& context) {
        return RemovePropertyFromBlock(block, property, context);
    });
}

bool StyleEditor::SetDeclaration(size_t index, std::string_view value, bool important) {
    return EditBlock(
        [&](const std::string& block, const BlockContext& context) -> std::optional<std::string> {
            const RuleProperties rule{block};
            if (index >= rule.Declarations().size())
                return std::nullopt;
            const std::string written = AsSheetWrites(value, Habits());
            if (important == rule.ImportantAt(index))
                return RewriteBlock(block, {{BlockEdit::Kind::Set, index, {}, written}}, context);
            if (!IsSafeValue(written))
                return std::nullopt;
            // The priority changes: the value and its priority are replaced as one.
            const BlockDeclaration& d = rule.Declarations()[index];
            std::string edited = block.substr(0, d.ValueBegin) + written +
                                 (important ? " !important" : "") +
                                 block.substr(important ? d.ValueEnd : d.PriorityEnd);
            if (ParseBlock(edited).Declarations.size() != rule.Declarations().size())
                return std::nullopt;
            return edited;
        });
}

bool StyleEditor::RemoveDeclaration(size_t index) {
    return EditBlock([&](const std::string& block, const BlockContext& context) {
        return RewriteBlock(block, {{BlockEdit::Kind::Remove, index, {}, {}}}, context);
    });
}

bool StyleEditor::AddDeclaration(std::string_view property, std::string_view value) {
    return EditBlock([&](const std::string& block, const BlockContext& context) {
        return RewriteBlock(
            block,
            {{BlockEdit::Kind::Insert, 0,
              // A custom property's name is its author's, in its case.
              property.starts_with("--") ? std::string(property) : LowerAscii(property),
              std::string(value)}},
            context);
    });
}

void StyleEditor::UseEditorLayout(bool on) {
    if (on == editorLayout_)
        return;
    if (!CommitText())
        return;
    editorLayout_ = on;
    if (HasCurrentStyle() && !GroupCurrent())
        Load(current_);
    Announce(SessionChange::Kind::Select);
}

void StyleEditor::Select(int row) {
    if (document_.StyleCount() == 0)
        return;
    // Text the commit refused stays in the view, with its rule current.
    if (CommitText())
        Load(row);
    Announce(SessionChange::Kind::Select);
}

void StyleEditor::UserChangedStyle() {
    document_.Modified = true;
    MarkCurrentEdited();
}

void StyleEditor::MarkCurrentEdited() {
    if (!HasCurrentStyle())
        return;
    if (!editorLayout_ && GroupCurrent())
        return; // its text is its rules'; its condition is changed by renaming it
    document_.MarkEdited(current_);
    // Edited, a rule is written as its author's text: its block in its source.
    if (!editorLayout_ && !document_.Record(current_).BlockReplaced())
        document_.ReplaceBlock(current_, document_.Record(current_).BlockText());
}

void StyleEditor::TypeText(LineList lines) {
    if (!HasCurrentStyle() || GroupCurrent())
        return;
    if (!typing_ || !memo_.Edited) {
        shown_ = std::move(memo_.Lines);
        shownEdited_ = memo_.Edited;
        typing_ = true;
    }
    memo_.Lines = std::move(lines);
    memo_.Edited = true;
    blockMeaning_.reset();
    // The record is edited when the text is stored into it: that is the step.
    document_.Modified = true;
    Announce(SessionChange::Kind::Type);
}

void StyleEditor::PushTextToPanel() {
    if (!HasCurrentStyle() || GroupCurrent())
        return;
    if (auto refusal = TextRefusal(memo_, frame_, editorLayout_, document_.Record(current_),
                                   document_.Encoding)) {
        Tell(dialogs_, *refusal);
        return;
    }
    auto step = BeginStep(SessionChange::Kind::PushText, current_, 1);
    // Taken back, the rule shows its text from before the typing, as after a commit.
    if (typing_)
        step->MemoBefore = TextView{shown_, shownEdited_};
    UserChangedStyle();
    StoreText();
    Load(current_);
    // A stored text is a change of the sheet like any other: with automatic refresh the
    // page follows it.
    Announce(SessionChange::Kind::PushText, true, false, FinishStep(std::move(step), 1));
}

void StyleEditor::ChangePanel(const PanelEdit& edit, PanelEffects effects) {
    if (edit)
        edit(panel_);
    // A rule with nested rules is not the panel's; the page may still be refreshed.
    if (nested_ && (effects.Modifies || effects.Writes))
        return;
    std::shared_ptr<StepDraft> step;
    if (HasCurrentStyle() && (effects.Modifies || effects.Writes))
        step = BeginStep(SessionChange::Kind::Panel, current_, 1);
    if (effects.Modifies)
        UserChangedStyle();
    else if (effects.Writes)
        MarkCurrentEdited(); // or the rewritten text would never reach the file
    if (effects.Writes) {
        if (editorLayout_)
            WriteDeclarations(panel_, memo_);
        else
            WriteAuthored();
    }
    Announce(SessionChange::Kind::Panel, effects.Refreshes, effects.Writes,
             step ? FinishStep(std::move(step), 1) : nullptr);
}

std::pair<int, int> StyleEditor::NewRulePlace() const {
    if (!HasCurrentStyle())
        return {document_.StyleCount(), 0};
    const StyleRecord& current = document_.Record(current_);
    return {document_.SubtreeEnd(current_), current.Depth() + (current.IsGroup() ? 1 : 0)};
}

void StyleEditor::AddRule(const std::string& selector) {
    if (SelectorBreak(selector) || !CommitText())
        return;
    const auto [at, depth] = NewRulePlace();
    auto step = BeginStep(SessionChange::Kind::NewRule, at, 0);
    document_.InsertStyleRecord(at, selector, depth);
    document_.Modified = true;
    Load(at);
    Announce(SessionChange::Kind::NewRule, false, false, FinishStep(std::move(step), 1));
}

void StyleEditor::Rename(int row, const std::string& selector) {
    if (row < 0 || row >= document_.StyleCount() || SelectorBreak(selector))
        return;
    auto step = BeginStep(SessionChange::Kind::Rename, row, 1);
    document_.SetSelector(row, selector);
    // Renamed, a rule keeps its author's text: only the selector is written anew.
    if (const StyleRecord& record = document_.Record(row);
        !editorLayout_ && !record.IsGroup() && !record.BlockReplaced())
        document_.ReplaceBlock(row, record.BlockText());
    document_.Modified = true;
    Announce(SessionChange::Kind::Rename, true, false, FinishStep(std::move(step), 1));
}

void StyleEditor::RemoveCurrent() {
    if (!HasCurrentStyle())
        return;
    const int end = document_.SubtreeEnd(current_);
    const int removed = end - current_;
    if (document_.StyleCount() - removed < 1)
        return;
    // The comments in front of the row go to the next row of its group, to the
    // group's close or to the tail: the step holds what they reach.
    const int depth = document_.Record(current_).Depth();
    const int parent = document_.ParentOf(current_);
    int at = current_;
    int count = removed + 1;
    bool tail = false;
    if (end == document_.StyleCount() && parent < 0) {
        count = removed;
        tail = true;
    } else if (end == document_.StyleCount() || document_.Record(end).Depth() != depth) {
        at = parent;
        count = document_.SubtreeEnd(parent) - parent;
    }
    auto step = BeginStep(SessionChange::Kind::Remove, at, count);
    if (tail)
        step->TailBefore = document_.Tail();
    document_.RemoveRecord(current_);
    document_.Modified = true;
    Load(std::min(current_, document_.StyleCount() - 1));
    if (tail)
        step->TailAfter = document_.Tail();
    Announce(SessionChange::Kind::Remove, true, false,
             FinishStep(std::move(step), count - removed));
}

void StyleEditor::MoveCurrentTo(int at, int depth) {
    const int count = document_.StyleCount();
    const int end = document_.SubtreeEnd(current_);
    const int size = end - current_;
    std::vector<int> rest;
    rest.reserve(static_cast<size_t>(count - size));
    for (int i = 0; i < count; ++i)
        if (i < current_ || i >= end)
            rest.push_back(i);
    auto step = BeginStep(SessionChange::Kind::Move, 0, 0);
    std::vector<int>& order = step->Order;
    order.assign(rest.begin(), rest.begin() + at);
    for (int i = current_; i < end; ++i)
        order.push_back(i);
    order.insert(order.end(), rest.begin() + at, rest.end());
    step->ShiftAt = at;
    step->ShiftCount = size;
    step->Shift = depth - document_.Record(current_).Depth();
    if (std::is_sorted(order.begin(), order.end()) && step->Shift == 0)
        return;
    // The working text stays in the view and follows its style.
    document_.ApplyOrder(order);
    document_.ShiftDepth(at, size, step->Shift);
    current_ = at;
    document_.Modified = true;
    Announce(SessionChange::Kind::Move, true, false, FinishStep(std::move(step), 0));
}

void StyleEditor::MoveCurrent(int to) {
    if (!HasCurrentStyle() || to < 0 || to >= document_.StyleCount() || to == current_)
        return;
    const int end = document_.SubtreeEnd(current_);
    if (to > current_ && to < end)
        return; // into its own rules
    const int depth = document_.Record(to).Depth();
    // Positions among the rows left once the moving ones are out.
    const int size = end - current_;
    const int at = to < current_ ? to : document_.SubtreeEnd(to) - size;
    MoveCurrentTo(at, depth);
}

void StyleEditor::MoveCurrentInto(int group) {
    if (!HasCurrentStyle() || group < 0 || group >= document_.StyleCount() ||
        !document_.Record(group).IsGroup())
        return;
    const int end = document_.SubtreeEnd(current_);
    if (group >= current_ && group < end)
        return; // into itself
    const int size = end - current_;
    const int at = group < current_ ? group + 1 : group + 1 - size;
    MoveCurrentTo(at, document_.Record(group).Depth() + 1);
}

namespace {

// The sorted order of the rows of `group` (-1: the top), each group's rows sorted in
// turn, appended to `order`. Groups keep their places among the rows.
void SortedRows(const StyleDocument& document, int group,
                const std::function<bool(const std::string&, const std::string&)>& less,
                std::vector<int>& order) {
    std::vector<int> rows = document.ChildrenOf(group);
    std::vector<int> rules;
    for (int row : rows)
        if (!document.Record(row).IsGroup())
            rules.push_back(row);
    std::stable_sort(rules.begin(), rules.end(), [&](int a, int b) {
        return less(document.Record(a).Selector, document.Record(b).Selector);
    });
    size_t next = 0;
    for (int row : rows) {
        if (document.Record(row).IsGroup()) {
            order.push_back(row);
            SortedRows(document, row, less, order);
        } else {
            order.push_back(rules[next++]);
        }
    }
}

} // namespace

void StyleEditor::Sort(const std::function<bool(const std::string&, const std::string&)>& less) {
    auto step = BeginStep(SessionChange::Kind::Sort, 0, 0);
    std::vector<int>& order = step->Order;
    order.reserve(static_cast<size_t>(document_.StyleCount()));
    SortedRows(document_, -1, less, order);
    document_.ApplyOrder(order);
    if (current_ >= 0)
        current_ =
            static_cast<int>(std::find(order.begin(), order.end(), current_) - order.begin());
    document_.Modified = true;
    Announce(SessionChange::Kind::Sort, true, false, FinishStep(std::move(step), 0));
}

void StyleEditor::ClearCurrent() {
    if (GroupCurrent())
        return; // a group's text is its rules: each is cleared on its own
    std::shared_ptr<StepDraft> step;
    if (HasCurrentStyle())
        step = BeginStep(SessionChange::Kind::Clear, current_, 1);
    memo_.Lines.clear();
    ReadPanelFromMemo();
    nested_ = false;
    MarkCurrentEdited();
    Announce(SessionChange::Kind::Clear, false, false,
             step ? FinishStep(std::move(step), 1) : nullptr);
}

void StyleEditor::Show(int current, const TextView& memo) {
    current_ = current;
    memo_ = memo;
    typing_ = false;
    nested_ = HasCurrentStyle() && (GroupCurrent() || HoldsNestedRules(memo_.Lines));
    if (nested_ || !HasCurrentStyle()) {
        layout_.clear();
        ClearPanel(panel_);
        return;
    }
    if (!editorLayout_) {
        // The frame is the rule's own; the view's lines are the step's.
        FramedLines(document_.Record(current_).BlockText(), frame_);
        const bool edited = memo_.Edited;
        ReadPanelFromMemo();
        memo_.Edited = edited;
        return;
    }
    // The panel reads the text; the view keeps it as it was.
    TextView read = memo_;
    ReadDeclarations(panel_, read);
}

void StyleEditor::Undo(const EditStep& step) {
    TakeBackStored();
    if (!step.Order.empty()) {
        if (step.Shift != 0)
            document_.ShiftDepth(step.ShiftAt, step.ShiftCount, -step.Shift);
        std::vector<int> back(step.Order.size());
        for (size_t i = 0; i < step.Order.size(); ++i)
            back[static_cast<size_t>(step.Order[i])] = static_cast<int>(i);
        document_.ApplyOrder(back);
    } else if (!step.InPlace()) {
        document_.ReplaceRange(step.At, static_cast<int>(step.After.size()), step.Before);
    }
    for (auto change = step.Changes.rbegin(); change != step.Changes.rend(); ++change)
        document_.UndoChange(change->Row, change->Change);
    // What was stored before the step stays, to be taken back with the step before.
    stored_ = step.Stored;
    if (step.TailBefore)
        document_.SetTail(*step.TailBefore);
    Show(step.CurrentBefore, ViewOf(step.ViewBefore, step.CurrentBefore));
    Announce(SessionChange::Kind::Undo, true);
}

void StyleEditor::Redo(const EditStep& step) {
    TakeBackStored();
    for (const auto* changes : {&step.Stored, &step.Changes})
        for (const RowChange& change : *changes)
            document_.RedoChange(change.Row, change.Change);
    if (!step.Order.empty()) {
        document_.ApplyOrder(step.Order);
        if (step.Shift != 0)
            document_.ShiftDepth(step.ShiftAt, step.ShiftCount, step.Shift);
    } else if (!step.InPlace()) {
        document_.ReplaceRange(step.At, static_cast<int>(step.Before.size()), step.After);
    }
    if (step.TailAfter)
        document_.SetTail(*step.TailAfter);
    Show(step.CurrentAfter, ViewOf(step.ViewAfter, step.CurrentAfter));
    Announce(SessionChange::Kind::Redo, true);
}

std::optional<TextView> StyleEditor::ViewBefore(const EditStep& step) const {
    if (!step.InPlace())
        return std::nullopt;
    const int row = step.CurrentBefore;
    if (row < 0 || row >= document_.StyleCount())
        return ViewOf(step.ViewBefore, row);
    // The rule as the step found it: what was stored since and the step's own changes
    // taken back from a copy.
    StyleRecord record = document_.Record(row);
    for (auto change = stored_.rbegin(); change != stored_.rend(); ++change)
        if (change->Row == row)
            change->Change.Undo(record);
    for (auto change = step.Changes.rbegin(); change != step.Changes.rend(); ++change)
        if (change->Row == row)
            change->Change.Undo(record);
    TextView memo{ViewLines(record, step.ViewBefore.EditorLayout), step.ViewBefore.Edited};
    step.ViewBefore.FromRule.Redo(memo.Lines);
    return memo;
}

void StyleEditor::ComposeCSS() {
    CommitText();
    document_.SheetText = ComposeSheet(document_, *progress_);
}

void StyleEditor::NewCSS() {
    document_.NewCSS();
    stored_.clear();
    habits_.reset();
    blockMeaning_.reset();
    layoutMeaning_.reset();
    memo_ = TextView{};
    FramedLines(document_.Record(0).BlockText(), frame_);
    layout_.clear();
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
    habits_.reset();
    stored_.clear();
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

std::optional<LoadFailure> StyleEditor::LoadCSSFile(const std::string& path, bool writeBackup,
                                                    std::optional<SheetEncoding> encoding) {
    SheetFile sheet;
    if (auto failure = ReadSheetFile(path, sheet, *progress_, encoding))
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
    document_.FinalLineEnd = sheet.Text.FinalLineEnd();
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
    habits_.reset();
    stored_.clear();
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
    // Text the commit refused is still the user's, and not in the file.
    document_.Modified =
        HasCurrentStyle() &&
        TextRefusal(memo_, frame_, editorLayout_, document_.Record(current_), document_.Encoding);
    Announce(SessionChange::Kind::Disk);
}

void StyleEditor::MarkModified() {
    document_.Modified = true;
    Announce(SessionChange::Kind::Disk);
}

void StyleEditor::MoveToFile(const std::string& path, std::optional<FileStamp> stamp) {
    document_.FileName = path;
    document_.DiskStamp = std::move(stamp);
    Announce(SessionChange::Kind::Disk);
}

} // namespace tesselo
