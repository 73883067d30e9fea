// A sheet's file removed from under the preview, then back: a "Нет" to writing it
// again holds while the file is gone as the editor last knew it, and no longer once it
// has been there again.

#include "editor/DocumentCommands.h"
#include "editor/Preview.h"

#include "support/DiskFiles.h"
#include "support/EditorLayout.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tesselo {
namespace {

namespace fs = std::filesystem;

using testing::ReadBytes;
using testing::WriteBytes;

const std::string kSheet = "h1 { color: red }\np { margin: 0 }\n";

enum class Event {
    Remove,  // another program removes the file
    Restore, // and puts it back as it was, its time kept (as from the waste basket)
    Replace, // or writes another text in its place
    Reopen,  // the user opens the file again
    Refresh, // the preview writes the sheet
};

enum class Question { None, Gone, Changed };

struct Step {
    Event What;
    Question Asked = Question::None; // for a refresh: the question it asks, answered No
    bool Writes = false;             // for a refresh: the file is written
};

struct FileBackCase {
    const char* Name;
    std::vector<Step> Steps;
};

void PrintTo(const FileBackCase& c, std::ostream* os) {
    *os << c.Name;
}

class PreviewFileBack : public ::testing::TestWithParam<FileBackCase> {
protected:
    PreviewFileBack() {
        WriteBytes(path, kSheet);
        EXPECT_FALSE(editor.LoadCSSFile(path));
        editor.TypeText({"color: blue;"});
        preview.PreviewShowing = true;
    }

    void Run(const Step& step) {
        switch (step.What) {
        case Event::Remove:
            fs::rename(path, aside);
            return;
        case Event::Restore:
            fs::rename(aside, path);
            return;
        case Event::Replace:
            WriteBytes(path, "h2 { color: green }\n");
            return;
        case Event::Reopen:
            ASSERT_FALSE(editor.LoadCSSFile(path));
            return;
        case Event::Refresh:
            break;
        }
        dialogs.Shown.clear();
        dialogs.Answers = {Answer::No};
        const size_t writes = browser.Calls.size();
        preview.RefreshViewExecute();
        const std::vector<std::string> asked = Asked();
        EXPECT_EQ(asked.size(), step.Asked == Question::None ? 0u : 1u);
        if (step.Asked == Question::Gone) {
            EXPECT_EQ(asked, std::vector<std::string>{messages::FileGone(path)});
        } else if (step.Asked == Question::Changed) {
            EXPECT_EQ(asked, std::vector<std::string>{messages::ChangedOnDisk(path)});
        }
        EXPECT_EQ(browser.Calls.size() > writes, step.Writes);
        if (step.Writes) {
            EXPECT_EQ(ReadBytes(path), editor.Document().SheetText.Bytes());
        }
    }

    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (const Message& message : dialogs.Shown)
            texts.push_back(message.Text);
        return texts;
    }

    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    const std::string aside = dir.File("site.css.removed");
    testing::LayoutEditor editor{testing::DiskFiles()};
    testing::FakeBrowser browser;
    testing::FakeDialogs dialogs;
    Preview preview{editor, browser, dialogs};
};

TEST_P(PreviewFileBack, NoHoldsUntilTheFileIsBack) {
    const std::vector<Step>& steps = GetParam().Steps;
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        Run(steps[i]);
    }
}

using E = Event;
using Q = Question;
INSTANTIATE_TEST_SUITE_P(
    Events, PreviewFileBack,
    ::testing::Values(
        FileBackCase{"GoneAndHeld",
                     {{E::Remove}, {E::Refresh, Q::Gone}, {E::Refresh}, {E::Refresh}}},
        FileBackCase{"BackAndWritten_AskedAgainOnceGoneAgain",
                     {{E::Remove},
                      {E::Refresh, Q::Gone},
                      {E::Restore},
                      {E::Refresh, Q::None, true},
                      {E::Remove},
                      {E::Refresh, Q::Gone},
                      {E::Refresh}}},
        // Back with another text that the user would not have written over: the file was
        // there again all the same.
        FileBackCase{"BackChangedAndLeftAlone_AskedAgainOnceGoneAgain",
                     {{E::Remove},
                      {E::Refresh, Q::Gone},
                      {E::Replace},
                      {E::Refresh, Q::Changed},
                      {E::Remove},
                      {E::Refresh, Q::Gone},
                      {E::Refresh}}},
        // Opened again while it was back, without a refresh between.
        FileBackCase{"ReopenedWhileBack_AskedAgainOnceGoneAgain",
                     {{E::Remove},
                      {E::Refresh, Q::Gone},
                      {E::Replace},
                      {E::Reopen},
                      {E::Remove},
                      {E::Refresh, Q::Gone}}}),
    [](const ::testing::TestParamInfo<FileBackCase>& row) { return std::string(row.param.Name); });

} // namespace
} // namespace tesselo
