#include "app/SessionHistory.h"

#include "app/Translation.h"

#include "mapping/DeclarationBlock.h"
#include "platform/HeapTuning.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextDocument>
#include <QUndoCommand>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

using Kind = SessionChange::Kind;

// Steps of one gesture come closer than this to each other.
constexpr qint64 kGestureGapMs = 1500;
constexpr int kPanelStepId = 1;

// The declarations of a text view: each property's name and value as written.
std::vector<std::pair<std::string, std::string>> DeclarationsOf(const LineList& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += '\n';
    }
    std::vector<std::pair<std::string, std::string>> out;
    for (const BlockDeclaration& d : ParseBlock(text).Declarations)
        out.emplace_back(text.substr(d.Begin, d.NameEnd - d.Begin),
                         text.substr(d.ValueBegin, d.End - d.ValueBegin));
    return out;
}

// What a panel step changed: the name of the first declaration that differs ("; Font-size:
// 20px;" gives "Font-size", "  font-size: 20px" gives "font-size"), and whether the step
// added or took away a declaration. One pass: a rule may hold hundreds of thousands of
// lines.
struct PanelChange {
    std::string Property;
    bool SameCount = true;
};

PanelChange ChangedProperty(const std::optional<TextView>& memoBefore, const TextView& memoAfter) {
    if (!memoBefore)
        return {{}, false};
    const auto before = DeclarationsOf(memoBefore->Lines);
    const auto after = DeclarationsOf(memoAfter.Lines);
    PanelChange change{{}, before.size() == after.size()};
    const auto [inAfter, inBefore] =
        std::mismatch(after.begin(), after.end(), before.begin(), before.end());
    if (inAfter != after.end())
        change.Property = inAfter->first;
    else if (inBefore != before.end())
        change.Property = inBefore->first;
    return change;
}

// The selector of the rule a step concerns, as it stands after the step, the session
// standing where the step left it.
std::string_view StepSelector(const EditStep& step, const StyleDocument& document) {
    if (!step.After.empty())
        return step.After.front().Selector;
    if (!step.Before.empty())
        return step.Before.front().Selector;
    if (step.InPlace() && step.At >= 0 && step.At < document.StyleCount())
        return document.Record(step.At).Selector;
    return {};
}

// What a step is called after "Отменить: " and "Повторить: ", for example
// "Font-size в .btn"; `property` is the one a panel step changed.
QString StepLabel(const EditStep& step, const std::string& property, const StyleDocument& document,
                  const SessionHistory::Decoder& decode) {
    const QString rule = decode(StepSelector(step, document));
    switch (step.What) {
    case Kind::Panel:
        if (!property.empty())
            return Ui("%1 в %2").arg(QString::fromStdString(property), rule);
        return Ui("изменение %1").arg(rule);
    case Kind::Commit:
    case Kind::PushText:
        return Ui("правка текста %1").arg(rule);
    case Kind::Rename:
        return Ui("переименование %1").arg(rule);
    case Kind::Remove:
        return Ui("удаление %1").arg(decode(step.Before.front().Selector));
    case Kind::Move:
        return Ui("перемещение стиля");
    case Kind::Sort:
        return Ui("сортировка стилей");
    case Kind::NewRule:
        return Ui("новый стиль %1").arg(rule);
    case Kind::Clear:
        return Ui("очистка %1").arg(rule);
    default:
        return rule;
    }
}

// What the commands of a history share with it.
struct Ledger {
    StyleEditor& Editor;
    bool& Applying;         // a step is being taken back or done again
    const bool& Rebuilding; // the stack is being made again: nothing is applied
    size_t& Bytes;          // what the steps on the stack hold
};

class StepCommand final : public QUndoCommand {
public:
    // A step the session just made, the session standing where it left it.
    StepCommand(const Ledger& ledger, std::shared_ptr<const EditStep> step,
                const SessionHistory::Decoder& decode)
        : ledger_(ledger), step_(std::move(step)),
          change_(step_->What == Kind::Panel
                      ? ChangedProperty(ledger.Editor.ViewBefore(*step_), ledger.Editor.Memo())
                      : PanelChange{}) {
        setText(StepLabel(*step_, change_.Property, ledger.Editor.Document(), decode));
        Count();
        clock_.start();
    }
    // The same step on a stack made again.
    explicit StepCommand(const StepCommand& kept)
        : QUndoCommand(), ledger_(kept.ledger_), step_(kept.step_), change_(kept.change_),
          clock_(kept.clock_) {
        setText(kept.text());
        Count();
    }
    ~StepCommand() override { ledger_.Bytes -= bytes_; }
    StepCommand& operator=(const StepCommand&) = delete;

    int id() const override { return step_->What == Kind::Panel ? kPanelStepId : -1; }
    size_t Bytes() const { return bytes_; }

    // A step already done when it is pushed is not done again.
    void redo() override {
        if (pushed_ && !ledger_.Rebuilding)
            Apply([this] { ledger_.Editor.Redo(*step_); });
        pushed_ = true;
    }
    void undo() override {
        if (!ledger_.Rebuilding)
            Apply([this] { ledger_.Editor.Undo(*step_); });
    }

