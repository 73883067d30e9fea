// The preview with the real browser: a local page that links the open sheet shows an
// edited rule after a refresh.

#include "app/EditCSS.h"
#include "document/ByteText.h"
#include "editor/InactiveDeclarations.h"
#include "platform/WebEngineBrowser.h"
#include "support/Fakes.h"
#include "support/FindWidget.h"
#include "support/Session.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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
    services.UseWebBrowser(std::make_unique<WebEngineBrowser>(&services.dialogs));
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

// A page whose script never ends answers nothing; the program waits for none of it.
TEST(PreviewPage, AScriptThatNeverEndsLeavesTheProgramGoingOn) {
    TempDir dir;
    WriteBytes(dir.File("index.html"),
               "<!doctype html><html><body><p>1</p><script>"
               "addEventListener('load', () => setTimeout(() => { for (;;) {} }, 0));"
               "</script></body></html>");
    PreviewOnly preview(dir.File("site.css"));
    ASSERT_TRUE(preview.Load(dir.File("index.html")));
    int answers = 0;
    QObject::connect(&preview.browser, &WebEngineBrowser::ElementsOutlined, [&] { ++answers; });
    preview.browser.SheetWritten(dir.File("site.css"));
    preview.browser.OutlineElements("p");
    preview.browser.StartPicking({{"p", "", false}});
    // The page is stuck indeed: its own world does not answer either.
    auto pageAnswered = std::make_shared<bool>(false);
    preview.browser.View()->page()->runJavaScript(
        QStringLiteral("1"), [pageAnswered](const QVariant&) { *pageAnswered = true; });
    bool ticked = false;
    QTimer::singleShot(500, [&] { ticked = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticked; }, 10000));
    EXPECT_FALSE(*pageAnswered);
    EXPECT_EQ(answers, 0);
    preview.browser.StopPicking();
}

// A site of its own: a sheet and pages beside it, and the window over the sheet with
// the preview showing the first page.
class PreviewSite {
public:
    PreviewSite(const std::string& sheetText,
                const std::vector<std::pair<std::string, std::string>>& pages) {
        sheet = dir.File("site.css");
        WriteBytes(sheet, sheetText);
        for (const auto& [name, html] : pages)
            WriteBytes(dir.File(name), html);
        auto browser = std::make_unique<WebEngineBrowser>(&services.dialogs);
        web = browser.get();
        services.UseWebBrowser(std::move(browser));
        services.settings.Window = WindowValues{.HomePage = "file://" + dir.File(pages[0].first)};
        window = services.Window({sheet});
        form().show();
        Control<QTabWidget>(form(), "Viewer")->setCurrentIndex(TMainForm::PreView);
        view = form().findChild<QWebEngineView*>(QStringLiteral("PreBrowser"));
        if (view)
            QObject::connect(view, &QWebEngineView::loadFinished, [this] { ++loads; });
    }
    ~PreviewSite() { form().Editor().MarkSaved(); }
    TMainForm& form() { return *window; }
    // The page's own script, in its own world, says this.
    std::string Page(const char* script) {
        return Evaluate(view, QString::fromUtf8(script)).toStdString();
    }
    bool PageSays(const char* script, const std::string& expected) {
        return QTest::qWaitFor([&] { return Page(script) == expected; }, 30000);
    }
    // The current rule's text typed, then a refresh.
    void Refresh(const char* text) {
        Control<QPlainTextEdit>(form(), "CSSMemo")->setPlainText(QString::fromUtf8(text));
        form().Action(ActionId::RefreshView)->trigger();
    }
    QString Status() { return form().statusBar()->currentMessage(); }
    // The pick: the element of the selector clicked, `fromLeft` of its width in from its left
    // edge; true once the pick has ended.
    bool Pick(const char* selector, const char* fromLeft) {
        QAction* pick = form().Action(ActionId::PickElement);
        if (!pick->isChecked())
            pick->trigger();
        const QStringList box =
            QString::fromStdString(
                Page(QStringLiteral("(r => [r.left + %1, r.top + r.height / 2].map(Math.round)"
                                    ".join(' '))(document.querySelector('%2')"
                                    ".getBoundingClientRect())")
                         .arg(QString::fromUtf8(fromLeft), QString::fromUtf8(selector))
                         .toUtf8()
                         .constData()))
                .split(QLatin1Char(' '));
        if (box.size() != 2)
            return false;
        QWidget* input = view->focusProxy();
        const QPoint at(box[0].toInt(), box[1].toInt());
        QTest::mouseMove(input, at);
        QTest::mouseClick(input, Qt::LeftButton, {}, at);
        return QTest::qWaitFor([&] { return !pick->isChecked(); }, 10000);
    }

