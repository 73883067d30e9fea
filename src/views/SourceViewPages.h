#pragma once

// The views of the sheet, as pages of one tab widget: the current style's text, which
// takes typing and pushes it into the panel with its button; the sheet as it would be
// written; the backup copy as it was read; and the preview page, which the window
// gives to the browser.

#include "document/Browser.h"
#include "document/FileStamp.h"
#include "document/SheetLines.h"
#include "mapping/CssCompletion.h"
#include "views/CssHighlighting.h"
#include "views/ViewText.h"

#include <QTabWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCompleter;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;
class QTimer;
class QToolButton;

namespace tesselo {

class CssTextView;
class ElementRulesView;
class FindBar;
class ShownLinesColouring;
class StyleEditor;
class TextInSteps;
class UserDialogs;

class SourceViewPages final : public QTabWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourceViewPages)
public:
    enum Page { CssMemoView = 0, CSSView = 1, CssDiskView = 2, PreView = 3, ElementView = 4 };

    SourceViewPages(StyleEditor& editor, ViewText text, UserDialogs& dialogs,
                    QWidget* parent = nullptr);
    ~SourceViewPages() override;

    QPlainTextEdit* Memo() const;
    // The text view of a page of text (CssMemoView, CSSView, CssDiskView), its find bar
    // and, for the read-only two, its colours.
    CssTextView* TextView(int page) const;
    FindBar* FindBarOf(int page) const;
    const ShownLinesColouring* Colouring(int page) const;
    QCompleter* Completer() const { return completer_; }
    // What the checks mark in the current style's text.
    const ShownLinesColouring& MemoMarks() const { return *memoColours_; }
    QWidget* PreviewPage() const { return preview_; }
    ElementRulesView* ElementRules() const { return elementRules_; }
    // The toggles of the states that can be forced on the element picked, in the order
    // of kForcedStates.
    const std::vector<QToolButton*>& StateButtons() const { return stateButtons_; }

    // What the page computed for the element of the current rule, when it is known: the
    // declarations that cannot act on it are marked in the rule's text.
    void UseElementFacts(std::function<std::optional<ElementFacts>()> facts) {
        facts_ = std::move(facts);
    }
    // The rule's text checked again: the page's element may be another now.
    void CheckAgain() { CheckMemo(); }
    // How the page's engine is asked which values it takes; its answers come to
    // EngineChecked. Without it, the catalogue alone judges the values typed.
    using EngineAsk = std::function<void(int request, const std::vector<ValueCheck>& values)>;
    void UseEngineCheck(EngineAsk ask) { engineAsk_ = std::move(ask); }
    void EngineChecked(int request, const std::vector<bool>& taken);

    // The current style's text and its button as the session has them.
    void RenderMemo();
    // Shows the page without it counting as the user's choice.
    void ShowPage(int page);
    // The source page: the backup copy's text; a missing one reported when asked.
    void FillSourceView(bool reportMissing);
    // The rule's lines selected in "Текущий CSS" and "Исходный CSS", filled if need be;
    // a view whose text does not hold the rule (renamed since the copy) stays as it is.
    void ShowRuleLines(int record);
    // Cut and paste act on the current style's text, and only on its page.
    void Cut();
    void Paste();

signals:
    // The user turned to the page (its content already shown).
    void PageShown(int page);
    // The text was pushed into the panel: everything is to be shown again.
    void Changed();
    // The caret went to a line whose property that page of the panel edits.
    void PropertyPageWanted(int page);

private:
    QWidget* AddPage(const char* name, const QString& caption);
    CssTextView* AddTextView(QWidget* page, const char* name, bool readOnly);
    void CheckMemo();
    void ShowHintAtCaret();
    void Complete(bool typed);
    void TakeChoice();
    void GatherWords();
    void ViewerChange(int index);
    void FillComposedView();
    void CSSMemoChange();
    // A read-only view's text in the sheet's bytes, and how a part of it is shown.
    std::string ShownText(const SheetLines& sheet, SheetEncoding encoding) const;
    std::function<QString(std::string_view)> ShownPart() const;

    StyleEditor& editor_;
    ViewText text_;
    UserDialogs& dialogs_;
    bool rendering_ = false;
    // The sheet "Текущий CSS" shows, as it was when the view was filled.
    std::optional<SheetLines> composedShown_;
    SheetEncoding composedEncoding_ = SheetEncoding::Utf8;
    // The backup copy "Исходный CSS" shows, as it was on disk when the view was filled.
    std::optional<std::pair<std::string, FileStamp>> diskShown_;

    std::function<std::optional<ElementFacts>()> facts_;
    // The engine's marks on the rule's text, for the text they were made for; the values
    // last asked about, by their characters in it.
    struct AskedValue {
        int Begin, End;
        QString Property, Value;
    };
    void AskEngine();
    EngineAsk engineAsk_;
    QTimer* engineTimer_ = nullptr;
    int engineRequest_ = 0;
    QString engineText_;
    std::vector<AskedValue> engineAsked_;
    std::vector<ShownMark> engineMarks_;
    CssTextView* memo_ = nullptr;     // CSSMemo
    QPushButton* update_ = nullptr;   // BtnStyleUpdate
    QLabel* hint_ = nullptr;          // MemoHint: the mark's hint on the caret's line
    CssTextView* composed_ = nullptr; // HCSSMemo
    CssTextView* onDisk_ = nullptr;   // HCssInDiskMemo
    FindBar* findBars_[3] = {};
    ShownLinesColouring* memoColours_ = nullptr;
    int observer_ = 0;
    ShownLinesColouring* composedColours_ = nullptr;
    ShownLinesColouring* onDiskColours_ = nullptr;
    // The completion of the current style's text, from what the sheet's rules write.
    QCompleter* completer_ = nullptr;
    QStringListModel* choices_ = nullptr;
    int choiceBegin_ = 0; // the characters a choice replaces
    int choiceEnd_ = 0;
    QString choiceThen_; // added after the choice taken
    // Gathered between the window's events after each change of the rules, some rules a
    // step, so that neither the change nor a key waits for a big sheet's words; the
    // words gathered before serve meanwhile.
    SheetVocabulary vocabulary_;
    SheetVocabulary gathering_;
    int gatheredRules_ = 0;
    QTimer* gatherTimer_ = nullptr;
    TextInSteps* composedFill_ = nullptr;
    TextInSteps* onDiskFill_ = nullptr;
    QWidget* preview_ = nullptr; // PreView
    ElementRulesView* elementRules_ = nullptr;
    std::vector<QToolButton*> stateButtons_; // ForceHover...
};

} // namespace tesselo