    // The next change of the same property of the same rule, soon after, is the same
    // gesture: one step from before the first to after the last.
    bool mergeWith(const QUndoCommand* other) override {
        // A value changed in place: a declaration added or taken away is another gesture.
        const auto* next = dynamic_cast<const StepCommand*>(other);
        if (ledger_.Rebuilding || !next || next->step_->At != step_->At ||
            !EqualsIgnoringAsciiCase(next->change_.Property, change_.Property) ||
            clock_.elapsed() > kGestureGapMs || !next->change_.SameCount)
            return false;
        auto joined = JoinSteps(*step_, *next->step_);
        if (!joined)
            return false;
        step_ = std::move(joined);
        ledger_.Bytes -= bytes_;
        Count();
        clock_.restart();
        // Back at the text it started from: the rule is put back as it was, edited mark
        // and all, and the gesture is no step.
        if (ledger_.Editor.ViewBefore(*step_) == ledger_.Editor.Memo()) {
            Apply([this] { ledger_.Editor.Undo(*step_); });
            setObsolete(true);
        }
        return true;
    }

private:
    template <typename F> void Apply(F&& apply) {
        const bool was = ledger_.Applying;
        ledger_.Applying = true;
        apply();
        ledger_.Applying = was;
    }
    void Count() {
        bytes_ = step_->Bytes() + sizeof(StepCommand) +
                 static_cast<size_t>(text().size()) * sizeof(QChar);
        ledger_.Bytes += bytes_;
    }

    Ledger ledger_;
    std::shared_ptr<const EditStep> step_;
    PanelChange change_;
    QElapsedTimer clock_;
    size_t bytes_ = 0;
    bool pushed_ = false;
};

} // namespace

bool KeysAreTheSheets(bool undo, const QWidget& focus, const QPlainTextEdit& memo,
                      std::initializer_list<const QWidget*> panel) {
    if (&focus == &memo) {
        const QTextDocument* text = memo.document();
        return undo ? !text->isUndoAvailable() : !text->isRedoAvailable();
    }
    const auto* line = qobject_cast<const QLineEdit*>(&focus);
    if (!line)
        return true;
    if (std::none_of(panel.begin(), panel.end(),
                     [line](const QWidget* part) { return part->isAncestorOf(line); }))
        return false;
    if (qobject_cast<const QComboBox*>(line->parentWidget()))
        return undo ? !line->isUndoAvailable() : !line->isRedoAvailable();
    return true;
}

SessionHistory::SessionHistory(StyleEditor& editor, Decoder decode, QObject* parent, size_t budget)
    : QObject(parent), editor_(editor), decode_(std::move(decode)), budget_(budget) {
    observer_ = editor_.Observe([this](const SessionChange& change) { Follow(change); });
    // What the changes left free in the heap goes back when the user pauses.
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, [] { GiveBackFreeHeap(); });
    // Back at the text as last saved there is nothing to save; away from it there is.
    connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!applying_)
            return;
        if (clean)
            editor_.MarkSaved();
        else
            editor_.MarkModified();
    });
}

SessionHistory::~SessionHistory() {
    editor_.Forget(observer_);
}

void SessionHistory::Follow(const SessionChange& change) {
    if (applying_)
        return;
    if (change.What == Kind::Document) {
        stack_.clear();
        return;
    }
    if (change.What == Kind::Disk && !editor_.Document().Modified) {
        stack_.setClean();
        return;
    }
    if (!change.Step)
        return;
    stack_.push(new StepCommand({editor_, applying_, rebuilding_, bytes_}, change.Step, decode_));
    // A gesture that came back to the text as saved leaves nothing to save.
    if (stack_.isClean() && editor_.Document().Modified) {
        applying_ = true;
        editor_.MarkSaved();
        applying_ = false;
    }
    Trim();
    pause_.start();
}

void SessionHistory::Trim() {
    if (bytes_ <= budget_)
        return;
    std::vector<size_t> sizes;
    for (int i = 0; i < stack_.count(); ++i)
        sizes.push_back(static_cast<const StepCommand*>(stack_.command(i))->Bytes());
    const auto gone =
        static_cast<int>(StepsOverBudget(sizes, static_cast<size_t>(stack_.index()), budget_));
    if (gone == 0)
        return;
    std::vector<StepCommand*> kept;
    for (int i = gone; i < stack_.count(); ++i)
        kept.push_back(new StepCommand(*static_cast<const StepCommand*>(stack_.command(i))));
    const int index = stack_.index() - gone;
    // The text as last saved lay where a step that goes led: no step reaches it now.
    const int saved = stack_.cleanIndex() >= gone ? stack_.cleanIndex() - gone : -1;
    rebuilding_ = true;
    stack_.clear();
    for (StepCommand* command : kept)
        stack_.push(command);
    if (saved >= 0) {
        stack_.setIndex(saved);
        stack_.setClean();
    } else {
        stack_.resetClean();
    }
    stack_.setIndex(index);
    rebuilding_ = false;
}

void SessionHistory::Drive(QAction& undo, QAction& redo) {
    auto follow = [](QAction& action) {
        return [&action, caption = action.text()](const QString& what) {
            action.setText(what.isEmpty() ? caption : Ui("%1: %2").arg(caption, what));
        };
    };
    connect(&stack_, &QUndoStack::undoTextChanged, &undo, follow(undo));
    connect(&stack_, &QUndoStack::redoTextChanged, &redo, follow(redo));
    connect(&stack_, &QUndoStack::canUndoChanged, &undo, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::canRedoChanged, &redo, &QAction::setEnabled);
    undo.setEnabled(stack_.canUndo());
    redo.setEnabled(stack_.canRedo());
}

void SessionHistory::Undo() {
    if (!editor_.CommitText())
        return; // the typed text is refused and stays in the view
    applying_ = true;
    stack_.undo();
    applying_ = false;
}

void SessionHistory::Redo() {
    if (!editor_.CommitText())
        return; // the typed text is refused and stays in the view
    applying_ = true;
    stack_.redo();
    applying_ = false;
}

} // namespace tesselo
