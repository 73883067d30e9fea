// tesselo-dump [--editor-layout] [--edit-all | --edit-one] FILE: the sheet as read, as mapped and
// as composed, one tagged line per output line ("tag<TAB>bytes<LF>"). Reads FILE as the editor
// opens it and writes nothing to disk. Selecting a record leaves it as read, so the composed sheet
// is the text as read; with --edit-all every record counts as edited once selected, so the composed
// sheet shows the editor's own form of every rule. With --edit-one every rule the panel reads also
// gets one of its set controls changed, as a user changes it, and the change is written: "edit"
// names the record, the property and its new value, "old" and "new" give the record's lines before
// and after. A group (@media and its kin) is a "group" line with its prelude before the "rule"
// lines of its rules and an "end" line with it after them; it is selected as any record is. The
// rules are edited as their authors' text, one declaration a change, unless --editor-layout asks
// for the editor's own layout.
//
// tesselo-dump --set-each FILE: every rule outside nested blocks that declares a property of the
// pages "Раскладка" and "Все свойства" gets its first such property set, through the session's
// one operation, to another value its control holds; the rule's other declarations are left alone.
// Each change is an "edit" line as with --edit-one, a "lines" line with the first and the last
// line of the rule's block in the file as read, and its "old" and "new" lines; a change the
// session refuses is a "refused" line with the record, the property and the value.
//
// tesselo-dump --variables FILE: each custom property the sheet defines, one "variable" line a
// definition: its name, the rule that defines it (inside its groups' conditions), its kind, how
// many var() of it the sheet holds, and "shadowed" when a later declaration of the rule wins;
// then an "undefined" line for each variable read through var() without a fallback that no rule
// defines, with how many rules read it.
//
// tesselo-dump --coverage FILE...: how many declarations of the panel's properties
// the panel takes into a control, per sheet and in all, and why it keeps the rest; how many
// declarations of any property a control of the catalogue takes, and which properties none does.

#include "Coverage.h"
#include "PanelEdit.h"
#include "document/SheetComposer.h"
#include "editor/StyleEditor.h"
#include "mapping/SheetVariables.h"
#include "platform/PosixFileReplacer.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

