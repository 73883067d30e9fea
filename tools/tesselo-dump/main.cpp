// tesselo-dump FILE: the sheet as read, as mapped and as composed, one tagged line
// per output line ("tag<TAB>bytes<LF>"). Reads FILE as the editor opens it and writes
// nothing to disk.

#include "document/SheetComposer.h"
#include "editor/StyleEditor.h"
#include "platform/PosixFileReplacer.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

void Emit(std::string_view tag, std::string_view text) {
    std::fwrite(tag.data(), 1, tag.size(), stdout);
    std::fputc('\t', stdout);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tesselo-dump FILE\n");
        return 2;
    }
    tesselo::PosixFileReplacer files;
    tesselo::StyleEditor editor(files);
    if (auto failure = editor.LoadCSSFile(argv[1], /*writeBackup=*/false)) {
        if (failure->What == tesselo::LoadFailure::Kind::TooManyRules)
            Emit("error", "too many rules");
        else
            Emit("error", failure->Reason);
        return 1;
    }
    tesselo::StyleDocument& document = editor.Document;
    const int count = document.StyleCount();
    if (count == 0)
        return 0;

    // Opening selected the first record into the text view; the records themselves
    // still hold the text as read until the next selection commits the view.
    for (int i = 0; i < count; ++i) {
        const tesselo::StyleRecord& record = document.Record(i);
        Emit("rule", record.Selector);
        for (const auto& line : record.Lines)
            Emit("line", line);
    }
    for (int i = 0; i < count; ++i) {
        Emit("select", std::to_string(i));
        editor.SelectRow(i);
        for (const auto& line : editor.CSSMemo.Lines)
            Emit("memo", line);
    }
    editor.ComposeCSS();
    for (const auto& line : document.SheetText)
        Emit("sheet", line);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
