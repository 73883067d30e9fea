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
    // The lines in front of the rule, blank ones too, stay as they were, but the text
    // never starts with a line break; a comment on the selector's own line stays on it.
    const std::string_view front = record.FrontPart();
    const size_t lineBreak = front.rfind('\n');
    const size_t onSelectorLine = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
    std::string_view lines = front.substr(0, onSelectorLine);
    if (text.empty())
        lines = TrimBlanks(lines);
    text += lines;
    // A rule written anew starts on a line of its own.
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    if (const std::string_view note = TrimBlanks(front.substr(onSelectorLine)); !note.empty()) {
        text += note;
        text += ' ';
    }
    text += record.WrittenSelector();
    text += " {\n";
    for (const auto& line : record.Lines()) {
        if (IsUnsupportedComment(line))
            continue;
        text += line;
        text += '\n';
    }
    text += '}';
}

// Text written as read goes on where the text stops, unless it now follows other
// text than it did (an edited rule, or a rule moved away from it): then it starts on
// a new line.
void AppendAfter(std::string& text, bool newNeighbour, std::string_view next) {
    if (newNeighbour && !text.empty() && text.back() != '\n' && !next.empty() &&
        next.front() != '\n')
        text += '\n';
    text += next;
}

} // namespace

bool IsUnsupportedComment(std::string_view line) {
    return EqualsIgnoringAsciiCase(line, kUnsupportedComment);
}

SheetLines ComposeSheet(const StyleDocument& document, ProgressReport& progress) {
    constexpr size_t kRulesAStep = 4096;
    ProgressSpan span(progress, progress::kComposing, static_cast<size_t>(document.StyleCount()),
                      kRulesAStep);
    size_t bytes = document.Head().size() + document.Tail().size() + 2;
    for (int i = 0; i < document.StyleCount(); ++i)
        bytes += document.Record(i).Source().size() + 2;
    std::string text = document.Head();
    text.reserve(bytes);
    bool afterEdited = false;
    size_t previous = 0; // where the rule written last stood as read; 0 for the header
    for (int i = 0; i < document.StyleCount(); ++i) {
        span.At(static_cast<size_t>(i));
        const StyleRecord& record = document.Record(i);
        if (record.Edited()) {
            AppendEdited(text, record);
            afterEdited = true;
        } else {
            AppendAfter(text, afterEdited || record.ReadPosition() != previous + 1,
                        record.Source());
            afterEdited = false;
        }
        previous = record.ReadPosition();
    }
    AppendAfter(text, afterEdited || previous != document.RecordsRead(), document.Tail());
    SheetLines sheet = SheetLines::FromText(std::move(text), document.LineEnd);
    sheet.SetByteOrderMark(document.ByteOrderMark);
    return sheet;
}

} // namespace tesselo
