#include "platform/QtSettingsStore.h"
#include "support/TempDir.h"

#include <QSettings>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

QString IniIn(const TempDir& dir) {
    return QString::fromStdString(dir.File("Tesselo.conf"));
}

TEST(QtSettingsStore, EmptyStore_HasNeitherKey) {
    TempDir dir;
    QtSettingsStore store(IniIn(dir));
    EXPECT_FALSE(store.ReadFileValues().has_value());
    EXPECT_FALSE(store.ReadWindowValues().has_value());
}

TEST(QtSettingsStore, FileValues_SurviveAStoreOfTheirOwn) {
    TempDir dir;
    FileValues written{"1.0beta", "/home/u/site/\xD0\xB0.css", "h1 \xC0\xFF", "test"};
    {
        QtSettingsStore store(IniIn(dir));
        EXPECT_FALSE(store.WriteFileValues(written).has_value());
    }
    QtSettingsStore again(IniIn(dir));
    auto read = again.ReadFileValues();
    ASSERT_TRUE(read.has_value());
    // The selector's Windows-1251 bytes and the path's own bytes come back unchanged.
    EXPECT_EQ(*read, written);
}

TEST(QtSettingsStore, FileValues_SameAsStored_FileNotWrittenButAnotherWindowsWriteIsSeen) {
    TempDir dir;
    const FileValues mine{"1.0beta", "/tmp/a.css", "h1", "test"};
    const FileValues theirs{"1.0beta", "/tmp/b.css", "p", "test"};
    QtSettingsStore store(IniIn(dir));
    ASSERT_EQ(store.WriteFileValues(mine), std::nullopt);
    auto inode = [&] {
        struct stat at {};
        return ::stat(dir.File("Tesselo.conf").c_str(), &at) == 0 ? at.st_ino : 0;
    };
    const auto written = inode();
    EXPECT_EQ(store.WriteFileValues(mine), std::nullopt);
    EXPECT_EQ(inode(), written) << "the same values are not written again";
    // Another window's store writes its own; this one's values are then no longer stored.
    ASSERT_EQ(QtSettingsStore(IniIn(dir)).WriteFileValues(theirs), std::nullopt);
    EXPECT_EQ(store.WriteFileValues(mine), std::nullopt);
    EXPECT_EQ(QtSettingsStore(IniIn(dir)).ReadFileValues(), mine);
}

TEST(QtSettingsStore, WindowValues_AreKeptInTheInitGroupWithBooleansAsZeroAndOne) {
    TempDir dir;
    WindowValues values;
    values.Maximized = true;
    values.FloatPanel = false;
    values.AutoRefresh = true;
    values.FullReload = false;
    values.EditorLayout = true;
    values.Viewer = 3;
    values.TabPanel = 2;
    values.HomePage = "file:///tmp/index.html";
    values.PreviewWidth = 375;
    values.PanelListWidth = 200;
    values.Left = -1200; // on a screen left of the primary one
    values.Top = 40;
    values.Width = 900;
    values.Height = 640;
    {
        QtSettingsStore store(IniIn(dir));
        store.WriteWindowValues(values);
    }
    QSettings raw(IniIn(dir), QSettings::IniFormat);
    raw.beginGroup("Init");
    EXPECT_EQ(raw.value("Maximized").toString(), "1");
    EXPECT_EQ(raw.value("FloatPanel").toString(), "0");
    EXPECT_EQ(raw.value("AutoRefresh").toString(), "1");
    EXPECT_EQ(raw.value("FullReload").toString(), "0");
    EXPECT_EQ(raw.value("EditorLayout").toString(), "1");
    EXPECT_EQ(raw.value("Viewer").toInt(), 3);
    EXPECT_EQ(raw.value("HomePage").toString(), "file:///tmp/index.html");
    EXPECT_EQ(raw.value("PreviewWidth").toInt(), 375);
    EXPECT_EQ(raw.value("Left").toInt(), -1200);
    EXPECT_EQ(raw.value("Height").toInt(), 640);
    raw.endGroup();

    QtSettingsStore again(IniIn(dir));
    EXPECT_EQ(again.ReadWindowValues(), values);
}

