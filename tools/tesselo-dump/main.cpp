// tesselo-dump [--edit-all] FILE: the sheet as read, as mapped and as composed, one
// tagged line per output line ("tag<TAB>bytes<LF>"). Reads FILE as the editor opens it
// and writes nothing to disk. Selecting a record leaves it as read, so the composed
// sheet is the text as read; with --edit-all every record counts as edited once
// selected, so the composed sheet shows the editor's own form of every rule.

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
    const bool editAll = argc == 3 && std::string_view(argv[1]) == "--edit-all";
    if (argc != 2 && !editAll) {
        std::fprintf(stderr, "usage: tesselo-dump [--edit-all] FILE\n");
        return 2;
    }
    tesselo::PosixFileReplacer files;
    tesselo::StyleEditor editor(files);
    if (auto failure = editor.LoadCSSFile(argv[argc - 1], /*writeBackup=*/false)) {
        Emit("error", failure->Reason);
        return 1;
    }
    tesselo::StyleDocument& document = editor.Document;
    const int count = document.StyleCount();
    // Opening selected record 0 without printing it.
    if (editAll && count > 0)
        document.MarkEdited(0);

    // The records still hold the text as read until the next selection commits the
    // view of the first one.
    for (int i = 0; i < count; ++i) {
        const tesselo::StyleRecord& record = document.Record(i);
        Emit("rule", record.Selector);
        for (const auto& line : record.Lines())
            Emit("line", line);
    }
    for (int i = 0; i < count; ++i) {
        Emit("select", std::to_string(i));
        editor.SelectRow(i);
        if (editAll)
            document.MarkEdited(i);
        for (const auto& line : editor.CSSMemo.Lines)
            Emit("memo", line);
    }
    editor.ComposeCSS();
    for (const auto& line : document.SheetText)
        Emit("sheet", line);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
