#include "platform/QtSettingsStore.h"
#include "panel/UiText.h"

#include "platform/QtText.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

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

// Moves the name itself aside (a link stays a link, a device is not opened); the
// name is free afterwards.
void MoveAside(const QString& file) {
    const QByteArray from = QFile::encodeName(file);
    const QByteArray to = QFile::encodeName(file + QStringLiteral(".bad"));
    std::remove(to.constData());
    if (std::rename(from.constData(), to.constData()) != 0)
        std::remove(from.constData());
}

// Anything but a regular file at the name (a link to a device, a FIFO, a folder) would
// be read or written through: it is set aside before a store reads it.
void SetAsideIfNoRegularFile(const QString& file) {
    const QFileInfo at(file);
    if ((at.exists() || at.isSymLink()) && !at.isFile())
        MoveAside(file);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : make_([] {
#ifdef Q_OS_WIN
          return std::make_unique<QSettings>(
              QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Velmor\\Tesselo"),
              QSettings::NativeFormat);
#else
          SetAsideIfNoRegularFile(
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/Velmor/Tesselo.conf"));
          return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Velmor"), QStringLiteral("Tesselo"));
#endif
      }),
      settings_(make_()) {
    SetAsideIfCorrupt();
}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : make_([iniFile] {
          SetAsideIfNoRegularFile(iniFile);
          return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
      }),
      settings_(make_()) {
    SetAsideIfCorrupt();
}

void QtSettingsStore::SetAsideIfCorrupt() {
    settings_->sync();
    if (settings_->status() != QSettings::FormatError)
        return;
    const QString file = settings_->fileName();
    settings_.reset();
    MoveAside(file);
    settings_ = make_();
}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<FileValues> QtSettingsStore::ReadFileValues() {
    SetAsideIfCorrupt();
    QSettings& s = *settings_;
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
    SetAsideIfCorrupt();
    QSettings& s = *settings_;
    // The file is written only when a value changed: a start on the sheet of the last
    // session writes nothing. The store has just read the file again, so a value
    // another window wrote since is not taken for this one's.
    bool changed = unwritten_;
    auto set = [&](const char* key, const QString& value) {
        if (s.contains(key) && s.value(key).toString() == value)
            return;
        s.setValue(key, value);
        changed = true;
    };
    set("Version", FromDocumentText(values.Version));
    set("PathToLastFile", FromPath(values.PathToLastFile));
    set("LastNameStyle", FromDocumentText(values.LastNameStyle));
    set("PathToViewHTML", FromDocumentText(values.PathToViewHTML));
    if (!changed)
        return std::nullopt;
    auto error = Flush();
    unwritten_ = error.has_value();
    return error;
}

std::optional<WindowValues> QtSettingsStore::ReadWindowValues() {
    SetAsideIfCorrupt();
    QSettings& s = *settings_;
    if (!HasGroup(s, kInit))
        return std::nullopt;
    s.beginGroup(kInit);
    WindowValues values;
    values.Maximized = ReadBool(s, "Maximized");
    values.FloatPanel = ReadBool(s, "FloatPanel");
    values.AutoRefresh = ReadBool(s, "AutoRefresh");
    values.FullReload = ReadBool(s, "FullReload");
    values.EditorLayout = ReadBool(s, "EditorLayout");
    values.Viewer = ReadInt(s, "Viewer");
    values.TabPanel = ReadInt(s, "TabPanel");
    if (s.contains("HomePage"))
        values.HomePage = s.value("HomePage").toString().toStdString();
    values.PreviewWidth = ReadInt(s, "PreviewWidth");
    values.PanelListWidth = ReadInt(s, "PanelListWidth");
    values.Left = ReadInt(s, "Left");
    values.Top = ReadInt(s, "Top");
    values.Width = ReadInt(s, "Width");
    values.Height = ReadInt(s, "Height");
    s.endGroup();
    return values;
}

void QtSettingsStore::WriteWindowValues(const WindowValues& values) {
    SetAsideIfCorrupt();
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
    putBool("FullReload", values.FullReload);
    putBool("EditorLayout", values.EditorLayout);
    put("Viewer", values.Viewer);
    put("TabPanel", values.TabPanel);
    if (values.HomePage)
        s.setValue("HomePage", QString::fromStdString(*values.HomePage));
    put("PreviewWidth", values.PreviewWidth);
    put("PanelListWidth", values.PanelListWidth);
    put("Left", values.Left);
    put("Top", values.Top);
    put("Width", values.Width);
    put("Height", values.Height);
    s.endGroup();
    Flush(); // the window values are skipped silently when the store cannot be written
}

namespace {

// A path as one key: its slashes would make groups of it.
QString SheetKey(const std::string& sheet) {
    return QString::fromLatin1(QByteArray::fromStdString(sheet).toPercentEncoding());
}

} // namespace

std::optional<std::string> QtSettingsStore::ReadSheetPage(const std::string& sheet) {
    SetAsideIfCorrupt();
    QSettings& s = *settings_;
    const QString key = QStringLiteral("SheetPages/") + SheetKey(sheet);
    if (!s.contains(key))
        return std::nullopt;
    return s.value(key).toString().toStdString();
}

void QtSettingsStore::WriteSheetPage(const std::string& sheet, const std::string& page) {
    SetAsideIfCorrupt();
    settings_->setValue(QStringLiteral("SheetPages/") + SheetKey(sheet),
                        QString::fromStdString(page));
    Flush();
}

std::optional<std::string> QtSettingsStore::Flush() {
    QSettings& s = *settings_;
    s.sync();
    // Only a failed write is reported; a format error is the file's, not the write's.
    if (s.status() != QSettings::AccessError)
        return std::nullopt;
    // QSettings does not say why; the file itself, or its folder, does.
    QFile file(s.fileName());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return (s.fileName() + QStringLiteral(": ") + file.errorString()).toStdString();
    return (s.fileName() + QStringLiteral(": ") + Tr("не удалось записать файл настроек"))
        .toStdString();
}

} // namespace tesselo
