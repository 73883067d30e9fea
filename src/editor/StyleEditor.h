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
    enum class Kind { CannotRead, TooManyRules, CannotWriteBackup } What;
    std::string Reason; // the system's message where there is one
};

class StyleEditor {
public:
    // Every write of the session and of its commands goes through `files`.
    explicit StyleEditor(FileReplacer& files, const LineList& installedFamilies = {});

    // Stores the text view into the current record.
    void CommitStep();

    // The select operation: commit, load the selected row's lines into the text view,
    // make it current and read it into the panel. Does nothing in an empty document.
    void ListTagClick();
    void SelectRow(int row);

    // Composes the whole sheet into the document's SheetText, after the select
    // operation has stored the text view.
    void ComposeCSS();

    // The new document: the single empty style "Body", a reset panel.
    void NewCSS();

    // Opens a style sheet: reads it into a new document first and swaps it in only on
    // success, so a failure leaves the open document exactly as it was. The backup
    // copy is written before the swap when asked for; a failed write also changes
    // nothing.
    // nestedBlocks, when given, tells whether a "{" inside a block started a rule.
    std::optional<LoadFailure> LoadCSSFile(const std::string& path, bool writeBackup = true,
                                           bool* nestedBlocks = nullptr);

    StyleDocument Document;
    TextView CSSMemo;
    PropertySet Panel;
    FileReplacer& Files;
};

} // namespace tesselo
