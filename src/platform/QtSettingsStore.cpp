#include "platform/QtSettingsStore.h"

#include "platform/QtText.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace tesselo {
namespace {

constexpr char kInit[] = "Init";

std::optional<bool> ReadBool(QSettings& s, const char* key) {
    if (!s.contains(key))
        return std::nullopt;
    return s.value(key).toInt() != 0;
}

std::optional<int> ReadInt(QSettings& s, const char* key) {
    if (!s.contains(key))
        return std::nullopt;
    bool ok = false;
    int value = s.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool HasGroup(QSettings& s, const char* group) {
    return s.childGroups().contains(QLatin1String(group));
}

} // namespace

QtSettingsStore::QtSettingsStore()
#ifdef Q_OS_WIN
    : settings_(std::make_unique<QSettings>(
          QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Velmor\\Tesselo"), QSettings::NativeFormat))
#else
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Velmor"), QStringLiteral("Tesselo")))
#endif
{
}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<FileValues> QtSettingsStore::ReadFileValues() {
    QSettings& s = *settings_;
    s.sync();
    // The key exists once anything was written under it, its subkey included.
    if (s.allKeys().isEmpty())
        return std::nullopt;
    FileValues values;
    values.Version = ToDocumentText(s.value("Version").toString());
    values.PathToLastFile = ToPath(s.value("PathToLastFile").toString());
    values.LastNameStyle = ToDocumentText(s.value("LastNameStyle").toString());
    values.PathToViewHTML = ToDocumentText(s.value("PathToViewHTML").toString());
    return values;
}

std::optional<std::string> QtSettingsStore::WriteFileValues(const FileValues& values) {
    QSettings& s = *settings_;
    s.setValue("Version", FromDocumentText(values.Version));
    s.setValue("PathToLastFile", FromPath(values.PathToLastFile));
    s.setValue("LastNameStyle", FromDocumentText(values.LastNameStyle));
    s.setValue("PathToViewHTML", FromDocumentText(values.PathToViewHTML));
    return Flush();
}

std::optional<WindowValues> QtSettingsStore::ReadWindowValues() {
    QSettings& s = *settings_;
    s.sync();
    if (!HasGroup(s, kInit))
        return std::nullopt;
    s.beginGroup(kInit);
    WindowValues values;
    values.Maximized = ReadBool(s, "Maximized");
    values.FloatPanel = ReadBool(s, "FloatPanel");
    values.AutoRefresh = ReadBool(s, "AutoRefresh");
    values.Viewer = ReadInt(s, "Viewer");
    values.TabPanel = ReadInt(s, "TabPanel");
    if (s.contains("HomePage"))
        values.HomePage = s.value("HomePage").toString().toStdString();
    values.PanelListWidth = ReadInt(s, "PanelListWidth");
    s.endGroup();
    return values;
}

void QtSettingsStore::WriteWindowValues(const WindowValues& values) {
    QSettings& s = *settings_;
    s.beginGroup(kInit);
    auto put = [&s](const char* key, const auto& value) {
        if (value)
            s.setValue(key, *value);
    };
    auto putBool = [&s](const char* key, std::optional<bool> value) {
        if (value)
            s.setValue(key, *value ? 1 : 0);
    };
    putBool("Maximized", values.Maximized);
    putBool("FloatPanel", values.FloatPanel);
    putBool("AutoRefresh", values.AutoRefresh);
    put("Viewer", values.Viewer);
    put("TabPanel", values.TabPanel);
    if (values.HomePage)
        s.setValue("HomePage", QString::fromStdString(*values.HomePage));
    put("PanelListWidth", values.PanelListWidth);
    s.endGroup();
    Flush(); // the window values are skipped silently when the store cannot be written
}

std::optional<std::string> QtSettingsStore::Flush() {
    QSettings& s = *settings_;
    s.sync();
    if (s.status() == QSettings::NoError)
        return std::nullopt;
    // QSettings does not say why; the file itself does.
    QFile file(s.fileName());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return (s.fileName() + QStringLiteral(": ") + file.errorString()).toStdString();
    return (s.fileName() + QStringLiteral(": ") + QStringLiteral("Отказано в доступе"))
        .toStdString();
}

} // namespace tesselo