    TempDir dir;
    std::string sheet;
    testing::WindowServices services;
    testing::WindowUnderTest window;
    QWebEngineView* view = nullptr;
    WebEngineBrowser* web = nullptr;
    int loads = 0;
};

constexpr const char* kColor = "getComputedStyle(document.querySelector('h1')).color";

// The page laid out at a screen's width: narrower than the preview, as it is; wider,
// scaled down to fit, with the scale shown. The page's own media conditions follow.
TEST(PreviewBrowser, ThePageIsLaidOutAtTheChosenWidthScaledDownWhenWider) {
    PreviewSite site("h1 { color: red }\r\n@media (min-width: 768px) {\r\n"
                     "  h1 { color: blue }\r\n}\r\n",
                     {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" "
                                     "href=\"site.css\"></head><body><h1>T</h1></body></html>"}});
    ASSERT_NE(site.view, nullptr);
    site.form().resize(1600, 700); // the preview wider than a phone, narrower than a laptop
    auto* width = Control<QComboBox>(site.form(), "PreviewWidth");
    auto choose = [&](const char* caption) {
        width->setCurrentIndex(width->findText(QString::fromUtf8(caption)));
        emit width->activated(width->currentIndex());
    };
    choose("Телефон 375");
    EXPECT_TRUE(site.PageSays("window.innerWidth", "375"));
    EXPECT_TRUE(site.PageSays(kColor, "rgb(255, 0, 0)"));
    EXPECT_EQ(site.view->width(), 375);

    choose("Ноутбук 1280");
    EXPECT_TRUE(site.PageSays("window.innerWidth", "1280"));
    EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 0, 255)"));
    EXPECT_LT(site.view->zoomFactor(), 1);
    auto* scale = Control<QLabel>(site.form(), "PreviewScale");
    EXPECT_TRUE(QTest::qWaitFor([&] { return scale->isVisibleTo(&site.form()); }, 10000));
    EXPECT_EQ(scale->text(),
              QStringLiteral("%1 %").arg(std::lround(site.view->zoomFactor() * 100)));

    choose("Во всю ширину");
    EXPECT_TRUE(QTest::qWaitFor([&] { return site.view->zoomFactor() == 1; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return site.view->width() == site.view->parentWidget()->contentsRect().width(); },
        10000))
        << "the view fills its place";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scale->isVisibleTo(&site.form()); }, 10000));
}
// The page takes the written sheet in without a reload: what its own script set and
// where it was scrolled stay. A page that does not link the sheet is reloaded, in its
// place.
TEST(PreviewBrowser, TheSheetIsSwappedInThePageOrTheStillPageReloadedInItsPlace) {
    const std::string tall = "<h1>Tesselo</h1><div style=\"height: 5000px\"></div></body></html>";
    PreviewSite site("h1 { color: red }\r\n",
                     {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" "
                                     "href=\"site.css\"></head><body>" +
                                         tall},
                      {"imports.html", "<!doctype html><html><head><style>@import "
                                       "url(site.css);</style></head><body>" +
                                           tall}});
    ASSERT_NE(site.view, nullptr);
    for (const char* page : {"index.html", "imports.html"}) {
        SCOPED_TRACE(page);
        const bool swapped = std::string(page) == "index.html";
        if (!swapped) {
            site.form().PreviewState().LocationView = "file://" + site.dir.File(page);
            site.form().PreviewState().LocationViewEnter();
            ASSERT_TRUE(site.PageSays("location.pathname.endsWith('imports.html') && "
                                      "document.readyState",
                                      "complete"));
        }
        const int loads = site.loads;
        site.Refresh("color: red;");
        ASSERT_TRUE(site.PageSays(kColor, "rgb(255, 0, 0)"));
        // A reload is over before the page is scrolled.
        ASSERT_TRUE(QTest::qWaitFor([&] { return swapped || site.loads > loads; }, 30000));
        site.Page("window.marker = 'kept'; scrollTo(0, 700); String(scrollY)");

        site.Refresh("color: blue;");
        EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 0, 255)"));
        EXPECT_TRUE(site.PageSays("String(scrollY)", "700"));
        EXPECT_EQ(site.Page("String(window.marker)"), swapped ? "kept" : "undefined");
        // One link left, to the sheet; our script is nowhere in the page's world.
        EXPECT_TRUE(
            site.PageSays("String(document.querySelectorAll('link').length)", swapped ? "1" : "0"));
        EXPECT_EQ(site.Page("typeof tesseloPreview"), "undefined");
    }
}

