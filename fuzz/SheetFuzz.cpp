// The file reader with the composer: any bytes read and composed; a sheet whose rules
// nobody edited is written back exactly as read; writing every rule anew, reading and
// writing anew again changes nothing further.

#include "FuzzProperties.h"
#include "FuzzTarget.h"
#include "SheetKnownExceptions.h"
#include "document/SheetComposer.h"
#include "document/SheetReader.h"

#include <cstdint>
#include <string_view>

namespace {

using namespace tesselo;
using namespace tesselo::fuzz;

void Load(const SheetLines& text, StyleDocument& document) {
    auto sheet = LoadStylesFromSheet(text);
    document.ReplaceRecords(std::move(sheet.Records), std::move(sheet.Tail));
}

SheetLines ComposeAllEdited(StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i)
        document.MarkEdited(i);
    return ComposeSheet(document);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SheetLines text = SheetLines::FromBytes(bytes);
    StyleDocument first;
    Load(text, first);
    TESSELO_FUZZ_CHECK(ComposeSheet(first) == text);

    const SheetLines composed = ComposeAllEdited(first);
    StyleDocument second;
    Load(composed, second);
    const SheetLines again = ComposeAllEdited(second);
    StyleDocument third;
    Load(again, third);
    if (SelectorReadsOtherwiseOnOneLine(first) || LinesLeaveTheBlockOpen(first))
        return 0;
    TESSELO_FUZZ_CHECK(second.StyleCount() == first.StyleCount());
    TESSELO_FUZZ_CHECK(ComposeAllEdited(third) == again);
    return 0;
}
