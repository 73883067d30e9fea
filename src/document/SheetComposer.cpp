#include "document/SheetComposer.h"

namespace tesselo {

bool IsUnsupportedComment(std::string_view line) {
    return EqualsIgnoringAsciiCase(line, kUnsupportedComment);
}

LineList ComposeSheet(const StyleDocument& document) {
    LineList sheet;
    for (int i = 0; i < document.StyleCount(); ++i) {
        const StyleRecord& record = document.Record(i);
        sheet.push_back(record.Selector + " {");
        for (const auto& line : record.Lines)
            if (!IsUnsupportedComment(line))
                sheet.push_back(line);
        sheet.emplace_back("}");
    }
    return sheet;
}

} // namespace tesselo
