// Reading, composing and mapping generated sheets of 10, 100 and 1001 rules, beside
// the literal rule-by-rule scan that rescans the text for every rule.

#include "SheetGenerator.h"
#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "document/TextFile.h"
#include "editor/StyleEditor.h"
#include "platform/PosixFileReplacer.h"
#include "support/LiteralSheetScan.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tesselo;

LineList SheetLines(int rules) {
    return SplitLines(bench::GenerateSheetText(rules));
}

void BM_ReadSheet(benchmark::State& state) {
    const std::string text = bench::GenerateSheetText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto rules = LoadStylesFromSheet(SplitLines(text));
        benchmark::DoNotOptimize(rules);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_ReadSheet)->Arg(10)->Arg(100)->Arg(1001)->Unit(benchmark::kMicrosecond);

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
    for (auto _ : state) {
        auto sheet = ComposeSheet(document);
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_ComposeSheet)->Arg(10)->Arg(100)->Arg(1001)->Unit(benchmark::kMicrosecond);

// Selecting every rule once: commit, load, read into the panel, write the view.
void BM_MapEveryRule(benchmark::State& state) {
    const int rules = static_cast<int>(state.range(0));
    PosixFileReplacer files;
    StyleEditor editor(files);
    editor.Document = DocumentOf(rules);
    for (auto _ : state) {
        state.PauseTiming();
        editor.Document = DocumentOf(rules);
        editor.Document.SelectedRow = 0;
        editor.Document.CurrentStyleIndex = -1;
        state.ResumeTiming();
        for (int i = 0; i < rules; ++i)
            editor.SelectRow(i);
        benchmark::DoNotOptimize(editor.CSSMemo.Lines);
    }
}
BENCHMARK(BM_MapEveryRule)->Arg(10)->Arg(100)->Arg(1001)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
