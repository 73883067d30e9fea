#pragma once

// The editing session without a window: the document, the current-style text view
// (CSSMemo) and the panel's editor state, with the operations that tie them together.
// The window shows this state and forwards its events here.

#include "document/FileReplacer.h"
#include "document/SheetReader.h"
#include "document/StyleDocument.h"
#include "mapping/PropertySet.h"
#include "mapping/TextView.h"

#include <optional>
#include <string>

namespace tesselo {

struct LoadFailure {
    enum class Kind { CannotRead, CannotWriteBackup } What;
    std::string Reason; // the system's message
    ReadRefusal Refusal = ReadRefusal::None;
};

class StyleEditor {
public:
    // Every write of the session and of its commands goes through `files`.
    explicit StyleEditor(FileReplacer& files, const LineList& installedFamilies = {});

    // Stores the text view into the current record. The record counts as edited when
    // the user changed it: by hand in the text view or through the panel.
    void CommitStep();

    // The select operation: commit, load the selected row's lines into the text view,
    // make it current and read it into the panel. A record that holds nested rules is
    // shown as it is, with the panel reset and out of use. Does nothing in an empty
    // document.
    void ListTagClick();
    void SelectRow(int row);

    // The user changed the current style (a panel control, a text pushed into the
    // panel): the document is modified and the current record edited.
    void UserChangedStyle();
    // The current record is written anew from now on, without the document counting
    // as modified (a panel control whose change the ask-to-save prompt does not see).
    void MarkCurrentEdited();

    // The text view pushed into the panel: the document is modified, the record edited,
    // and the select operation stores the text and reads it back.
    void BtnStyleUpdateClick();

    // Whether a record is current: the text view then holds its text and takes typing.
    bool HasCurrentStyle() const;
    // The user typed into the text view: it holds the lines, and the change counts as
    // any change of the style. Without a current record nothing is taken.
    void CSSMemoTyped(LineList lines);

    // Composes the whole sheet into the document's SheetText, after the select
    // operation has stored the text view.
    void ComposeCSS();

    // The new document: the single empty style "Body", a reset panel.
    void NewCSS();

    // Opens a style sheet: reads it into a new document first and swaps it in only on
    // success, so a failure leaves the open document exactly as it was. The backup
    // copy is written before the swap when asked for, after the temporary files a
    // crashed write left of the sheet are removed; a failed write also changes
    // nothing. Without the backup copy nothing on disk is touched.
    std::optional<LoadFailure> LoadCSSFile(const std::string& path, bool writeBackup = true);

    // Where opening and composing tell how far they are; nobody until told.
    void UseProgress(ProgressReport& progress) { progress_ = &progress; }
    ProgressReport& Progress() const { return *progress_; }

    StyleDocument Document;
    TextView CSSMemo;
    PropertySet Panel;
    FileReplacer& Files;
    // The current record holds nested rules: its text is edited as text only.
    bool NestedCurrent = false;

private:
    ProgressReport* progress_ = &NoProgress();
};

// The status line's text while a record with nested rules is current.
std::string NestedRulesHint();

} // namespace tesselo
