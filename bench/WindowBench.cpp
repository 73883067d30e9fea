// The main window on the big sheets users open: opening one (read, style list filled,
// the first rule shown in the views and the panel) and one click of the panel's bold
// button (the rule rewritten, its text shown again). The dialogs, the progress, the
// settings and the browser are fakes; the window is the real one, offscreen.

#include "SheetGenerator.h"
#include "app/EditCSS.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <filesystem>
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

// Sorting Bootstrap's rules from the style list's tool bar: the order made, the list
// shown again. Each round starts from the sheet's own order.
void BM_SortBootstrapInWindow(benchmark::State& state) {
    const std::string bootstrap = "/usr/share/javascript/bootstrap5/css/bootstrap.css";
    if (::access(bootstrap.c_str(), R_OK) != 0) {
        state.SkipWithError("no Bootstrap 5 on this machine");
        return;
    }
    // A copy: opening writes the backup copy beside the sheet.
    testing::TempDir dir;
    const std::string sheet = dir.File("bootstrap.css");
    std::filesystem::copy_file(bootstrap, sheet);
    testing::WindowServices services;
    auto form = services.Window({sheet});
    form->show();
    QApplication::processEvents();
    state.SetLabel(std::to_string(form->Editor().Document().StyleCount()) + " rules");
    for (auto _ : state) {
        form->Action(ActionId::StyleSorted)->trigger();
        state.PauseTiming();
        form->Action(ActionId::EditUndo)->trigger();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortBootstrapInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
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