void Emit(std::string_view tag, std::string_view text) {
    std::fwrite(tag.data(), 1, tag.size(), stdout);
    std::fputc('\t', stdout);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void EmitLines(std::string_view tag, const tesselo::LineList& lines) {
    for (const auto& line : lines)
        Emit(tag, line);
}

int Usage() {
    std::fprintf(stderr, "usage: tesselo-dump [--editor-layout] [--edit-all | --edit-one | "
                         "--set-each] FILE\n"
                         "       tesselo-dump --coverage FILE...\n"
                         "       tesselo-dump --variables FILE\n");
    return 2;
}

int Coverage(int files, char** paths) {
    tesselo::PosixFileReplacer replacer;
    tesselo::StyleEditor editor(replacer);
    // What the panel leaves is what the layout puts below its marker line.
    editor.UseEditorLayout(true);
    tesselo::dump::CoverageCount count;
    for (int i = 0; i < files; ++i) {
        if (auto failure = editor.LoadCSSFile(paths[i], /*writeBackup=*/false)) {
            Emit("error", std::string(paths[i]) + ": " + failure->Reason);
            return 1;
        }
        count.AddSheet(paths[i], editor);
    }
    count.Report(std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int Variables(const char* path) {
    tesselo::PosixFileReplacer replacer;
    tesselo::StyleEditor editor(replacer);
    if (auto failure = editor.LoadCSSFile(path, /*writeBackup=*/false)) {
        Emit("error", std::string(path) + ": " + failure->Reason);
        return 1;
    }
    const tesselo::StyleDocument& document = editor.Document();
    const tesselo::SheetVariables variables{document};
    for (const tesselo::VariableDefinition& d : variables.Definitions()) {
        Emit("variable", d.Name + "\t" + tesselo::RulePlace(document, d.Row, " > ") + "\t" +
                             std::string(tesselo::KindName(variables.KindOf(d))) + "\tuses " +
                             std::to_string(variables.UseCount(d.Name)) +
                             (d.Shadowed ? "\tshadowed" : ""));
    }
    std::map<std::string, int> undefined;
    for (int row = 0; row < document.StyleCount(); ++row) {
        if (document.Record(row).IsGroup())
            continue;
        std::set<std::string> named;
        for (const auto& ref : variables.Undefined(document.Record(row).BlockText()))
            if (named.insert(ref.Name).second)
                ++undefined[ref.Name];
    }
    for (const auto& [name, rules] : undefined)
        Emit("undefined", name + "\trules " + std::to_string(rules));
    std::fflush(stdout);
    return 0;
}

size_t LineBreaks(std::string_view text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The first and the last line (from 1) of each record's block in the sheet as read: the
// composer writes a record no one edited as its source, after the header and the records
// and group closes before it. A group's range is its prelude's.
std::vector<std::pair<size_t, size_t>> BlockLines(const tesselo::StyleDocument& document) {
    std::vector<std::pair<size_t, size_t>> ranges;
    size_t line = 1 + LineBreaks(document.Head());
    std::vector<const tesselo::StyleRecord*> open;
    for (int i = 0; i < document.StyleCount(); ++i) {
        const tesselo::StyleRecord& record = document.Record(i);
        for (; !open.empty() && open.back()->Depth() >= record.Depth(); open.pop_back())
            line += LineBreaks(open.back()->Close());
        if (record.IsGroup())
            open.push_back(&record);
        const std::string_view source = record.Source();
        const size_t end = source.ends_with('}') ? source.size() - 1 : source.size();
        const size_t begin = end - std::min(end, record.BlockText().size());
        const size_t first = line + LineBreaks(source.substr(0, begin));
        ranges.emplace_back(first, first + LineBreaks(source.substr(begin, end - begin)));
        line += LineBreaks(source);
    }
    return ranges;
}

} // namespace

int main(int argc, char** argv) {
    const bool editorLayout = argc > 1 && std::string_view(argv[1]) == "--editor-layout";
    if (editorLayout)
        --argc, ++argv;
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "--variables")
        return argc == 3 ? Variables(argv[2]) : Usage();
    if (mode == "--coverage")
        return argc > 2 ? Coverage(argc - 2, argv + 2) : Usage();
    const bool editAll = mode == "--edit-all";
    const bool editOne = mode == "--edit-one";
    const bool setEach = mode == "--set-each";
    if (argc != ((editAll || editOne || setEach) ? 3 : 2))
        return Usage();
    tesselo::PosixFileReplacer files;
    tesselo::StyleEditor editor(files);
    editor.UseEditorLayout(editorLayout);
    if (auto failure = editor.LoadCSSFile(argv[argc - 1], /*writeBackup=*/false)) {
        Emit("error", failure->Reason);
        return 1;
    }
    const tesselo::StyleDocument& document = editor.Document();
    const int count = document.StyleCount();
    // Opening selected record 0 without printing it.
    if ((editAll || editOne) && count > 0)
        editor.MarkCurrentEdited();

    // The records still hold the text as read until the next selection commits the
    // view of the first one.
    std::vector<const tesselo::StyleRecord*> groups; // those open, outermost first
    auto close = [&](int depth) {
        for (; static_cast<int>(groups.size()) > depth; groups.pop_back())
            Emit("end", groups.back()->Selector);
    };
    for (int i = 0; i < count; ++i) {
        const tesselo::StyleRecord& record = document.Record(i);
        close(record.Depth());
        if (record.IsGroup()) {
            Emit("group", record.Selector); // its rules follow, then its "end"
            groups.push_back(&record);
            continue;
        }
        Emit("rule", record.Selector);
        EmitLines("line", record.Lines());
    }
    close(0);
    std::vector<std::pair<size_t, size_t>> blockLines;
    if (setEach)
        blockLines = BlockLines(document);
    for (int i = 0; i < count; ++i) {
        if (setEach) {
            editor.Select(i);
            if (editor.NestedCurrent() || editor.GroupCurrent())
                continue;
            const tesselo::LineList old = document.Record(i).Lines();
            const auto edit = tesselo::dump::CatalogEdit(editor.CurrentBlock());
            if (!edit)
                continue;
            const std::string what = std::to_string(i) + "\t" + edit->Property + "\t" + edit->Value;
            if (!editor.SetProperty(edit->Property, edit->Value)) {
                Emit("refused", what);
                continue;
            }
            Emit("edit", what + "\t" + edit->Control);
            Emit("lines", std::to_string(blockLines[static_cast<size_t>(i)].first) + "\t" +
                              std::to_string(blockLines[static_cast<size_t>(i)].second));
            EmitLines("old", old);
            EmitLines("new", editor.Memo().Lines);
            continue;
        }
        Emit("select", std::to_string(i));
        const tesselo::LineList old = document.Record(i).Lines();
        editor.Select(i);
        if (editAll || editOne)
            editor.MarkCurrentEdited();
        if (!editOne) {
            EmitLines("memo", editor.Memo().Lines);
            continue;
        }
        if (editor.NestedCurrent() || tesselo::dump::SetControlCount(editor.Panel()) == 0)
            continue;
        std::optional<tesselo::dump::PanelEdit> edit;
        editor.ChangePanel(
            [&](tesselo::PropertySet& panel) { edit = tesselo::dump::EditOneControl(panel, i); },
            {.Writes = true});
        Emit("edit",
             std::to_string(i) + "\t" + edit->Property + "\t" + edit->Value + "\t" + edit->Control);
        EmitLines("old", old);
        EmitLines("new", editor.Memo().Lines);
    }
    editor.ComposeCSS();
    EmitLines("sheet", document.SheetText.ToLineList());
    return std::fflush(stdout) == 0 ? 0 : 1;
}
