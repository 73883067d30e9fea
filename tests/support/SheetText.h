#pragma once

// A document as the reader makes it from a sheet's bytes, without a file.

#include "document/SheetReader.h"
#include "document/StyleDocument.h"

#include <string_view>
#include <utility>

namespace tesselo::testing {

inline StyleDocument DocumentRead(std::string_view bytes) {
    StyleDocument doc;
    const SheetLines text = SheetLines::FromBytes(bytes);
    auto sheet = LoadStylesFromSheet(text);
    doc.ReplaceRecords(std::move(sheet.Records), std::move(sheet.Tail));
    doc.LineEnd = text.LineEnd();
    doc.ByteOrderMark = text.ByteOrderMark();
    doc.FinalLineEnd = text.FinalLineEnd();
    return doc;
}

} // namespace tesselo::testing
