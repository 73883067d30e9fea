#pragma once

// The main window as the tests make it: fakes of the platform shared by the windows of
// a test, and for each window a session and sheet locks of its own on the real disk,
// made before it and gone after it, as the program makes them for its one window. The
// preview's browser is a fake unless the test gives a real one.

#include "app/EditCSS.h"
#include "editor/StyleEditor.h"
#include "platform/PreviewBrowser.h"
#include "platform/QtSheetLocks.h"
#include "support/DiskFiles.h"
#include "support/Fakes.h"
#include "support/PanelFakes.h"

#include <memory>
#include <string>
#include <vector>

namespace tesselo::testing {

// The recording browser as the window holds it: there is no view to place or make.
class FakePreviewBrowser final : public RecordingBrowser<PreviewBrowser> {
public:
    void PlaceIn(QWidget&) override {}
    void EnsureView() override {}
    void ReadSheetTextWith(std::function<QString(std::string_view)>) override {}
    void SetSheetFile(std::function<std::string()>) override {}
};

// A window with the session and the locks it has of its own; they go after it.
class WindowUnderTest {
public:
    WindowUnderTest() = default;
    WindowUnderTest(SettingsStore& settings, UserDialogs& dialogs, ProgressReport& progress,
                    PanelDialogs& choices, PreviewBrowser& browser, bool editorLayout)
        : own_(std::make_unique<Own>(settings, dialogs, progress, choices, browser, editorLayout)) {
    }

    TMainForm* get() const { return own_ ? &own_->Form : nullptr; }
    TMainForm* operator->() const { return get(); }
    TMainForm& operator*() const { return *get(); }
    void reset() { own_.reset(); }

private:
    struct Own {
        Own(SettingsStore& settings, UserDialogs& dialogs, ProgressReport& progress,
            PanelDialogs& choices, PreviewBrowser& browser, bool editorLayout)
            : Form({settings, dialogs, progress, choices, Locks, browser},
                   Chosen(Session, editorLayout)) {
            Session.UseProgress(progress);
            Session.UseDialogs(dialogs); // as the program does: refusals are told
        }
        static StyleEditor& Chosen(StyleEditor& session, bool editorLayout) {
            session.UseEditorLayout(editorLayout);
            return session;
        }
        StyleEditor Session{DiskFiles()};
        QtSheetLocks Locks;
        TMainForm Form;
    };
    std::unique_ptr<Own> own_;
};

class WindowServices {
public:
    // A window over a new session, started with the command line given.
    WindowUnderTest Window(const std::vector<std::string>& arguments = {},
                           SettingsStore* store = nullptr) {
        PreviewBrowser& shown = web_ ? static_cast<PreviewBrowser&>(*web_) : browser;
        WindowUnderTest window(store ? *store : settings, dialogs, progress, choices, shown,
                               EditorLayout);
        if (web_)
            web_->SetSheetFile([&editor = window->Editor()] { return editor.Document().FileName; });
        window->Start(arguments);
        return window;
    }
    // The windows made from now on preview in this browser.
    void UseWebBrowser(std::unique_ptr<PreviewBrowser> web) { web_ = std::move(web); }

    // The windows made from now on start in the editor's own layout, as the tests that
    // pin it need, or in the author's text, as the program starts.
    bool EditorLayout = true;
    FakeSettings settings;
    PanelFakeDialogs dialogs;
    FakeProgress progress;
    FakePanelDialogs choices;
    FakePreviewBrowser browser;

private:
    std::unique_ptr<PreviewBrowser> web_;
};

} // namespace tesselo::testing