// A pick selects the last rule that matches the element, a selector the engine cannot
// read aside; the page's own handler does not see the click. The outlines count the
// current rule's elements, drawn where the page cannot reach.
TEST(PreviewBrowser, APickSelectsTheRuleOfTheElementAndTheRulesElementsAreCounted) {
    PreviewSite site(
        "h1 { color: red }\r\np { margin: 0 }\r\nh1:nonsense { }\r\n"
        ".a:hover { color: green }\r\n@media print { h1 { color: black } }\r\n"
        "div { margin: 0 }\r\n",
        {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" href=\"site.css\">"
                        "</head><body style=\"margin: 0\"><h1 id=\"top\" class=\"a\" "
                        "onclick=\"document.title = 'clicked'\" "
                        "onmouseover=\"document.title = 'over'\">Tesselo</h1>"
                        "<p>1</p><p>2</p><p>3</p></body></html>"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(site.PageSays(kColor, "rgb(255, 0, 0)"));
    QWidget* input = site.view->focusProxy();
    ASSERT_NE(input, nullptr);
    QAction* pick = site.form().Action(ActionId::PickElement);

    // Escape ends picking on the page.
    pick->trigger();
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pick->isChecked(); }, 10000));

    ASSERT_TRUE(site.Pick("h1", "r.width / 4"));
    EXPECT_EQ(site.form().Editor().Current(), 3);
    EXPECT_EQ(site.Status().toStdString(),
              "Элемент h1#top.a: подходят 2 стиля (состояния :hover и подобные не учтены)");
    EXPECT_NE(site.Page("document.title"), "clicked");

    // The element's rules: "h1" alone styles it as it is (".a:hover" only when hovered);
    // a click on it selects it.
    Control<QTabWidget>(site.form(), "Viewer")->setCurrentIndex(TMainForm::ElementView);
    auto* rules = Control<QTreeWidget>(site.form(), "ElementRules");
    ASSERT_EQ(rules->topLevelItemCount(), 2); // and the row of the computed values
    EXPECT_EQ(rules->topLevelItem(0)->text(0), QStringLiteral("h1"));
    ASSERT_EQ(rules->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(rules->topLevelItem(0)->child(0)->text(0), QStringLiteral("color: red;"));
    EXPECT_FALSE(rules->topLevelItem(0)->child(0)->font(0).strikeOut());
    site.form().Editor().Select(1);
    auto* pages = Control<QTabWidget>(site.form(), "TABPANEL");
    pages->setCurrentWidget(pages->findChild<QWidget*>(QStringLiteral("MarginPadding")));
    emit rules->itemClicked(rules->topLevelItem(0)->child(0), 0);
    EXPECT_EQ(site.form().Editor().Current(), 0);
    // The declaration's property page: "color" is on "Фон и цвет".
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("BBColor"));

    // ":hover" forced on the element: the hover rule's colour applies, and a change of
    // it shows at the next refresh; the page's own handler sees no pointer.
    Control<QTabWidget>(site.form(), "Viewer")->setCurrentIndex(TMainForm::PreView);
    Control<QToolButton>(site.form(), "ForceHover")->click();
    EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 128, 0)"));
    site.form().Editor().Select(3);
    site.Refresh("color: blue;");
    EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 0, 255)"));
    EXPECT_NE(site.Page("document.title"), "over");
    Control<QToolButton>(site.form(), "ForceHover")->click();
    EXPECT_TRUE(site.PageSays(kColor, "rgb(255, 0, 0)"));
    Control<QTabWidget>(site.form(), "Viewer")->setCurrentIndex(TMainForm::PreView);

    site.form().Editor().Select(1);
    site.form().Action(ActionId::HighlightStyle)->trigger();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return site.Status() == QStringLiteral("Стиль применяется к 3 элементам"); }, 10000));
    // The overlay is there, closed to the page.
    EXPECT_EQ(site.Page("String(document.querySelector('tesselo-overlay').shadowRoot)"), "null");
    site.form().Editor().Select(0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return site.Status() == QStringLiteral("Стиль применяется к 1 элементу"); }, 10000));
}

