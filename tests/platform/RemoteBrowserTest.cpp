// The preview's browser in its helper program, driven over the channel as the window
// drives it: started when first shown, answering, said and started again when it goes,
// and gone with the editor.

#include "platform/RemoteBrowser.h"

#include "support/TempDir.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

using testing::TempDir;
using testing::WriteBytes;

constexpr int kPageMs = 60000;

struct RemotePage {
    explicit RemotePage(QString program = {}) : browser(std::make_unique<RemoteBrowser>(program)) {
        WriteBytes(dir.File("site.css"), "p { color: red }\n");
        WriteBytes(dir.File("index.html"),
                   "<!doctype html><html><head><link rel=\"stylesheet\" href=\"site.css\"></head>"
                   "<body><p>one</p><p>two</p></body></html>");
        new QVBoxLayout(&page);
        browser->PlaceIn(page);
        browser->SetSheetFile([this] { return dir.File("site.css"); });
        QObject::connect(browser.get(), &PreviewBrowser::DownloadComplete, [this] { ++loads; });
        QObject::connect(browser.get(), &PreviewBrowser::BrowserNotice,
                         [this](const QString& text) { notices.push_back(text); });
        QObject::connect(browser.get(), &PreviewBrowser::ElementsOutlined, [this](int count) {
            outlined = count;
            ++answers;
        });
        QObject::connect(browser.get(), &PreviewBrowser::PageScaled,
                         [this](double to) { scale = to; });
    }
    std::string Address() const { return "file://" + dir.File("index.html"); }
    QString Note() const {
        auto* note = page.findChild<QLabel*>(QStringLiteral("PreviewNote"));
        return note && note->isVisible() ? note->text() : QString();
    }

    TempDir dir;
    QWidget page;
    std::unique_ptr<RemoteBrowser> browser;
    int loads = 0;
    int outlined = -1;
    int answers = 0;
    double scale = 1;
    std::vector<QString> notices;
};

// The wait for a started helper's answer; the tests tell it the time is up rather than
// wait it out.
QTimer& AnswerWait(RemoteBrowser& browser) {
    auto* timer = browser.findChild<QTimer*>(QStringLiteral("HelperAnswer"));
    if (!timer)
        throw std::logic_error("the browser has no wait for the helper's answer");
    return *timer;
}

// A helper program that starts and never says hello.
std::string SilentHelper(const TempDir& bin) {
    const std::string silent = bin.File("silent-preview");
    WriteBytes(silent, "#!/bin/sh\nexec sleep 60\n");
    std::filesystem::permissions(silent, std::filesystem::perms::owner_all);
    return silent;
}

TEST(RemoteBrowser, StartsWhenShown_AnswersIsStartedAgainAfterACrash_AndGoesWithTheEditor) {
    RemotePage remote;
    RemoteBrowser& browser = *remote.browser;
    // Asked before it is shown, it keeps what it was asked and starts nothing.
    browser.Navigate(remote.Address());
    browser.OutlineElements("p");
    browser.SetPageWidth(3840); // wider than the page's place: shown scaled down
    EXPECT_EQ(browser.HelperProcess(), 0);
    EXPECT_EQ(browser.Location(), remote.Address());

    remote.page.show();
    browser.EnsureView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.HelperProcess() != 0; }, kPageMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.loads > 0 && remote.answers > 0; }, kPageMs));
    EXPECT_EQ(browser.Location(), remote.Address());
    EXPECT_EQ(remote.outlined, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return remote.scale < 1; }, kPageMs));
    EXPECT_TRUE(remote.notices.empty());
    // Offscreen, no window of another program can stand in the page: it says where the
    // page is shown instead.
    EXPECT_EQ(remote.Note(), "Страница показана в отдельном окне «Просмотр страницы»");
    // A helper that answered is not given up later.
    EXPECT_FALSE(AnswerWait(browser).isActive());

    const qint64 first = browser.HelperProcess();
    ::kill(static_cast<pid_t>(first), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !remote.notices.empty(); }, kPageMs));
    const QString crashed = QStringLiteral(
        "Просмотр страницы завершился аварийно; при следующем обновлении он будет запущен снова");
    EXPECT_EQ(remote.notices, std::vector<QString>{crashed});
    EXPECT_EQ(remote.Note(), crashed);
    EXPECT_EQ(browser.HelperProcess(), 0);
    browser.GoBack(); // nothing to go back in; nothing starts
    EXPECT_EQ(browser.HelperProcess(), 0);

    // The next refresh starts it again, on the same page, with the same outlines and
    // width.
    remote.scale = 1;
    browser.SheetWritten(remote.dir.File("site.css"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.HelperProcess() != 0; }, kPageMs));
    const qint64 second = browser.HelperProcess();
    EXPECT_NE(second, first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.loads > 1 && remote.answers > 1; }, kPageMs));
    EXPECT_EQ(remote.notices.back(), "Просмотр страницы запущен снова");
    EXPECT_EQ(remote.outlined, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return remote.scale < 1; }, kPageMs));
    EXPECT_EQ(browser.Location(), remote.Address());

    remote.browser.reset();
    EXPECT_EQ(::kill(static_cast<pid_t>(second), 0), -1) << "the helper outlived the editor";
}

