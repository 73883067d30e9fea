#include "document/SheetComposer.h"

namespace tesselo {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) < 33; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

void AppendEdited(std::string& text, const StyleRecord& record) {
    // A rule written anew starts on a line of its own, but the text never starts with
    // a line break.
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    const std::string_view front = TrimBlanks(record.FrontPart());
    if (!front.empty()) {
        text += front;
        text += '\n';
    }
    text += record.Selector;
    text += " {\n";
    for (const auto& line : record.Lines()) {
        if (IsUnsupportedComment(line))
            continue;
        text += line;
        text += '\n';
    }
    text += '}';
}

// What follows an edited record's "}" starts on a new line.
void AppendAfter(std::string& text, bool afterEdited, std::string_view next) {
    if (afterEdited && !next.empty() && next.front() != '\n')
        text += '\n';
    text += next;
}

} // namespace

bool IsUnsupportedComment(std::string_view line) {
    return EqualsIgnoringAsciiCase(line, kUnsupportedComment);
}

SheetLines ComposeSheet(const StyleDocument& document) {
    size_t bytes = document.Tail().size() + 2;
    for (int i = 0; i < document.StyleCount(); ++i)
        bytes += document.Record(i).Source().size() + 2;
    std::string text;
    text.reserve(bytes);
    bool afterEdited = false;
    for (int i = 0; i < document.StyleCount(); ++i) {
        const StyleRecord& record = document.Record(i);
        if (record.Edited()) {
            AppendEdited(text, record);
            afterEdited = true;
        } else {
            AppendAfter(text, afterEdited, record.Source());
            afterEdited = false;
        }
    }
    AppendAfter(text, afterEdited, document.Tail());
    SheetLines sheet = SheetLines::FromText(std::move(text), document.LineEnd);
    sheet.SetByteOrderMark(document.ByteOrderMark);
    return sheet;
}

} // namespace tesselo