TEST(QtSettingsStore, SheetPages_AreKeptForEachSheetByItsWholePath) {
    TempDir dir;
    const std::string sheets[] = {"/site/a.css", "/site/b.css", "/сайт/стиль 1.css"};
    {
        QtSettingsStore store(IniIn(dir));
        for (const std::string& sheet : sheets)
            store.WriteSheetPage(sheet, "file://" + sheet + ".html");
        store.WriteSheetPage(sheets[0], "http://localhost/");
    }
    QtSettingsStore again(IniIn(dir));
    EXPECT_EQ(again.ReadSheetPage(sheets[0]), "http://localhost/");
    EXPECT_EQ(again.ReadSheetPage(sheets[2]), "file:///сайт/стиль 1.css.html");
    EXPECT_EQ(again.ReadSheetPage("/site"), std::nullopt);
}

TEST(QtSettingsStore, MissingWindowValues_ReadAsAbsent) {
    TempDir dir;
    {
        QSettings raw(IniIn(dir), QSettings::IniFormat);
        raw.setValue("Init/Viewer", 1);
    }
    QtSettingsStore store(IniIn(dir));
    auto values = store.ReadWindowValues();
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->Viewer, 1);
    EXPECT_FALSE(values->Maximized.has_value());
    EXPECT_FALSE(values->HomePage.has_value());
    EXPECT_FALSE(values->PanelListWidth.has_value());
    EXPECT_FALSE(values->Width.has_value());
}

TEST(QtSettingsStore, WindowKeyAlone_StillOpensTheFileKeyWithEmptyValues) {
    TempDir dir;
    {
        QtSettingsStore store(IniIn(dir));
        store.WriteWindowValues(WindowValues{.Viewer = 0});
    }
    QtSettingsStore store(IniIn(dir));
    auto file = store.ReadFileValues();
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->PathToLastFile, "");
    EXPECT_EQ(file->LastNameStyle, "");
}

// A file that cannot be parsed is set aside as NAME.bad, byte for byte, and the store
// goes on from the defaults: writing it succeeds and reports nothing.
TEST(QtSettingsStore, CorruptFile_SetAsideAsBad_WritesSucceedSilently) {
    const std::vector<std::string> corrupt = {"[General\nPathToLastFile=/a.css\n",
                                              "no equals sign here\n",
                                              std::string("\xff\xfe\0\x01garbage", 11)};
    for (const std::string& bytes : corrupt) {
        TempDir dir;
        WriteBytes(dir.File("Tesselo.conf"), bytes);
        QtSettingsStore store(IniIn(dir));
        EXPECT_FALSE(store.ReadFileValues().has_value());
        const FileValues written{"1.0beta", "/tmp/a.css", "h1", "test"};
        EXPECT_EQ(store.WriteFileValues(written), std::nullopt);
        EXPECT_EQ(store.ReadFileValues(), written);
        EXPECT_EQ(ReadBytes(dir.File("Tesselo.conf.bad")), bytes);
        EXPECT_EQ(QtSettingsStore(IniIn(dir)).ReadFileValues(), written);
    }
}

// A link to a FIFO (as to a device), a FIFO or a folder at the settings file's name is
// never read or written through: the name is set aside, and what it led to stays.
TEST(QtSettingsStore, NoRegularFileAtTheName_SetAside_NothingWrittenThroughIt) {
    for (const std::string kind : {"link to a fifo", "fifo", "folder", "dangling link"}) {
        SCOPED_TRACE(kind);
        TempDir dir;
        const std::string name = dir.File("Tesselo.conf");
        const std::string fifo = dir.File("fifo");
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        if (kind == "link to a fifo")
            std::filesystem::create_symlink(fifo, name);
        else if (kind == "fifo")
            ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
        else if (kind == "folder")
            std::filesystem::create_directory(name);
        else
            std::filesystem::create_symlink(dir.File("nowhere"), name);

        QtSettingsStore store(IniIn(dir));
        const FileValues written{"1.0beta", "/tmp/a.css", "h1", "test"};
        EXPECT_EQ(store.WriteFileValues(written), std::nullopt);
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(name)));
        EXPECT_EQ(QtSettingsStore(IniIn(dir)).ReadFileValues(), written);
        EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << "the fifo the link led to stays";
        EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere")));
    }
}

TEST(QtSettingsStore, UnwritableStore_ReportsWhyAndWindowValuesAreSkippedSilently) {
    TempDir dir;
    // The settings file's folder is a regular file, so nothing can be written there.
    WriteBytes(dir.File("blocked"), "x");
    QtSettingsStore store(QString::fromStdString(dir.File("blocked") + "/Tesselo.conf"));
    auto error = store.WriteFileValues({"1.0beta", "/tmp/a.css", "h1", "test"});
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
    store.WriteWindowValues(WindowValues{.Viewer = 1});
}

} // namespace
} // namespace tesselo
