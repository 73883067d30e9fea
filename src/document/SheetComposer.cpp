#include "document/SheetComposer.h"

#include "document/SheetReader.h"

#include <algorithm>
#include <iterator>
#include <vector>

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

// The indentation of a rule written anew inside a group: as it stood, or two blanks a
// level for a rule new there or brought in from the top.
std::string IndentOf(const StyleRecord& record) {
    if (record.Depth() == 0)
        return {};
    if (const std::string_view read = record.Indent(); !read.empty())
        return std::string(read);
    return std::string(2 * static_cast<size_t>(record.Depth()), ' ');
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
    const std::string indent = IndentOf(record);
    text += indent;
    if (const std::string_view note = TrimBlanks(front.substr(onSelectorLine)); !note.empty()) {
        text += note;
        text += ' ';
    }
    const std::string_view selector = record.WrittenSelector();
    text += selector;
    if (const SelectorEnd end = SelectorEndOf(selector); end.InString) {
        // A "{" on the line would be in the string: it goes on the next, where the line
        // end has closed the string, as its author had it. A line end escaped goes on
        // with the string, up to the next.
        text += end.Escaping ? "\n\n" : "\n";
        text += indent;
        text += '{';
    } else {
        // Nothing in front of the "{" of an empty selector: a blank there would be read
        // back as its indentation, one more at every writing.
        text += selector.empty() ? "{" : " {";
    }
    // A group's rules and its close follow it.
    if (record.IsGroup())
        return;
    if (record.BlockReplaced()) { // the author's text, blanks and line breaks its own
        text += record.BlockText();
        text += '}';
        return;
    }
    text += "\n";
    const LineList& declarations = record.Lines();
    auto last = declarations.end();
    // The blanks in front of the "}", read back as the rule's last line, are not written
    // as a line of their own: the "}" has a line of its own already.
    if (last != declarations.begin() && TrimBlanks(*(last - 1)).empty())
        --last;
    const std::string lineIndent = indent.empty() ? std::string() : indent + "  ";
    for (auto line = declarations.begin(); line != last; ++line) {
        if (IsUnsupportedComment(*line))
            continue;
        // A line of blanks is written as it is: indented, it would be read back as one
        // blank and indented once more at the next writing.
        if (!TrimBlanks(*line).empty())
            text += lineIndent;
        text += *line;
        text += '\n';
    }
    // Lines that end inside a string, a comment or a nested block (a rule left open at
    // the end of the sheet) are closed first, or the "}" would close them instead of the
    // rule. A string goes on past its escaped line end, up to the next: a line of one
    // blank, which the reader keeps as a line.
    LineList kept; // the lines written, when a marker line is left out
    if (std::any_of(declarations.begin(), last, IsUnsupportedComment))
        std::copy_if(declarations.begin(), last, std::back_inserter(kept),
                     [](const std::string& line) { return !IsUnsupportedComment(line); });
    const LineNesting open =
        ScanNesting(kept.empty() ? std::span<const std::string>(declarations.begin(), last) : kept);
    if (open.InString)
        text += " \n";
    if (open.InComment)
        text += lineIndent + "*/\n";
    for (int block = 0; block < open.OpenBlocks; ++block)
        text += lineIndent + "}\n";
    text += indent;
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
        bytes += document.Record(i).Source().size() + document.Record(i).Close().size() + 2;
    std::string text = document.Head();
    text.reserve(bytes);
    bool afterEdited = false;
    size_t previous = 0; // where the rule written last stood as read; 0 for the header
    std::vector<const StyleRecord*> open; // the groups being written, outermost first
    auto closeGroup = [&] {
        const StyleRecord& group = *open.back();
        AppendAfter(text, afterEdited || previous != group.CloseAfter(), group.Close());
        afterEdited = false;
        previous = group.CloseAfter();
        open.pop_back();
    };
    for (int i = 0; i < document.StyleCount(); ++i) {
        span.At(static_cast<size_t>(i));
        const StyleRecord& record = document.Record(i);
        while (!open.empty() && open.back()->Depth() >= record.Depth())
            closeGroup();
        if (record.IsGroup())
            open.push_back(&record);
        if (record.Edited() && !(record.BlockReplaced() && record.HasRuleSource())) {
            AppendEdited(text, record);
            afterEdited = true;
        } else {
            // A rule edited as its author's text is its source with the new block: it
            // ends where it did.
            AppendAfter(text, afterEdited || record.ReadPosition() != previous + 1,
                        record.Edited() ? record.SplicedSource() : record.Source());
            afterEdited = false;
        }
        previous = record.ReadPosition();
    }
    while (!open.empty())
        closeGroup();
    AppendAfter(text, afterEdited || previous != document.RecordsRead(), document.Tail());
    SheetLines sheet = SheetLines::FromText(std::move(text), document.LineEnd);
    sheet.SetByteOrderMark(document.ByteOrderMark);
    sheet.SetFinalLineEnd(document.FinalLineEnd);
    return sheet;
}

} // namespace tesselo
