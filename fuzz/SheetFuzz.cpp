// The file reader with the composer: any bytes read and composed; a sheet whose rules
// nobody edited is written back exactly as read; a sheet whose every rule was written
// anew reads back as as many rules, and writing them anew once more gives the same
// bytes: the composed sheet settles at its first writing, with no exception known. A
// rule edited as its author's text, its block put back as it was, is written as read.

#include "FuzzProperties.h"
#include "FuzzTarget.h"
#include "document/SheetComposer.h"
#include "document/SheetReader.h"

#include <cstdint>
#include <string_view>

namespace {

using namespace tesselo;

void Load(const SheetLines& text, StyleDocument& document) {
    auto sheet = LoadStylesFromSheet(text);
    document.ReplaceRecords(std::move(sheet.Records), std::move(sheet.Tail));
}

SheetLines ComposeAllEdited(StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i)
        document.MarkEdited(i);
    return ComposeSheet(document);
}

// Every rule taken as its author's text, as an edit in the current style's view
// takes it.
SheetLines ComposeAllAuthored(StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i)
        if (!document.Record(i).IsGroup()) {
            document.MarkEdited(i);
            document.ReplaceBlock(i, document.Record(i).BlockText());
        }
    return ComposeSheet(document);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SheetLines text = SheetLines::FromBytes(bytes);
    StyleDocument first;
    Load(text, first);
    TESSELO_FUZZ_CHECK(ComposeSheet(first) == text);
    StyleDocument authored;
    Load(text, authored);
    TESSELO_FUZZ_CHECK(ComposeAllAuthored(authored) == text);

    const SheetLines composed = ComposeAllEdited(first);
    StyleDocument second;
    Load(composed, second);
    TESSELO_FUZZ_CHECK(second.StyleCount() == first.StyleCount());
    TESSELO_FUZZ_CHECK(ComposeAllEdited(second) == composed);
    return 0;
}
