#include "editor/StyleEditor.h"

#include "document/SheetComposer.h"
#include "document/TextFile.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationReader.h"

namespace tesselo {

StyleEditor::StyleEditor(FileReplacer& files, const LineList& installedFamilies)
    : Panel(installedFamilies), Files(files) {
    NewCSS();
}

void StyleEditor::CommitStep() {
    if (Document.CurrentStyleIndex >= 0)
        Document.ReplaceLines(Document.CurrentStyleIndex, CSSMemo.Lines);
}

void StyleEditor::ListTagClick() {
    if (Document.StyleCount() == 0)
        return;
    CommitStep();
    if (Document.SelectedRow < 0 || Document.SelectedRow >= Document.StyleCount())
        Document.SelectedRow = 0;
    const int row = Document.SelectedRow;
    CSSMemo.Lines = Document.Record(row).Lines;
    Document.CurrentStyleIndex = row;
    ReadDeclarations(Panel, CSSMemo);
}

void StyleEditor::SelectRow(int row) {
    Document.SelectedRow = row;
    ListTagClick();
}

void StyleEditor::ComposeCSS() {
    ListTagClick();
    Document.SheetText = ComposeSheet(Document);
}

void StyleEditor::NewCSS() {
    Document.NewCSS();
    CSSMemo.Lines.clear();
    ClearPanel(Panel);
}

std::optional<LoadFailure> StyleEditor::LoadCSSFile(const std::string& path, bool writeBackup,
                                                    bool* nestedBlocks) {
    SheetFile sheet;
    if (auto failure = ReadSheetFile(path, sheet)) {
        auto kind = failure->What == SheetReadFailure::Kind::TooManyRules
                        ? LoadFailure::Kind::TooManyRules
                        : LoadFailure::Kind::CannotRead;
        return LoadFailure{kind, failure->Reason};
    }
    if (writeBackup) {
        if (auto error = WriteSheetText(Files, BackupCopyName(path), sheet.Text))
            return LoadFailure{LoadFailure::Kind::CannotWriteBackup, *error};
    }

    if (nestedBlocks)
        *nestedBlocks = sheet.NestedBlocks;
    Document.SheetText = std::move(sheet.Text);
    Document.ReplaceRecords(std::move(sheet.Rules));
    Document.FileName = path;
    CSSMemo = TextView{};
    // Nothing of the previous document may be committed into the new records.
    Document.SelectedRow = Document.StyleCount() > 0 ? 0 : -1;
    Document.CurrentStyleIndex = -1;
    ListTagClick();
    if (Document.StyleCount() == 0)
        ClearPanel(Panel);
    Document.Caption = WindowCaptionFor(path);
    Document.Modified = false;
    return std::nullopt;
}

} // namespace tesselo