// The page's sheets and the computed values come back from the helper's page; with no
// element picked there, the values asked for are none.
TEST(RemoteBrowser, TheHelperAnswersForThePagesSheetsAndComputedValues) {
    RemotePage remote;
    RemoteBrowser& browser = *remote.browser;
    std::vector<PageSheet> sheets;
    std::optional<std::pair<int, std::vector<ComputedValue>>> computed;
    QObject::connect(&browser, &PreviewBrowser::PageSheetsFound,
                     [&](const std::vector<PageSheet>& found) { sheets = found; });
    QObject::connect(&browser, &PreviewBrowser::ComputedValuesFound,
                     [&](int request, const std::vector<ComputedValue>& values) {
                         computed.emplace(request, values);
                     });
    browser.Navigate(remote.Address());
    remote.page.show();
    browser.EnsureView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.loads > 0; }, kPageMs));
    browser.AskPageSheets();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sheets.empty(); }, kPageMs));
    EXPECT_EQ(sheets, (std::vector<PageSheet>{{remote.dir.File("site.css"), 0}}));
    browser.AskComputedValues(7, {"color"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return computed.has_value(); }, kPageMs));
    EXPECT_EQ(computed->first, 7);
    EXPECT_TRUE(computed->second.empty());
}

// A translation that knows the helper's title, as the English one does.
class TitleInEnglish final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QString::fromUtf8(source) == QStringLiteral("Просмотр страницы")
                   ? QStringLiteral("Page Preview")
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

// The helper speaks the editor's language: it is asked for English when the editor's texts
// are English, and for nothing otherwise.
TEST(RemoteBrowser, TheHelperIsAskedForEnglishWhenTheEditorSpeaksIt) {
    TempDir bin;
    const std::string helper = bin.File("listening-preview");
    WriteBytes(helper, "#!/bin/sh\necho \"$@\" > \"$0.args\"\nexec sleep 60\n");
    std::filesystem::permissions(helper, std::filesystem::perms::owner_all);
    auto argumentsOfAStart = [&] {
        std::filesystem::remove(helper + ".args");
        RemotePage remote(QString::fromStdString(helper));
        remote.page.show();
        remote.browser->EnsureView();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return std::filesystem::exists(helper + ".args") &&
                       !testing::ReadBytes(helper + ".args").empty();
            },
            kPageMs));
        return testing::ReadBytes(helper + ".args");
    };
    EXPECT_EQ(argumentsOfAStart().find("--lang"), std::string::npos);
    TitleInEnglish english;
    QCoreApplication::installTranslator(&english);
    EXPECT_NE(argumentsOfAStart().find(" --lang en"), std::string::npos);
    QCoreApplication::removeTranslator(&english);
}

// A helper that never says hello is not waited for when the editor goes.
TEST(RemoteBrowser, AHelperThatHasNotAnswered_GoesWithTheEditor) {
    TempDir bin;
    RemotePage remote(QString::fromStdString(SilentHelper(bin)));
    remote.page.show();
    remote.browser->EnsureView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote.browser->HelperProcess() != 0; }, kPageMs));
    const auto helper = static_cast<pid_t>(remote.browser->HelperProcess());
    QTest::qWait(100);
    EXPECT_FALSE(remote.browser->IsReady());
    remote.browser.reset();
    EXPECT_EQ(::kill(helper, 0), -1) << "the helper outlived the editor";
    EXPECT_TRUE(remote.notices.empty());
}

// A helper silent for 30 s is given up: stopped, said, and started again by the next
// refresh, which waits for its answer anew.
TEST(RemoteBrowser, AHelperSilentFor30Seconds_IsGivenUpAndStartedAgainByTheNextRefresh) {
    TempDir bin;
    RemotePage remote(QString::fromStdString(SilentHelper(bin)));
    RemoteBrowser& browser = *remote.browser;
    remote.page.show();
    browser.EnsureView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.HelperProcess() != 0; }, kPageMs));
    const auto first = static_cast<pid_t>(browser.HelperProcess());
    QTimer& wait = AnswerWait(browser);
    EXPECT_TRUE(wait.isActive());
    EXPECT_TRUE(wait.isSingleShot());
    EXPECT_EQ(wait.interval(), 30000);
    EXPECT_TRUE(remote.notices.empty());

    ASSERT_TRUE(QMetaObject::invokeMethod(&wait, "timeout")); // the 30 s are up

    const QString silent = QStringLiteral(
        "Просмотр страницы не ответил; при следующем обновлении он будет запущен снова");
    EXPECT_EQ(remote.notices, std::vector<QString>{silent});
    EXPECT_EQ(remote.Note(), silent);
    EXPECT_EQ(browser.HelperProcess(), 0);
    EXPECT_EQ(::kill(first, 0), -1) << "the helper given up still runs";
    EXPECT_FALSE(wait.isActive());

    browser.SheetWritten(remote.dir.File("site.css"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.HelperProcess() != 0; }, kPageMs));
    EXPECT_NE(browser.HelperProcess(), first);
    EXPECT_TRUE(wait.isActive());
    EXPECT_EQ(remote.notices.size(), 1u);
}

TEST(RemoteBrowser, AHelperThatCannotStart_IsSaid) {
    RemotePage remote(QStringLiteral("/nonexistent/tesselo-preview"));
    remote.page.show();
    remote.browser->EnsureView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !remote.notices.empty(); }, kPageMs));
    EXPECT_TRUE(remote.notices[0].startsWith(
        "Не удалось запустить просмотр страницы (/nonexistent/tesselo-preview)"))
        << remote.notices[0].toStdString();
    EXPECT_EQ(remote.Note(), remote.notices[0]);
}

} // namespace
} // namespace tesselo
