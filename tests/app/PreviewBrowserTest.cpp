// The preview with the real browser: a local page that links the open sheet shows an
// edited rule after a refresh.

#include "app/EditCSS.h"
#include "platform/WebEngineBrowser.h"
#include "support/Fakes.h"
#include "support/FindWidget.h"
#include "support/Session.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <filesystem>

namespace tesselo {
namespace {

using testing::FakeDialogs;
using testing::TempDir;
using testing::WriteBytes;

// The computed text colour of the page's first heading, as the browser reports it.
QString HeadingColor(QWebEngineView* view) {
    QString color;
    bool done = false;
    view->page()->runJavaScript(
        QStringLiteral("(function(h) { return h ? getComputedStyle(h).color : ''; })"
                       "(document.querySelector('h1'))"),
        [&](const QVariant& result) {
            color = result.toString();
            done = true;
        });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("(no answer)");
    return color;
}

TEST(PreviewBrowser, RefreshShowsTheEditedRuleInTheLinkedPage) {
    TempDir dir;
    const std::string sheet = dir.File("site.css");
    WriteBytes(sheet, "h1 { color: red }\r\n");
    WriteBytes(dir.File("index.html"),
               "<!doctype html><html><head><link rel=\"stylesheet\" href=\"site.css\"></head>"
               "<body><h1>Tesselo</h1></body></html>");

    testing::WindowServices services;
    services.UseWebBrowser();
    services.settings.Window = WindowValues{.HomePage = "file://" + dir.File("index.html")};
    auto window = services.Window({sheet});
    TMainForm& form = *window;
    form.show();

    // The browser is made when the preview is first shown.
    EXPECT_EQ(form.findChild<QWebEngineView*>(QStringLiteral("PreBrowser")), nullptr);
    Control<QTabWidget>(form, "Viewer")->setCurrentIndex(TMainForm::PreView);
    auto* view = form.findChild<QWebEngineView*>(QStringLiteral("PreBrowser"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return HeadingColor(view) == "rgb(255, 0, 0)"; }, 30000));
    EXPECT_EQ(Control<QLineEdit>(form, "LocationView")->text().toStdString(),
              "file://" + dir.File("index.html"));

    Control<QTabWidget>(form, "Viewer")->setCurrentIndex(TMainForm::CssMemoView);
    Control<QPlainTextEdit>(form, "CSSMemo")->setPlainText(QStringLiteral("color: blue;"));
    Control<QTabWidget>(form, "Viewer")->setCurrentIndex(TMainForm::PreView);
    EXPECT_TRUE(QTest::qWaitFor([&] { return HeadingColor(view) == "rgb(0, 0, 255)"; }, 30000));
    form.Editor().MarkSaved();
}

// What the page's script gives back, as text.
QString Evaluate(QWebEngineView* view, const QString& script) {
    QString text = QStringLiteral("(no answer)");
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& result) {
        text = result.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("(no answer)");
    return text;
}

// The preview's browser alone, on a page of the folder.
struct PreviewOnly {
    explicit PreviewOnly(const std::string& sheet) : browser(&dialogs) {
        new QVBoxLayout(&host);
        browser.PlaceIn(host);
        browser.SetSheetFile([sheet] { return sheet; });
        browser.EnsureView();
        QObject::connect(&browser, &WebEngineBrowser::DownloadComplete, [this] { ++loads; });
    }
    bool Load(const std::string& page) {
        const int before = loads;
        browser.Navigate("file://" + page);
        return QTest::qWaitFor([&] { return loads > before; }, 30000);
    }
    FakeDialogs dialogs;
    QWidget host;
    WebEngineBrowser browser;
    int loads = 0;
};

// A page's script reads the files of its own folder and of the sheet's, nothing else:
// not a file above them, not one a link inside them leads to.
TEST(PreviewPage, ReadsLocalFilesOnlyInThePagesAndTheSheetsFolders) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("site"));
    std::filesystem::create_directories(dir.File("css"));
    WriteBytes(dir.File("site/own.txt"), "own");
    WriteBytes(dir.File("css/near.txt"), "near");
    WriteBytes(dir.File("secret.txt"), "secret");
    std::filesystem::create_symlink(dir.File("secret.txt"), dir.File("site/link.txt"));
    WriteBytes(dir.File("site/index.html"), "<!doctype html><html><body>page</body></html>");
    PreviewOnly preview(dir.File("css/site.css"));
    ASSERT_TRUE(preview.Load(dir.File("site/index.html")));

    const QString read =
        Evaluate(preview.browser.View(),
                 QStringLiteral(
                     "(function() {"
                     "  function read(u) {"
                     "    try { const x = new XMLHttpRequest(); x.open('GET', u, false); x.send();"
                     "          return x.responseText || 'empty'; } catch (e) { return 'blocked'; }"
                     "  }"
                     "  return ['own.txt', '../css/near.txt', '../secret.txt', 'link.txt',"
                     "          'file:///etc/hostname'].map(read).join('|');"
                     "})()"));
    EXPECT_EQ(read.toStdString(), "own|near|blocked|blocked|blocked");
}

// A script that shows box after box can be stopped, and the page goes on.
TEST(PreviewPage, AScriptsBoxesOneAfterAnotherCanBeStopped) {
    TempDir dir;
    WriteBytes(dir.File("index.html"),
               "<!doctype html><html><body><script>"
               "for (let i = 0; i < 50; i++) alert('n' + i); document.title = 'done';"
               "</script></body></html>");
    PreviewOnly preview(dir.File("site.css"));
    preview.dialogs.Answers = {Answer::Ok, Answer::Ok, Answer::Ok, Answer::Yes};
    ASSERT_TRUE(preview.Load(dir.File("index.html")));

    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.browser.View()->title() == "done"; }, 10000));
    ASSERT_EQ(preview.dialogs.Shown.size(), 4u);
    EXPECT_EQ(preview.dialogs.Shown[0].Text, "n0");
    EXPECT_EQ(preview.dialogs.Shown[3].Text, "Страница показывает сообщение за сообщением.\r"
                                             "Больше не показывать сообщений этой страницы?");
}

} // namespace
} // namespace tesselo
