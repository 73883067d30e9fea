// The file reader with the composer: any bytes read and composed, and reading a
// composed sheet and composing again changes nothing further.

#include "FuzzProperties.h"
#include "SheetKnownExceptions.h"
#include "document/SheetComposer.h"
#include "document/SheetReader.h"

#include <cstdint>
#include <string_view>

namespace {

using namespace tesselo;
using namespace tesselo::fuzz;

bool Load(const SheetLines& text, StyleDocument& document) {
    auto rules = LoadStylesFromSheet(text);
    if (rules.size() > static_cast<size_t>(kStyleCapacity))
        return false;
    document.ReplaceRecords(std::move(rules));
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    StyleDocument first;
    if (!Load(SheetLines::FromBytes(bytes), first))
        return 0;
    const SheetLines composed = ComposeSheet(first);

    StyleDocument second;
    TESSELO_FUZZ_CHECK(Load(composed, second));
    const SheetLines again = ComposeSheet(second);
    StyleDocument third;
    TESSELO_FUZZ_CHECK(Load(again, third));
    if (HasSplitCommentOpener(first) || HasSplitCommentOpener(second) || LeavesCommentOpen(first))
        return 0;
    TESSELO_FUZZ_CHECK(ComposeSheet(third) == again);
    TESSELO_FUZZ_CHECK(third.StyleCount() == first.StyleCount());
    return 0;
}
