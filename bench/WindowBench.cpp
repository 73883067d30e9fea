// The main window on the big sheets users open: opening one (read, style list filled,
// the first rule shown in the views and the panel) and one click of the panel's bold
// button (the rule rewritten, its text shown again). The dialogs, the progress, the
// settings and the browser are fakes; the window is the real one, offscreen.

#include "SheetGenerator.h"
#include "app/EditCSS.h"
#include "app/SessionHistory.h"
#include "mapping/SheetVariables.h"
#include "panel/PanelHandlers.h"
#include "platform/HeapTuning.h"
#include "platform/PosixFileReplacer.h"
#include "support/PanelFakes.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"
#include "views/CssHighlighting.h"
#include "views/SourceViewPages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

using namespace tesselo;

struct WindowOnSheet : testing::WindowServices {
    explicit WindowOnSheet(const benchmark::State& state) {
        const auto kind = static_cast<bench::BigSheet>(state.range(0));
        const auto megabytes = static_cast<size_t>(state.range(1));
        testing::WriteBytes(sheet, bench::GenerateBigSheet(kind, 200000, megabytes << 20));
        WindowValues window;
        window.Viewer = TMainForm::CssMemoView; // the page a user who worked before has
        settings.Window = window;
    }
    testing::WindowUnderTest Open() {
        auto form = Window({sheet});
        form->show();
        QApplication::processEvents();
        return form;
    }
    testing::TempDir dir;
    std::string sheet = dir.File("big.css");
};

void Label(benchmark::State& state) {
    const auto kind = static_cast<bench::BigSheet>(state.range(0));
    state.SetLabel(kind == bench::BigSheet::ManyRules
                       ? std::string("200000 rules")
                       : "one rule, " + std::to_string(state.range(1)) + " MB " +
                             (kind == bench::BigSheet::HugeBlock ? "block" : "selector"));
}

// The sheets: 200000 rules, and one rule of 7 and 28 MB, in its block or its selector;
// the two sizes tell whether the cost grows with the size or faster.
void BigSheets(benchmark::internal::Benchmark* b) {
    b->Args({0, 0});
    for (int kind : {1, 2})
        for (int megabytes : {7, 28})
            b->Args({kind, megabytes});
}

