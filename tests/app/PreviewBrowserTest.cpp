// The preview with the real browser: a local page that links the open sheet shows an
// edited rule after a refresh.

#include "app/EditCSS.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

using testing::FakeDialogs;
using testing::FakeSettings;
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

    FakeDialogs dialogs;
    FakeSettings settings;
    settings.Window = WindowValues{.HomePage = "file://" + dir.File("index.html")};
    MainFormServices services;
    services.Settings = &settings;
    services.Dialogs = &dialogs;
    services.Arguments = {sheet};
    TMainForm form(std::move(services));
    form.show();

    // The browser is made when the preview is first shown.
    EXPECT_EQ(form.findChild<QWebEngineView*>(QStringLiteral("PreBrowser")), nullptr);
    form.Viewer->setCurrentIndex(TMainForm::PreView);
    auto* view = form.findChild<QWebEngineView*>(QStringLiteral("PreBrowser"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return HeadingColor(view) == "rgb(255, 0, 0)"; }, 30000));
    EXPECT_EQ(form.LocationView->text().toStdString(), "file://" + dir.File("index.html"));

    form.Viewer->setCurrentIndex(TMainForm::CssMemoView);
    form.CSSMemo->setPlainText(QStringLiteral("color: blue;"));
    form.Viewer->setCurrentIndex(TMainForm::PreView);
    EXPECT_TRUE(QTest::qWaitFor([&] { return HeadingColor(view) == "rgb(0, 0, 255)"; }, 30000));
    form.Editor().Document.Modified = false;
}

} // namespace
} // namespace tesselo
