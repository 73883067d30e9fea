#include "editor/StyleEditor.h"

#include "document/SheetComposer.h"
#include "document/TextFile.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationReader.h"

namespace tesselo {

std::string NestedRulesHint() {
    return "Стиль содержит вложенные правила (@media, @supports и подобные): "
           "его текст редактируется только в окне стиля";
}

StyleEditor::StyleEditor(FileReplacer& files, const LineList& installedFamilies)
    : Panel(installedFamilies), Files(files) {
    NewCSS();
}

void StyleEditor::CommitStep() {
    const int current = Document.CurrentStyleIndex;
    if (current < 0 || current >= Document.StyleCount())
        return;
    // A hand edit stored into its record is a change to save.
    if (CSSMemo.Edited)
        UserChangedStyle();
    Document.ReplaceLines(current, CSSMemo.Lines);
}

void StyleEditor::ListTagClick() {
    if (Document.StyleCount() == 0)
        return;
    CommitStep();
    if (Document.SelectedRow < 0 || Document.SelectedRow >= Document.StyleCount())
        Document.SelectedRow = 0;
    const int row = Document.SelectedRow;
    CSSMemo.Lines = Document.Record(row).Lines();
    Document.CurrentStyleIndex = row;
    NestedCurrent = HoldsNestedRules(CSSMemo.Lines);
    if (NestedCurrent) {
        CSSMemo.Edited = false;
        ClearPanel(Panel);
    } else {
        ReadDeclarations(Panel, CSSMemo);
    }
}

void StyleEditor::SelectRow(int row) {
    Document.SelectedRow = row;
    ListTagClick();
}

void StyleEditor::UserChangedStyle() {
    Document.Modified = true;
    MarkCurrentEdited();
}

void StyleEditor::MarkCurrentEdited() {
    if (HasCurrentStyle())
        Document.MarkEdited(Document.CurrentStyleIndex);
}

bool StyleEditor::HasCurrentStyle() const {
    return Document.CurrentStyleIndex >= 0 && Document.CurrentStyleIndex < Document.StyleCount();
}

void StyleEditor::CSSMemoTyped(LineList lines) {
    if (!HasCurrentStyle())
        return;
    CSSMemo.Lines = std::move(lines);
    CSSMemo.Edited = true;
    UserChangedStyle();
}

void StyleEditor::BtnStyleUpdateClick() {
    UserChangedStyle();
    ListTagClick();
}

void StyleEditor::ComposeCSS() {
    ListTagClick();
    Document.SheetText = ComposeSheet(Document, *progress_);
}

void StyleEditor::NewCSS() {
    Document.NewCSS();
    CSSMemo.Lines.clear();
    CSSMemo.Edited = false;
    NestedCurrent = false;
    ClearPanel(Panel);
}

std::optional<LoadFailure> StyleEditor::LoadCSSFile(const std::string& path, bool writeBackup) {
    SheetFile sheet;
    if (auto failure = ReadSheetFile(path, sheet, *progress_))
        return LoadFailure{LoadFailure::Kind::CannotRead, failure->Reason, failure->Refusal};
    if (writeBackup) {
        // Opening for editing: what a crashed write left beside the sheet goes.
        RemoveLeftoverTemporaryFiles(path);
        // Byte for byte: discarding changes puts this copy back as the file.
        if (auto error = WriteFileBytes(Files, BackupCopyName(path), sheet.Raw))
            return LoadFailure{LoadFailure::Kind::CannotWriteBackup, *error};
    }

    Document.LineEnd = std::string(sheet.Text.LineEnd());
    Document.ByteOrderMark = sheet.Text.ByteOrderMark();
    Document.Encoding = sheet.Encoding;
    Document.SheetText = std::move(sheet.Text);
    Document.ReplaceRecords(std::move(sheet.Rules.Records), std::move(sheet.Rules.Tail));
    Document.FileName = path;
    Document.FileRewritten = false;
    Document.DiskStamp = StampOf(path);
    CSSMemo = TextView{};
    NestedCurrent = false;
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
