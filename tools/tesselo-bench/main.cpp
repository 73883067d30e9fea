// tesselo-bench --sheet FILE: how long the editor takes on a real sheet. Prints one
// JSON line: bytes, rules, read_ms (file on disk to document), compose_ms (document
// to composed sheet written to a temporary file), map_ms (selecting every record
// once); each the median of warm repeated runs.

#include "document/SheetComposer.h"
#include "document/TextFile.h"
#include "editor/StyleEditor.h"
#include "platform/PosixFileReplacer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MedianMs(int warm, int runs, const std::function<void()>& setup,
                const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < warm + runs; ++i) {
        setup();
        auto start = Clock::now();
        work();
        auto end = Clock::now();
        if (i >= warm)
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    // --durable writes the composed sheet as Save does, waiting for the disk; by
    // default it is written as the preview's refresh writes it.
    const bool durable = argc == 4 && std::string(argv[3]) == "--durable";
    if ((argc != 3 && !durable) || std::string(argv[1]) != "--sheet") {
        std::fprintf(stderr, "usage: tesselo-bench --sheet FILE [--durable]\n");
        return 2;
    }
    const std::string path = argv[2];
    const auto writeMode = durable ? tesselo::WriteMode::Durable : tesselo::WriteMode::Quick;
    tesselo::PosixFileReplacer files;
    tesselo::StyleEditor editor(files);
    if (auto failure = editor.LoadCSSFile(path, /*writeBackup=*/false)) {
        std::fprintf(stderr, "cannot read %s: %s\n", path.c_str(), failure->Reason.c_str());
        return 1;
    }
    tesselo::TextFileContent content;
    if (tesselo::ReadTextFile(path, content))
        return 1;
    const int rules = editor.Document().StyleCount();

    char tempDir[] = "/tmp/tesselo-bench-XXXXXX";
    if (!::mkdtemp(tempDir))
        return 1;
    const std::string target = std::string(tempDir) + "/sheet.css";

    const int warm = 3, runs = 21;
    auto nothing = [] {};
    // Reading starts from the new document, as opening a file after start-up does; the
    // previous run's document is put away before the clock starts.
    std::unique_ptr<tesselo::StyleEditor> fresh;
    double readMs = MedianMs(
        warm, runs, [&] { fresh = std::make_unique<tesselo::StyleEditor>(files); },
        [&] { fresh->LoadCSSFile(path, false); });
    fresh.reset();
    double composeMs = MedianMs(warm, runs, nothing, [&] {
        editor.ComposeCSS();
        if (tesselo::WriteSheetText(files, target, editor.Document().SheetText, writeMode))
            std::exit(1);
    });
    double mapMs = MedianMs(
        warm, runs, [&] { editor.LoadCSSFile(path, false); },
        [&] {
            for (int i = 0; i < rules; ++i)
                editor.Select(i);
        });

    ::unlink(target.c_str());
    ::rmdir(tempDir);
    std::printf("{\"bytes\": %zu, \"rules\": %d, \"read_ms\": %.3f, \"compose_ms\": %.3f, "
                "\"map_ms\": %.3f}\n",
                content.Bytes, rules, readMs, composeMs, mapMs);
    return 0;
}
