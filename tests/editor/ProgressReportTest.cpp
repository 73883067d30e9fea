// Long work tells how far it is: opening and saving a big sheet report their parts,
// each part's steps rising to its total; small work begins and ends without a step,
// and no question is asked while work is open.

#include "editor/DocumentCommands.h"

#include "support/DiskFiles.h"
#include "support/Fakes.h"
#include "support/Session.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::FakeProgress;

// The user, who also notes whether work was open while being asked.
class WatchingDialogs : public testing::FakeDialogs {
public:
    explicit WatchingDialogs(const FakeProgress& progress) : progress_(progress) {}
    Answer Show(const Message& message) override {
        AskedDuringWork = AskedDuringWork || progress_.Depth != 0;
        return FakeDialogs::Show(message);
    }
    bool AskedDuringWork = false;

private:
    const FakeProgress& progress_;
};

// The calls, each work's steps folded into one "steps" after checking that they rise
// to at most the total of the work they belong to.
std::vector<std::string> Folded(const std::vector<std::string>& calls) {
    std::vector<std::string> folded;
    std::vector<size_t> totals;
    size_t last = 0;
    for (const std::string& call : calls) {
        if (call.starts_with("step ")) {
            const size_t done = std::stoul(call.substr(5));
            EXPECT_FALSE(totals.empty());
            EXPECT_GT(done, last);
            EXPECT_LE(done, totals.empty() ? 0 : totals.back());
            last = done;
            if (folded.back() != "steps")
                folded.push_back("steps");
            continue;
        }
        if (call.starts_with("begin "))
            totals.push_back(std::stoul(call.substr(call.rfind(' ') + 1)));
        else if (!totals.empty())
            totals.pop_back();
        last = 0;
        folded.push_back(call);
    }
    return folded;
}

class ProgressReported : public ::testing::Test {
protected:
    ProgressReported() { editor.UseProgress(progress); }

    std::string Sheet(const std::string& text, const std::string& name = "a.css") {
        path = dir.File(name);
        testing::WriteBytes(path, text);
        return path;
    }

    testing::TempDir dir;
    std::string path;
    FakeProgress progress;
    WatchingDialogs dialogs{progress};
    testing::FakeSettings settings;
    StyleEditor editor{testing::DiskFiles()};
    DocumentCommands commands{editor, dialogs, settings};
};

struct BigSheet {
    const char* Name;
    std::string Text;
    bool ComposeSteps; // enough rules for the composer to step
};

std::string ManyRules() {
    std::string text;
    for (int i = 0; text.size() < (3u << 20); ++i)
        text += ".r" + std::to_string(i) + " { color: red; margin: 0 auto; }\n";
    return text;
}

std::string OneHugeRule() {
    std::string text = ".big {\n";
    for (int i = 0; text.size() < (3u << 20); ++i)
        text += "  --v" + std::to_string(i) + ": 1px;\n";
    return text + "}\n";
}

TEST_F(ProgressReported, ABigSheetReportsItsReadingAndComposing) {
    for (const BigSheet& sheet : {BigSheet{"many rules", ManyRules(), true},
                                  BigSheet{"one huge rule", OneHugeRule(), false}}) {
        SCOPED_TRACE(sheet.Name);
        progress.Calls.clear();
        ASSERT_TRUE(commands.OpenCSSFile(Sheet(sheet.Text, std::string(sheet.Name) + ".css")));
        const std::string bytes = std::to_string(sheet.Text.size());
        EXPECT_EQ(Folded(progress.Calls), (std::vector<std::string>{"begin Открытие файла… 0",
                                                                    "begin Чтение файла… " + bytes,
                                                                    "steps", "end", "end"}));
        progress.Calls.clear();
        testing::Modify(editor);
        ASSERT_TRUE(commands.SaveCSSproc());
        const std::string rules = std::to_string(editor.Document().StyleCount());
        std::vector<std::string> saving{"begin Сохранение файла… 0",
                                        "begin Сборка таблицы стилей… " + rules, "steps", "end",
                                        "end"};
        if (!sheet.ComposeSteps)
            saving.erase(saving.begin() + 2);
        EXPECT_EQ(Folded(progress.Calls), saving);
        EXPECT_EQ(progress.Depth, 0);
    }
}

TEST_F(ProgressReported, SmallWorkTakesNoStep) {
    ASSERT_TRUE(commands.OpenCSSFile(Sheet("h1 { color: red }\n")));
    testing::Modify(editor);
    ASSERT_TRUE(commands.SaveCSSproc());
    EXPECT_EQ(progress.Calls,
              (std::vector<std::string>{"begin Открытие файла… 0", "begin Чтение файла… 18", "end",
                                        "end", "begin Сохранение файла… 0",
                                        "begin Сборка таблицы стилей… 1", "end", "end"}));
}

TEST_F(ProgressReported, NoQuestionIsAskedWhileWorkIsOpen) {
    ASSERT_TRUE(commands.OpenCSSFile(Sheet("h1 { color: red }\n")));
    testing::WriteBytes(path, "another program's text, longer than before\n");
    dialogs.Answers = {Answer::Yes};
    testing::Modify(editor);
    ASSERT_TRUE(commands.SaveCSSproc());
    ASSERT_EQ(dialogs.Shown.size(), 1u); // the file changed on disk
    EXPECT_FALSE(dialogs.AskedDuringWork);
    EXPECT_EQ(progress.Depth, 0);
}

} // namespace
} // namespace tesselo