// A rule put into the page's copy of the sheet ahead of its file: the page shows it with
// the file unchanged; the second rule of a selector is found as the second; a selector the
// sheet does not have changes nothing.
TEST(PreviewBrowser, ARuleGoesIntoThePagesSheetAheadOfItsFile) {
    PreviewSite site("h1 { color: red }\r\np { margin: 0 }\r\nh1, p { color: red }\r\n",
                     {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" "
                                     "href=\"site.css\"></head><body><h1>Tesselo</h1><p>1</p>"
                                     "</body></html>"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(site.PageSays(kColor, "rgb(255, 0, 0)"));
    const std::string file = testing::ReadBytes(site.sheet);
    site.web->ApplyRule({site.sheet, "h1,p", 0, " color: rgb(0, 0, 255) "});
    EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 0, 255)"));
    EXPECT_TRUE(
        site.PageSays("getComputedStyle(document.querySelector('p')).color", "rgb(0, 0, 255)"));
    site.web->ApplyRule({site.sheet, "h1", 0, " color: green "});
    EXPECT_TRUE(
        site.PageSays("getComputedStyle(document.querySelector('h1')).color", "rgb(0, 0, 255)"))
        << "the later rule still wins";
    site.web->ApplyRule({site.sheet, "h2", 0, " color: green "});
    site.web->ApplyRule({site.sheet, "h1", 1, " color: green "});
    EXPECT_TRUE(site.PageSays("document.styleSheets[0].cssRules[0].style.color", "green"));
    EXPECT_EQ(site.Page(kColor), "rgb(0, 0, 255)") << "no other rule took the text";
    EXPECT_EQ(testing::ReadBytes(site.sheet), file) << "the file is not the page's road";
}

// After a pick, the page's element decides what cannot act: a width on an inline span is
// marked in its rule's text, with the reason, and a flex item's growth is not.
// The file written after its rule went into the page: a page whose copy took the rule
// keeps it, unswapped; one whose copy could not take it gets the file.
TEST(PreviewBrowser, APageThatTookTheRuleKeepsItsSheetWhenTheFileFollows) {
    PreviewSite site(
        "h1 { color: red }\r\n",
        {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" "
                        "href=\"site.css\"></head><body><h1>Tesselo</h1></body></html>"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(site.PageSays(kColor, "rgb(255, 0, 0)"));
    const char* swapped = "String(document.querySelectorAll('link[href*=\"tesselo=\"]').length)";
    WriteBytes(site.sheet, "h1 { color: blue }\r\n");
    site.web->ApplyRule({site.sheet, "h1", 0, " color: blue "});
    site.web->SheetWrittenAfterApply(site.sheet);
    EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 0, 255)"));
    QTest::qWait(500);
    EXPECT_EQ(site.Page(swapped), "0") << "the copy that took the rule stays";
    WriteBytes(site.sheet, "h1 { color: green }\r\n");
    site.web->ApplyRule({site.sheet, "h2", 0, " color: green "}); // no such rule in the page
    site.web->SheetWrittenAfterApply(site.sheet);
    EXPECT_TRUE(site.PageSays(kColor, "rgb(0, 128, 0)"));
    EXPECT_EQ(site.Page(swapped), "1");
}

// The engine's own word on values typed, as CSS.supports() gives it.
TEST(PreviewBrowser, TheEngineSaysWhichValuesItTakes) {
    PreviewSite site("h1 { color: red }\r\n", {{"index.html", "<!doctype html><h1>T</h1>"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(site.PageSays("document.readyState", "complete"));
    const std::vector<std::pair<ValueCheck, bool>> cases = {
        {{"color", "red"}, true},
        {{"color", "10px"}, false},
        {{"margin", "10 px"}, false},
        {{"margin", "0 auto"}, true},
        {{"display", "grid"}, true},
        {{"gap", "1rem 2%"}, true},
        {{"text-align", "middle"}, false},
        {{"transition", "opacity .2s ease-in"}, true},
        {{"width", "calc(100% - 2rem)"}, true},
        {{"width", "calc(100%-2rem)"}, false},
        {{"content", "\"}\""}, true},
    };
    std::vector<ValueCheck> values;
    std::vector<bool> expected;
    for (const auto& [value, taken] : cases) {
        values.push_back(value);
        expected.push_back(taken);
    }
    std::optional<std::vector<bool>> answer;
    QObject::connect(site.web, &PreviewBrowser::ValuesChecked,
                     [&](int request, const std::vector<bool>& taken) {
                         if (request == 7)
                             answer = taken;
                     });
    site.web->CheckValues(7, values);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    EXPECT_EQ(*answer, expected);
}

TEST(PreviewBrowser, APicksElementMarksTheDeclarationsThatCannotActOnIt) {
    PreviewSite site(
        "span { width: 10px; flex-grow: 1 }\r\n.row { display: flex }\r\n"
        ".row b { flex-grow: 1; top: 1px }\r\n",
        {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" href=\"site.css\">"
                        "</head><body><p><span>word</span></p><div class=\"row\"><b>1</b></div>"
                        "</body></html>"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(site.PageSays("getComputedStyle(document.querySelector('.row')).display", "flex"));
    auto* pages = Control<QTabWidget>(site.form(), "TABPANEL");
    pages->setCurrentWidget(pages->findChild<QWidget*>(QStringLiteral("PositionFloat")));
    const struct {
        const char* Selector;
        int Rule;
        std::vector<std::string> Marked;
    } cases[] = {{"span", 0, {"width", "flex-grow"}}, {".row b", 2, {"top"}}};
    for (const auto& c : cases) {
        ASSERT_TRUE(site.Pick(c.Selector, "2")) << c.Selector;
        EXPECT_EQ(site.form().Editor().Current(), c.Rule);
        const auto facts = site.form().PreviewState().FactsForRule(c.Rule);
        ASSERT_TRUE(facts) << c.Selector;
        const std::string block = site.form().Editor().CurrentBlock();
        std::vector<std::string> marked;
        for (const InactiveMark& mark : InactiveDeclarations(block, *facts))
            marked.push_back(LowerAscii(block.substr(mark.Begin, mark.End - mark.Begin)));
        EXPECT_EQ(marked, c.Marked) << c.Selector;
        // The same marks stand on the panel's captions of those properties.
        EXPECT_EQ(Control<QLabel>(site.form(), "BlockWidthLabel")->font().italic(), c.Rule == 0)
            << c.Selector;
        EXPECT_EQ(Control<QLabel>(site.form(), "BlockTopLabel")->font().italic(), c.Rule == 2)
            << c.Selector;
    }
    EXPECT_FALSE(site.form().PreviewState().FactsForRule(1)) << "not a rule of the element";
}

// After a pick, the ancestors' rules follow the element's own: the colour the nearest of
// them hands down unstruck is the one the page computes, and the computed values asked
// for say so too.
TEST(PreviewBrowser, ThePicksInheritedColourIsTheOneThePageComputes) {
    PreviewSite site(
        "body { color: rgb(1, 2, 3) }\r\n.card { color: rgb(0, 128, 0); margin: 0 }\r\n"
        "div { color: red }\r\n#x { font-size: 12px }\r\n",
        {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" href=\"site.css\">"
                        "</head><body style=\"margin: 0\"><div class=\"card\"><section>"
                        "<p id=\"x\">Tesselo</p></section></div></body></html>"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(site.PageSays("getComputedStyle(document.querySelector('#x')).fontSize", "12px"));
    ASSERT_TRUE(site.Pick("#x", "4"));
    Control<QTabWidget>(site.form(), "Viewer")->setCurrentIndex(TMainForm::ElementView);
    auto* rules = Control<QTreeWidget>(site.form(), "ElementRules");
    QStringList sections;
    QString inherited; // the first colour of a section not struck through
    for (int i = 0; i < rules->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = rules->topLevelItem(i);
        if (row->text(0).startsWith(QStringLiteral("Унаследовано от ")))
            sections << row->text(0);
        for (int d = 0; d < row->childCount() && !sections.isEmpty() && inherited.isEmpty(); ++d)
            if (row->child(d)->text(0).startsWith(QStringLiteral("color:")) &&
                !row->child(d)->font(0).strikeOut())
                inherited = row->child(d)->text(0);
    }
    EXPECT_EQ(sections, (QStringList{"Унаследовано от div.card", "Унаследовано от body"}));
    const QString computed =
        QString::fromStdString(site.Page("getComputedStyle(document.querySelector('#x')).color"));
    EXPECT_EQ(computed, QStringLiteral("rgb(0, 128, 0)"));
    EXPECT_EQ(inherited, QStringLiteral("color: %1;").arg(computed));

    Control<QAction>(site.form(), "AskComputedValues")->trigger();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QTreeWidgetItem* values = rules->topLevelItem(rules->topLevelItemCount() - 1);
            for (int i = 0; i < values->childCount(); ++i)
                if (values->child(i)->text(0) == QStringLiteral("color: %1").arg(computed))
                    return true;
            return false;
        },
        10000));
}

// A pick whose rules are all in another sheet the page links: the status line names that
// sheet and its rules, and the user is offered to open it; "Да" opens it in this window.
TEST(PreviewBrowser, APickWhoseRulesAreInAnotherSheetOffersToOpenIt) {
    PreviewSite site(
        "h1 { color: red }\r\n",
        {{"index.html", "<!doctype html><html><head><link rel=\"stylesheet\" href=\"site.css\">"
                        "<link rel=\"stylesheet\" href=\"base.css\"></head>"
                        "<body style=\"margin: 0\"><h1>Tesselo</h1><p class=\"lead\">1</p>"
                        "</body></html>"},
         {"base.css", "p { margin: 0 }\n.lead { color: blue }\nh1 { margin: 0 }\n"}});
    ASSERT_NE(site.view, nullptr);
    ASSERT_TRUE(
        site.PageSays("getComputedStyle(document.querySelector('p')).color", "rgb(0, 0, 255)"));
    site.services.dialogs.Answers = {Answer::Yes};
    ASSERT_TRUE(site.Pick("p", "4"));
    EXPECT_TRUE(site.Status().endsWith(QStringLiteral("в других таблицах страницы: base.css — 2")))
        << site.Status().toStdString();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return site.form().Editor().Document().FileName.ends_with("base.css"); }, 10000))
        << "base.css was not opened";
    ASSERT_FALSE(site.services.dialogs.Shown.empty());
    EXPECT_NE(site.services.dialogs.Shown.front().Text.find("base.css"), std::string::npos);
}

} // namespace
} // namespace tesselo
