#pragma once

// The settings kept between runs: the last file and its selected style, and the main
// window's arrangement.

#include <optional>
#include <string>

namespace tesselo {

struct FileValues {
    std::string Version;
    std::string PathToLastFile;
    std::string LastNameStyle;
    std::string PathToViewHTML;
    bool operator==(const FileValues&) const = default;
};

// Each value is absent when the store does not hold it.
struct WindowValues {
    std::optional<bool> Maximized{};
    std::optional<bool> FloatPanel{};
    std::optional<bool> AutoRefresh{};
    std::optional<bool> FullReload{};
    std::optional<bool> EditorLayout{}; // the rule's text in the editor's own layout
    std::optional<int> Viewer{};
    std::optional<int> TabPanel{};
    std::optional<std::string> HomePage{};
    std::optional<int> PreviewWidth{}; // the preview's page width; 0: the preview's own
    std::optional<int> PanelListWidth{};
    // The window's client area on the desktop when it is neither maximised nor minimised.
    std::optional<int> Left{};
    std::optional<int> Top{};
    std::optional<int> Width{};
    std::optional<int> Height{};
    bool operator==(const WindowValues&) const = default;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Nothing when the file key does not exist; a missing value reads as empty.
    virtual std::optional<FileValues> ReadFileValues() = 0;
    // Returns the store's error message when the values could not be written.
    virtual std::optional<std::string> WriteFileValues(const FileValues& values) = 0;
    // Nothing when the window key does not exist.
    virtual std::optional<WindowValues> ReadWindowValues() = 0;
    // A store that cannot be written is skipped silently.
    virtual void WriteWindowValues(const WindowValues& values) = 0;
    // The page last previewed with the sheet at `sheet` (its full path), if any; a
    // store that cannot be written skips it silently.
    virtual std::optional<std::string> ReadSheetPage(const std::string& sheet) = 0;
    virtual void WriteSheetPage(const std::string& sheet, const std::string& page) = 0;
};

} // namespace tesselo
