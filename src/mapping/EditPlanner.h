#pragma once

// A change of the panel made in the author's text. The writer tells what the change
// means: its layout of the rule before and after the change differs in the
// declarations the change needs. Those differences are made in the rule's block as
// edits of single declarations: a value replaced where it stands, a declaration added
// after the last one, or one removed with its line; nothing else of the block changes.

#include "document/ByteText.h"
#include "mapping/BlockRewriter.h"
#include "mapping/SheetHabits.h"

#include <optional>
#include <string>
#include <string_view>

namespace tesselo {

// Where a changed value goes: into the declaration that holds it, or, when that would
// not apply, into a new declaration after the others (the old one removed).
enum class EditPlace { InPlace, AtEnd };

// The block with the change from the writer's layout `before` to `after` made in it;
// nothing when the change cannot be made as edits (a value the rewriter refuses).
std::optional<std::string> PlanBlockEdit(std::string_view block, const LineList& before,
                                         const LineList& after, const BlockContext& context,
                                         const SheetHabits& habits, EditPlace place);

// A value compared as CSS compares it: comments out, blanks reduced, ASCII letters in
// lower case, zero lengths without their unit.
std::string ComparableValue(std::string_view value);

} // namespace tesselo
