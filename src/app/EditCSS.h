#pragma once

// The main window: it makes what goes into its regions (WindowRegions lays them out),
// builds the actions, menus and tool bars and the commands over the editing session it
// is given, forwards every event to them and shows their state.

#include "app/ActionTable.h"
#include "app/WindowActions.h"
#include "app/WindowPlace.h"
#include "document/Progress.h"
#include "document/SettingsStore.h"
#include "document/SheetLocks.h"
#include "document/UserDialogs.h"
#include "editor/DocumentCommands.h"
#include "editor/Preview.h"
#include "editor/StyleEditor.h"
#include "panel/PanelDialogs.h"
#include "platform/SheetCodec.h"
#include "views/FloatingPanels.h"
#include "views/SourceViewPages.h"
#include "views/ViewText.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace tesselo {

class BrowserBar;
class FloatingLayout;
class PreviewBrowser;
class SessionHistory;
class StyleListCommands;
class StyleListView;
class TAboutBox;
class TCreateSelector;
class PropertyPanel;
class WindowRegions;

// What the window works through; each outlives the window.
struct MainFormServices {
    SettingsStore& Settings;
    UserDialogs& Dialogs;
    ProgressReport& Progress;
    PanelDialogs& PanelChoices; // the colour and the picture dialogs of the panel
    SheetLocks& Locks;
    PreviewBrowser& WebBrowser; // placed into the preview page
};

class TMainForm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)
public:
    // The window over the session, which outlives it. Nothing is read or opened yet.
    TMainForm(const MainFormServices& services, StyleEditor& editor, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reads the window's settings and opens the command-line or the last file, before
    // the window is first shown.
    void Start(const std::vector<std::string>& arguments);

    void SetSelectorBuilder(TCreateSelector* builder) { createSelector_ = builder; }
    void SetAboutBox(TAboutBox* about) { aboutBox_ = about; }
    // Made when first asked for: a start does without them.
    void SetSelectorBuilder(std::function<TCreateSelector*()> make) {
        makeSelector_ = std::move(make);
    }
    void SetAboutBox(std::function<TAboutBox*()> make) { makeAbout_ = std::move(make); }

    StyleEditor& Editor() { return editor_; }
    DocumentCommands& Commands() { return commands_; }
    Preview& PreviewState() { return *preview_; }
    PropertyPanel& Panel() { return *panel_; }
    QAction* Action(ActionId id) const;

    // Viewer pages.
    using Page = SourceViewPages::Page;
    using enum SourceViewPages::Page;

    // The long hint of the control under the pointer goes to the status line, or to
    // the selector builder's hint line while the builder is showing.
    void ApplicationEventsHint(const QString& hint);

    // Shows the whole state again: caption, style list, text views, browser bar.
    void Render();

    // A tick of the floating panels' timer with the pointer at a screen position.
    void TimerFloatTimer(QPoint pointer);
    const FloatingPanels& Floating() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildHistory();
    // Whether Ctrl+Z or Ctrl+Shift+Z in the widget with the focus is the window's.
    bool UndoIsTheWindows(const QKeyEvent& key) const;
    void BuildToolBar();
    void BuildRegions();
    void BuildPropertyPanel();
    void BuildPreview();
    void BuildComputedValues(PreviewBrowser& browser);
    void BuildStyleList();
    void BuildStyleCommands();
    // The encoding's label opens a menu that reads the file again in the other one.
    void BuildEncodingMenu();
    void ReadWindowValues();
    WindowValues CurrentWindowValues() const;
    void FloatPanelExecute();

    void ViewerChange(int index);
    void RefreshViewExecute();
    // `panelDrawn`: the panel has just drawn itself, after its own change.
    void RenderMemo(bool panelDrawn = false);
    void RenderElementRules();
    // Another local sheet of the page (the pick found the element's rules only there, or
    // the user chose it): asks `question` whether to open it here (after the question
    // about unsaved changes) or in a new window.
    void OfferOtherSheet(const std::string& file, const std::string& question);
    // The page last previewed with the open sheet: kept in the settings, and shown again
    // when the sheet is opened.
    void RememberSheetPage();
    void OpenSheetPage();
    void FormKeyPress();
    // The sheet's text as the window shows it, in the sheet's encoding.
    SheetCodec Codec() const { return SheetCodec(editor_.Document().Encoding); }
    ViewText SheetText() const;

    template <typename F> void Run(F&& command);
    void Follow(const SessionChange& change);

    const MainFormServices services_;
    StyleEditor& editor_;
    int editorObserver_ = 0;
    DocumentCommands commands_;
    std::unique_ptr<Preview> preview_;
    std::unique_ptr<StyleListCommands> listCommands_;
    std::unique_ptr<SessionHistory> history_;
    std::unique_ptr<WindowRegions> regions_;
    PropertyPanel* panel_ = nullptr;
    TCreateSelector* createSelector_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    std::function<TCreateSelector*()> makeSelector_;
    std::function<TAboutBox*()> makeAbout_;
    WindowActions actions_{};
    QLabel* encodingLabel_ = nullptr; // the sheet's encoding, at the status line's right end
    QMenu* encodingMenu_ = nullptr;   // opened by a click on it
    bool running_ = false;            // a command runs: it shows its result when done
    WindowPlace place_{*this};
    FloatingLayout* floating_ = nullptr;
    std::pair<std::string, std::string> sheetPage_; // the sheet and the page kept for it
    BrowserBar* browserBar_ = nullptr;

    // Controls, named as the rest of the program knows them (and as their object names).
    QToolBar* ToolBar1 = nullptr;
    StyleListView* PanelList = nullptr;
    QWidget* PanelToolStyle = nullptr;
    SourceViewPages* Viewer = nullptr;
    QTabWidget* TABPANEL = nullptr;
};

} // namespace tesselo
