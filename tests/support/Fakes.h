#pragma once

// Fakes of the platform: a user who answers from a script, an in-memory settings
// store, a browser that records what it was asked to do and files that keep what was
// written to them in memory.

#include "document/Browser.h"
#include "document/FileReplacer.h"
#include "document/Progress.h"
#include "document/SettingsStore.h"
#include "document/UserDialogs.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tesselo::testing {

class FakeDialogs : public UserDialogs {
public:
    Answer Show(const Message& message) override {
        Shown.push_back(message);
        if (Answers.empty())
            return message.Buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
        Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::optional<std::string> ChooseFileToOpen(const std::string& initialPath) override {
        OpenDialogInitialPaths.push_back(initialPath);
        return Take(OpenChoices);
    }
    std::optional<std::string> ChooseFileToSave(const std::string& initialPath) override {
        SaveDialogInitialPaths.push_back(initialPath);
        return Take(SaveChoices);
    }

    // Answers to the message boxes, in order; when they run out, Cancel (or Ok).
    std::deque<Answer> Answers;
    // Files chosen in the open and save dialogs, in order; nullopt cancels the dialog.
    std::deque<std::optional<std::string>> OpenChoices;
    std::deque<std::optional<std::string>> SaveChoices;

    std::vector<Message> Shown;
    std::vector<std::string> OpenDialogInitialPaths;
    std::vector<std::string> SaveDialogInitialPaths;

private:
    static std::optional<std::string> Take(std::deque<std::optional<std::string>>& choices) {
        if (choices.empty())
            return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

class FakeSettings : public SettingsStore {
public:
    std::optional<FileValues> ReadFileValues() override { return File; }
    std::optional<std::string> WriteFileValues(const FileValues& values) override {
        ++FileWrites;
        if (WriteError)
            return WriteError;
        File = values;
        return std::nullopt;
    }
    std::optional<WindowValues> ReadWindowValues() override { return Window; }
    void WriteWindowValues(const WindowValues& values) override {
        ++WindowWrites;
        Window = values;
    }
    std::optional<std::string> ReadSheetPage(const std::string& sheet) override {
        const auto found = Pages.find(sheet);
        return found == Pages.end() ? std::nullopt : std::optional(found->second);
    }
    void WriteSheetPage(const std::string& sheet, const std::string& page) override {
        Pages[sheet] = page;
    }

    std::optional<FileValues> File;
    std::optional<WindowValues> Window;
    std::map<std::string, std::string> Pages; // sheet -> page
    std::optional<std::string> WriteError;    // every file-values write fails with it
    int FileWrites = 0;
    int WindowWrites = 0;
};

// A browser that writes down what it was asked to do, as any kind of Browser.
template <typename Base = Browser> class RecordingBrowser : public Base {
public:
    void Navigate(const std::string& address) override {
        Calls.push_back("navigate " + address);
        Current = address;
    }
    void GoBack() override { Calls.push_back("back"); }
    void GoForward() override { Calls.push_back("forward"); }
    void Reload() override { Calls.push_back("reload"); }
    void Stop() override { Calls.push_back("stop"); }
    std::string Location() const override { return Current; }
    void SheetWritten(const std::string& file) override { Calls.push_back("sheet " + file); }
    void StartPicking(const std::vector<PageRule>& rules) override {
        Calls.push_back("pick");
        Rules = rules;
    }
    void StopPicking() override { Calls.push_back("stop picking"); }
    void OutlineElements(const std::string& selector) override {
        Calls.push_back("outline " + selector);
    }
    void SetPageWidth(int width) override { Calls.push_back("width " + std::to_string(width)); }
    void ForceStates(const std::vector<std::string>& states, const std::string& sheet) override {
        std::string call = "force";
        for (const std::string& state : states)
            call += " " + state;
        Calls.push_back(call);
        ForcedSheet = sheet;
    }

    void ApplyRule(const RuleEdit& rule) override { Applied.push_back(rule); }
    void AskComputedValues(int request, const std::vector<std::string>& properties) override {
        Calls.push_back("computed " + std::to_string(request));
        Asked = properties;
    }
    void AskPageSheets() override { Calls.push_back("sheets"); }
    void SheetWrittenAfterApply(const std::string& file) override {
        Calls.push_back("sheet after apply " + file);
    }
    void CheckValues(int request, const std::vector<ValueCheck>& values) override {
        Checked.emplace_back(request, values);
    }

    std::vector<std::string> Calls;
    std::vector<RuleEdit> Applied; // the rules put into the page ahead of their file
    std::vector<std::pair<int, std::vector<ValueCheck>>> Checked; // the values asked about
    std::vector<PageRule> Rules;                                  // those of the last pick
    std::string ForcedSheet;                                      // of the last states forced
    std::vector<std::string> Asked; // the properties of the last computed values asked
    std::string Current = "about:blank";
};
using FakeBrowser = RecordingBrowser<>;

class FakeFiles : public FileReplacer {
public:
    struct Write {
        std::vector<std::string> Paths;
        std::string Bytes;
        WriteMode Mode;
    };

    std::optional<std::string> ReplaceFiles(const std::vector<std::string>& paths,
                                            std::string_view bytes, WriteMode mode) override {
        Writes.push_back({paths, std::string(bytes), mode});
        return std::nullopt;
    }
    std::optional<std::string> RemoveFile(const std::string& path) override {
        Removed.push_back(path);
        return std::nullopt;
    }
    std::optional<std::string> MoveFile(const std::string& from, const std::string& to) override {
        Moved.push_back({from, to});
        return std::nullopt;
    }

    std::vector<Write> Writes;
    std::vector<std::string> Removed;
    std::vector<std::pair<std::string, std::string>> Moved;
};

// Progress that writes down what it is told: "begin LABEL TOTAL", "step DONE", "end".
class FakeProgress : public ProgressReport {
public:
    void Begin(std::string_view label, size_t total) override {
        Calls.push_back("begin " + std::string(label) + " " + std::to_string(total));
        ++Depth;
    }
    void Step(size_t done) override { Calls.push_back("step " + std::to_string(done)); }
    void End() override {
        Calls.push_back("end");
        --Depth;
    }

    std::vector<std::string> Calls;
    int Depth = 0; // works begun and not ended
};

} // namespace tesselo::testing
