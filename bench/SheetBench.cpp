// Reading, composing and mapping generated sheets of 10 to 300000 rules, beside
// the literal rule-by-rule scan that rescans the text for every rule.

#include "SheetGenerator.h"
#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "document/TextFile.h"
#include "editor/Preview.h"
#include "editor/StyleEditor.h"
#include "mapping/Gradient.h"
#include "mapping/RuleProperties.h"
#include "panel/PanelHandlers.h"
#include "platform/HeapTuning.h"
#include "platform/PosixFileReplacer.h"
#include "support/LiteralSheetScan.h"
#include "support/PanelFakes.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace tesselo;

LineList SheetLines(int rules) {
    return SplitLines(bench::GenerateSheetText(rules));
}

// The sheet's lines as a file gives them; the reading cuts them into rules.
void ReadSheetText(benchmark::State& state, const std::string& text) {
    const tesselo::SheetLines lines = tesselo::SheetLines::FromBytes(text);
    for (auto _ : state) {
        auto rules = LoadStylesFromSheet(lines);
        benchmark::DoNotOptimize(rules);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

// From a few rules to 300,000, where big buffers show whether the cost per byte holds.
void SheetSizes(benchmark::internal::Benchmark* b) {
    for (int rules : {10, 100, 1001, 200000, 300000})
        b->Arg(rules);
}

void BM_ReadSheet(benchmark::State& state) {
    ReadSheetText(state, bench::GenerateSheetText(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadSheet)->Apply(SheetSizes)->Unit(benchmark::kMicrosecond);

// One selector of 10 MB in front of one small rule.
void BM_ReadLongSelector(benchmark::State& state) {
    ReadSheetText(state,
                  bench::GenerateBigSheet(bench::BigSheet::HugeSelector, 0, size_t{10} << 20));
}
BENCHMARK(BM_ReadLongSelector)->Unit(benchmark::kMillisecond);

void BM_ReadSheetLiteralScan(benchmark::State& state) {
    const LineList lines = SheetLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto rules = testing::LiteralLoadStyles(lines);
        benchmark::DoNotOptimize(rules);
    }
}
BENCHMARK(BM_ReadSheetLiteralScan)->Arg(10)->Arg(100)->Arg(1001)->Unit(benchmark::kMillisecond);

StyleDocument DocumentOf(int rules) {
    StyleDocument document;
    auto sheet = LoadStylesFromSheet(SheetLines(rules));
    document.ReplaceRecords(std::move(sheet.Records), std::move(sheet.Tail));
    return document;
}

void BM_ComposeSheet(benchmark::State& state) {
    const StyleDocument document = DocumentOf(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        auto sheet = ComposeSheet(document);
        bytes = sheet.Text().size();
        benchmark::DoNotOptimize(sheet);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_ComposeSheet)->Apply(SheetSizes)->Unit(benchmark::kMicrosecond);

// Selecting every rule once: commit, load, read into the panel, write the view.
void BM_MapEveryRule(benchmark::State& state) {
    const int rules = static_cast<int>(state.range(0));
    PosixFileReplacer files;
    StyleEditor editor(files);
    for (auto _ : state) {
        state.PauseTiming();
        editor.TakeDocument(DocumentOf(rules));
        state.ResumeTiming();
        for (int i = 0; i < rules; ++i)
            editor.Select(i);
        benchmark::DoNotOptimize(editor.Memo().Lines);
    }
}
BENCHMARK(BM_MapEveryRule)->Arg(10)->Arg(100)->Arg(1001)->Unit(benchmark::kMicrosecond);

// The road of one edit with automatic refresh on: a keyword button of the panel, the
// writer, the notification, the commit, the composition and the sheet written over its
// file (the browser's reload is a fake's and costs nothing).
struct EditRoad {
    // `last`, when given, is a rule after the generated ones, and the one selected.
    explicit EditRoad(int rules, const std::string& last = {}) {
        testing::WriteBytes(sheet, bench::GenerateSheetText(rules) + last);
        editor.LoadCSSFile(sheet, false);
        editor.Select(last.empty() ? rules / 2 : editor.Document().StyleCount() - 1);
        preview.AutoRefresh = true;
    }
    testing::TempDir dir;
    std::string sheet = dir.File("site.css");
    PosixFileReplacer files;
    StyleEditor editor{files};
    testing::FakeBrowser browser;
    testing::FakeDialogs dialogs;
    testing::FakePanelDialogs choices;
    Preview preview{editor, browser, dialogs};
    PanelHandlers handlers{editor, dialogs, choices};
};

void BM_OneEditToDisk(benchmark::State& state) {
    EditRoad road(static_cast<int>(state.range(0)));
    for (auto _ : state)
        road.handlers.AllSpButMouseClick(Keyword::TextAlignCenter); // down, up, down, ...
    if (road.dialogs.Shown.size() != 0)
        state.SkipWithError("the sheet could not be written");
}
BENCHMARK(BM_OneEditToDisk)->Arg(1001)->Unit(benchmark::kMicrosecond);

// One step of a gradient stop's drag on the strip, with automatic refresh on: the rule
// read as the page shows it, the stop's position written into its layer, the session's
// change, the composition and the sheet written over its file.
void BM_StopDragOneEdit(benchmark::State& state) {
    const int rules = static_cast<int>(state.range(0));
    EditRoad road(rules, ".hero {\n  color: #333;\n  background: linear-gradient(90deg, #000 "
                         "0%, #fff 100%) no-repeat,\n    url(a.png) center / cover;\n}\n");
    int step = 0;
    for (auto _ : state) {
        const RuleProperties rule(road.editor.CurrentBlock());
        const std::string value = rule.Read("background")->Value;
        const auto layers = SplitLayers(value);
        const auto layer = ParseBackgroundLayer(layers[0].Text, false);
        const std::string image(layer->Piece(BackgroundPart::Image).Text);
        const auto moved = WithStopPosition(image, 1, PercentText(0.5 + 0.01 * (++step % 40)));
        const auto written =
            WithBackgroundPart(layers[0].Text, false, BackgroundPart::Image, *moved);
        if (!road.editor.SetProperty("background", WithLayer(value, 0, *written)))
            state.SkipWithError("the stop's position was not written");
    }
    if (road.dialogs.Shown.size() != 0)
        state.SkipWithError("the sheet could not be written");
}
BENCHMARK(BM_StopDragOneEdit)->Arg(1001)->Unit(benchmark::kMicrosecond);

// The baseline: the composed sheet written over the file, nothing else.
void BM_WriteComposedSheetOnly(benchmark::State& state) {
    EditRoad road(static_cast<int>(state.range(0)));
    road.editor.ComposeCSS();
    for (auto _ : state) {
        auto error = WriteSheetText(road.files, road.sheet, road.editor.Document().SheetText,
                                    WriteMode::Quick);
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_WriteComposedSheetOnly)->Arg(1001)->Unit(benchmark::kMicrosecond);

// The big sheets without the window: 200000 rules, and one rule of 7 and 28 MB in its
// block or its selector. Opening reads the file, cuts it and reads the first rule into
// the panel; the click is the bold button, which changes the rule's text.
void BigSheets(benchmark::internal::Benchmark* b) {
    b->Args({0, 0});
    for (int kind : {1, 2})
        for (int megabytes : {7, 28})
            b->Args({kind, megabytes});
}

struct BigSheetFile {
    explicit BigSheetFile(const benchmark::State& state) {
        const auto megabytes = static_cast<size_t>(state.range(1));
        testing::WriteBytes(sheet,
                            bench::GenerateBigSheet(static_cast<bench::BigSheet>(state.range(0)),
                                                    200000, megabytes << 20));
    }
    testing::TempDir dir;
    std::string sheet = dir.File("big.css");
    PosixFileReplacer files;
};

void BM_OpenBigSheet(benchmark::State& state) {
    BigSheetFile file(state);
    for (auto _ : state) {
        auto editor = std::make_unique<StyleEditor>(file.files);
        editor->LoadCSSFile(file.sheet, false);
        benchmark::DoNotOptimize(editor->Document());
        state.PauseTiming(); // the document goes away off the clock
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenBigSheet)->Apply(BigSheets)->Unit(benchmark::kMillisecond)->Iterations(2);

void BoldClicks(benchmark::State& state, bool editorLayout) {
    BigSheetFile file(state);
    StyleEditor editor(file.files);
    editor.UseEditorLayout(editorLayout);
    editor.LoadCSSFile(file.sheet, false);
    testing::FakeDialogs dialogs;
    testing::FakePanelDialogs choices;
    PanelHandlers handlers(editor, dialogs, choices);
    bool down = false;
    for (auto _ : state)
        handlers.FontBoldClick(down = !down);
}

// The click edits the rule's text as written: the declaration added or taken away.
void BM_BoldClickBigSheet(benchmark::State& state) {
    BoldClicks(state, false);
}
BENCHMARK(BM_BoldClickBigSheet)->Apply(BigSheets)->Unit(benchmark::kMillisecond)->Iterations(4);

// The baseline: the rule written anew in the editor's own layout.
void BM_BoldClickBigSheetEditorLayout(benchmark::State& state) {
    BoldClicks(state, true);
}
BENCHMARK(BM_BoldClickBigSheetEditorLayout)
    ->Apply(BigSheets)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);

} // namespace

// The allocator is set as the program sets it.
int main(int argc, char** argv) {
    tesselo::KeepLargeBuffersInHeap();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
