#include "document/SheetComposer.h"

namespace tesselo {

bool IsUnsupportedComment(std::string_view line) {
    return EqualsIgnoringAsciiCase(line, kUnsupportedComment);
}

SheetLines ComposeSheet(const StyleDocument& document) {
    size_t bytes = 0, lines = 0;
    for (int i = 0; i < document.StyleCount(); ++i) {
        const StyleRecord& record = document.Record(i);
        bytes += record.Selector.size() + 7;
        lines += record.Lines.size() + 2;
        for (const auto& line : record.Lines)
            bytes += line.size() + 2;
    }
    SheetLines sheet;
    sheet.reserve(bytes, lines);
    for (int i = 0; i < document.StyleCount(); ++i) {
        const StyleRecord& record = document.Record(i);
        sheet.push_back(record.Selector, " {");
        for (const auto& line : record.Lines)
            if (!IsUnsupportedComment(line))
                sheet.push_back(line);
        sheet.push_back("}");
    }
    return sheet;
}

} // namespace tesselo
