#pragma once

// The views of the sheet, as pages of one tab widget: the current style's text, which
// takes typing and pushes it into the panel with its button; the sheet as it would be
// written; the backup copy as it was read; and the preview page, which the window
// gives to the browser.

#include "document/FileStamp.h"
#include "document/SheetLines.h"
#include "views/ViewText.h"

#include <QTabWidget>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tesselo {

class ElementRulesView;
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

    QPlainTextEdit* Memo() const { return memo_; }
    QWidget* PreviewPage() const { return preview_; }
    ElementRulesView* ElementRules() const { return elementRules_; }
    // The toggles of the states that can be forced on the element picked, in the order
    // of kForcedStates.
    const std::vector<QToolButton*>& StateButtons() const { return stateButtons_; }

    // The current style's text and its button as the session has them.
    void RenderMemo();
    // Shows the page without it counting as the user's choice.
    void ShowPage(int page);
    // The source page: the backup copy's text; a missing one reported when asked.
    void FillSourceView(bool reportMissing);
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
    void ViewerChange(int index);
    void CSSMemoChange();
    QString ShownText(const SheetLines& sheet, SheetEncoding encoding) const;

    StyleEditor& editor_;
    ViewText text_;
    UserDialogs& dialogs_;
    bool rendering_ = false;
    // The sheet "Текущий CSS" shows, as it was when the view was filled.
    std::optional<SheetLines> composedShown_;
    SheetEncoding composedEncoding_ = SheetEncoding::Utf8;
    // The backup copy "Исходный CSS" shows, as it was on disk when the view was filled.
    std::optional<std::pair<std::string, FileStamp>> diskShown_;

    QPlainTextEdit* memo_ = nullptr;     // CSSMemo
    QPushButton* update_ = nullptr;      // BtnStyleUpdate
    QPlainTextEdit* composed_ = nullptr; // HCSSMemo
    QPlainTextEdit* onDisk_ = nullptr;   // HCssInDiskMemo
    TextInSteps* composedFill_ = nullptr;
    TextInSteps* onDiskFill_ = nullptr;
    QWidget* preview_ = nullptr; // PreView
    ElementRulesView* elementRules_ = nullptr;
    std::vector<QToolButton*> stateButtons_; // ForceHover...
};

} // namespace tesselo
