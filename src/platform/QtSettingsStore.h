#pragma once

// The settings store over QSettings: on Windows the registry under
// HKEY_LOCAL_MACHINE\Software\Velmor\Tesselo with its subkey "Init"; elsewhere the
// native format in the user's scope (~/.config/Velmor/Tesselo.conf) with the group
// "Init". Booleans are stored as the integers 0 and 1.

#include "document/SettingsStore.h"

#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace tesselo {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A settings file of its own, for tests.
    explicit QtSettingsStore(const QString& iniFile);
    ~QtSettingsStore() override;

    std::optional<FileValues> ReadFileValues() override;
    std::optional<std::string> WriteFileValues(const FileValues& values) override;
    std::optional<WindowValues> ReadWindowValues() override;
    void WriteWindowValues(const WindowValues& values) override;
    std::optional<std::string> ReadSheetPage(const std::string& sheet) override;
    void WriteSheetPage(const std::string& sheet, const std::string& page) override;

private:
    std::optional<std::string> Flush();
    // A settings file that cannot be parsed, or anything but a regular file at its
    // name, is set aside as NAME.bad and the store starts again from the defaults; it
    // is no reason to refuse later writes.
    void SetAsideIfCorrupt();

    std::function<std::unique_ptr<QSettings>()> make_;
    std::unique_ptr<QSettings> settings_;
    bool unwritten_ = false; // a write failed: the next one is tried whatever it holds
};

} // namespace tesselo