void BM_OpenInWindow(benchmark::State& state) {
    WindowOnSheet road(state);
    Label(state);
    for (auto _ : state) {
        auto form = road.Open();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenInWindow)->Apply(BigSheets)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_BoldClickInWindow(benchmark::State& state) {
    WindowOnSheet road(state);
    Label(state);
    auto form = road.Open();
    auto* bold = form->findChild<QToolButton*>(QStringLiteral("FontBold"));
    if (!bold) {
        state.SkipWithError("no bold button");
        return;
    }
    for (auto _ : state)
        QTest::mouseClick(bold, Qt::LeftButton); // down, up, down, ...
}
BENCHMARK(BM_BoldClickInWindow)->Apply(BigSheets)->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace

namespace {

// "Исходный CSS" turned to on a sheet of about 10 MB whose backup copy changed since it
// was shown: the copy read and decoded, its first part put in, and its first screen
// coloured (the colouring's own share as a counter).
void BM_SourceViewFirstScreenInWindow(benchmark::State& state) {
    testing::TempDir dir;
    const std::string sheet = dir.File("big.css");
    std::string text = bench::GenerateBigSheet(bench::BigSheet::ManyRules, 10000);
    const std::string rules = text;
    while (text.size() < size_t{10} << 20)
        text += rules;
    testing::WriteBytes(sheet, text);
    testing::WindowServices services;
    auto form = services.Window({sheet});
    form->show();
    QApplication::processEvents();
    auto* views = form->findChild<SourceViewPages*>();
    const std::string backup = sheet + ".ORIGINAL";
    double colouring = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        views->setCurrentIndex(SourceViewPages::CssMemoView);
        // Another size: the copy is read again.
        testing::WriteBytes(backup, ++round % 2 ? text + "\n" : text);
        QApplication::processEvents();
        state.ResumeTiming();
        views->setCurrentIndex(SourceViewPages::CssDiskView);
        QElapsedTimer colour;
        colour.start();
        QApplication::processEvents();
        colouring += static_cast<double>(colour.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        if (views->Colouring(SourceViewPages::CssDiskView)->ColouredLines() == 0)
            state.SkipWithError("nothing coloured");
        state.ResumeTiming();
    }
    state.counters["colour_ms"] = colouring / static_cast<double>(state.iterations());
    state.counters["lines_coloured"] =
        views->Colouring(SourceViewPages::CssDiskView)->ColouredLines();
    state.SetLabel(std::to_string(text.size() >> 20) + " MB");
}
BENCHMARK(BM_SourceViewFirstScreenInWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// A key typed into "Текущий стиль" in a rule of 200 declarations, and taken back: the
// text coloured and checked, the completion's choices, the rule's text taken in. The
// sheet has 2000 other rules for the completion's values.
void BM_KeyInARuleOf200Declarations(benchmark::State& state) {
    testing::TempDir dir;
    const std::string sheet = dir.File("rule.css");
    // Properties of the panel's and, to make 200 lines, custom properties.
    std::string text = ".big {\n  color: #123456;\n  display: flex;\n  margin-top: 5px;\n"
                       "  background: url(a.png) no-repeat;\n  font-family: \"Open Sans\";\n";
    for (int i = 0; i < 195; ++i)
        text += "  --token-" + std::to_string(i) + ": " + std::to_string(i % 97) + "px;\n";
    text += "}\n";
    text += bench::GenerateBigSheet(bench::BigSheet::ManyRules, 2000);
    testing::WriteBytes(sheet, text);
    testing::WindowServices services;
    auto form = services.Window({sheet});
    form->show();
    QApplication::processEvents();
    form->Editor().Select(0);
    QApplication::processEvents();
    auto* memo = form->findChild<QPlainTextEdit*>(QStringLiteral("CSSMemo"));
    const QTextBlock margin =
        memo ? memo->document()->find(QStringLiteral("5px")).block() : QTextBlock();
    if (!memo || memo->document()->blockCount() < 200 || !margin.isValid()) {
        state.SkipWithError("the rule is not in the box");
        return;
    }
    memo->setFocus();
    // In the value "5px": a digit typed after the 5.
    QTextCursor caret(margin);
    caret.setPosition(margin.position() +
                      static_cast<int>(margin.text().indexOf(QStringLiteral("5px"))) + 1);
    memo->setTextCursor(caret);
    for (auto _ : state) {
        QTest::keyClick(memo, Qt::Key_0);
        QTest::keyClick(memo, Qt::Key_Escape);
        QTest::keyClick(memo, Qt::Key_Backspace);
    }
    state.SetLabel(std::to_string(memo->document()->blockCount()) +
                   " lines; 3 keys a round: a digit, Esc, Backspace");
}
BENCHMARK(BM_KeyInARuleOf200Declarations)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace

namespace {

// Bootstrap 5 open in a shown window, from a copy: opening writes the backup copy
// beside the sheet. Without Bootstrap 5 on the machine there is no window and the
// benchmark says why.
struct BootstrapWindow {
    explicit BootstrapWindow(benchmark::State& state) {
        const std::string bootstrap = "/usr/share/javascript/bootstrap5/css/bootstrap.css";
        if (::access(bootstrap.c_str(), R_OK) != 0) {
            state.SkipWithError("no Bootstrap 5 on this machine");
            return;
        }
        sheet = dir.File("bootstrap.css");
        std::filesystem::copy_file(bootstrap, sheet);
        form = services.Window({sheet});
        form->show();
        QApplication::processEvents();
    }
    explicit operator bool() const { return form.get() != nullptr; }

    testing::TempDir dir;
    std::string sheet;
    testing::WindowServices services;
    testing::WindowUnderTest form;
};

// Opening Bootstrap 5 in the window: reading, the tree of the style list with its
// groups, and the first rule shown.
void BM_OpenBootstrapInWindow(benchmark::State& state) {
    BootstrapWindow window(state);
    if (!window)
        return;
    auto& form = window.form;
    int opened = 0;
    form->Editor().Observe([&](const SessionChange& change) {
        opened += change.What == SessionChange::Kind::Document ? 1 : 0;
    });
    for (auto _ : state) {
        window.services.dialogs.OpenChoices = {window.sheet};
        form->Action(ActionId::OpenFile)->trigger();
        QApplication::processEvents();
    }
    if (opened != static_cast<int>(state.iterations()))
        state.SkipWithError("the sheet was not opened each time");
    state.SetLabel(std::to_string(form->Editor().Document().StyleCount()) + " rows");
}
BENCHMARK(BM_OpenBootstrapInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Typing into the style list's filter on Bootstrap 5, one key at a time ("col-md"),
// and clearing it: the rows shown again each time, the groups around them.
void BM_FilterBootstrapInWindow(benchmark::State& state) {
    BootstrapWindow window(state);
    if (!window)
        return;
    auto* filter = window.form->findChild<QLineEdit*>(QStringLiteral("StyleFilter"));
    const QString typed = QStringLiteral("col-md");
    for (auto _ : state) {
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            filter->setText(typed.left(n));
            QApplication::processEvents();
        }
        filter->clear();
        QApplication::processEvents();
    }
    state.SetLabel("7 keys a round");
}
BENCHMARK(BM_FilterBootstrapInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Sorting Bootstrap's rules from the style list's tool bar: the order made, the list
// shown again. Each round starts from the sheet's own order.
void BM_SortBootstrapInWindow(benchmark::State& state) {
    BootstrapWindow window(state);
    if (!window)
        return;
    auto& form = window.form;
    state.SetLabel(std::to_string(form->Editor().Document().StyleCount()) + " rules");
    for (auto _ : state) {
        form->Action(ActionId::StyleSorted)->trigger();
        state.PauseTiming();
        form->Action(ActionId::EditUndo)->trigger();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortBootstrapInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// The memory the undo history takes: clicks of "Полужирный" and "Курсив" in turn on one
// rule of 5 MB (143,819 declarations), each a step of the session's history, as the
// window keeps it. The resident memory grows from the sheet opened to the last click:
// as the system counts it, and with the allocator's free pages given back first.
size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<size_t>(::sysconf(_SC_PAGESIZE));
}

void BM_HistoryOfClicksOnAHugeRule(benchmark::State& state) {
    const auto clicks = static_cast<int>(state.range(0));
    testing::TempDir dir;
    const std::string sheet = dir.File("tokens.css");
    testing::WriteBytes(sheet,
                        bench::GenerateBigSheet(bench::BigSheet::HugeBlock, 0, size_t{5} << 20));
    PosixFileReplacer files;
    testing::FakeDialogs dialogs;
    testing::FakePanelDialogs choices;
    double grown = 0;
    double paused = 0;
    double held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<StyleEditor>(files);
        auto history = std::make_unique<SessionHistory>(
            *editor, [](std::string_view bytes) { return QString::fromUtf8(bytes); });
        editor->LoadCSSFile(sheet, false);
        PanelHandlers handlers(*editor, dialogs, choices);
        ::malloc_trim(0);
        const size_t opened = ResidentBytes();
        state.ResumeTiming();
        for (int click = 0; click < clicks; ++click) {
            if (click % 2 == 0)
                handlers.FontBoldClick(click % 4 == 0);
            else
                handlers.AllSpButMouseClick(Keyword::FontStyleItalic);
        }
        state.PauseTiming();
        grown = static_cast<double>(ResidentBytes()) - static_cast<double>(opened);
        // The user pauses: the history gives the heap's free memory back.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < SessionHistory::kPauseMs + 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        paused = static_cast<double>(ResidentBytes()) - static_cast<double>(opened);
        ::malloc_trim(0);
        held = static_cast<double>(ResidentBytes()) - static_cast<double>(opened);
        if (history->Stack().count() != clicks)
            state.SkipWithError("a click made no step of its own");
        history.reset();
        editor.reset();
        state.ResumeTiming();
    }
    constexpr double kMegabyte = 1 << 20;
    state.counters["grown_MB"] = grown / kMegabyte;
    state.counters["paused_MB"] = paused / kMegabyte;
    state.counters["held_MB"] = held / kMegabyte;
    state.counters["held_KB_a_click"] = held / 1024 / clicks;
}
BENCHMARK(BM_HistoryOfClicksOnAHugeRule)
    ->Arg(40)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The page of variables on Bootstrap 5, turned to after a change of the sheet: its 898
// definitions collected again and shown under their rules.
int VariablesPageIndex(QTabWidget& tabs) {
    for (int i = 0; i < tabs.count(); ++i)
        if (tabs.widget(i)->objectName() == QStringLiteral("Variables"))
            return i;
    return -1;
}

void BM_VariablesPageBootstrapInWindow(benchmark::State& state) {
    BootstrapWindow window(state);
    if (!window)
        return;
    auto* tabs = window.form->findChild<QTabWidget*>(QStringLiteral("TABPANEL"));
    const int page = VariablesPageIndex(*tabs);
    StyleEditor& editor = window.form->Editor();
    const SheetVariables variables{editor.Document()};
    const VariableDefinition* primary = variables.MainDefinition("--bs-primary");
    if (page < 0 || !primary) {
        state.SkipWithError("no page of variables, or no --bs-primary");
        return;
    }
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tabs->setCurrentIndex(0);
        QApplication::processEvents();
        editor.SetDeclarationOf(primary->Row, primary->Index, ++round % 2 ? "#0d6efe" : "#0d6efd");
        QApplication::processEvents();
        state.ResumeTiming();
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
    }
    auto* tree = window.form->findChild<QTreeWidget*>(QStringLiteral("VariablesTree"));
    state.SetLabel(std::to_string(tree ? tree->topLevelItemCount() : 0) + " rules");
}
BENCHMARK(BM_VariablesPageBootstrapInWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// Typing into the page of variables' filter on Bootstrap 5, one key at a time
// ("primary"), and clearing it.
void BM_VariablesFilterBootstrapInWindow(benchmark::State& state) {
    BootstrapWindow window(state);
    if (!window)
        return;
    auto* tabs = window.form->findChild<QTabWidget*>(QStringLiteral("TABPANEL"));
    const int page = VariablesPageIndex(*tabs);
    if (page < 0) {
        state.SkipWithError("no page of variables");
        return;
    }
    tabs->setCurrentIndex(page);
    QApplication::processEvents();
    auto* filter = window.form->findChild<QLineEdit*>(QStringLiteral("VariablesFilter"));
    const QString typed = QStringLiteral("primary");
    for (auto _ : state) {
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            filter->setText(typed.left(n));
            QApplication::processEvents();
        }
        filter->clear();
        QApplication::processEvents();
    }
    state.SetLabel("8 keys a round");
}
BENCHMARK(BM_VariablesFilterBootstrapInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    tesselo::KeepLargeBuffersInHeap(); // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
