#pragma once

// How much of a sheet the panel shows: of the declarations of the panel's properties
// (its longhands and the shorthands that set them), how many the declaration reader
// takes into a control, and why it keeps the others as text. And of every declaration
// of any property, how many a control built from the catalogue holds, and the
// properties of those it does not.

#include "DeclarationScan.h"
#include "editor/StyleEditor.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tesselo::dump {

// The panel's longhands, the catalogue's rows of its own tool bars and first pages, and
// the shorthands that set them.
bool IsPanelLonghand(std::string_view property);
bool IsPanelShorthand(std::string_view property);

// Why a kept declaration is kept, by its shape: "comment" (one inside it),
// "!important", "var()", "shorthand", "several values", "colour function", "function",
// "unit", "keyword", "other".
std::string ValueKind(const ScannedDeclaration& declaration);

struct Share {
    long Taken = 0;
    long Total = 0;
    void Add(const Share& other) {
        Taken += other.Taken;
        Total += other.Total;
    }
};

class CoverageCount {
public:
    // Selects every rule of the sheet the editor holds and counts it; rules with
    // nested blocks are left out and counted apart.
    void AddSheet(const std::string& name, StyleEditor& editor);
    void Report(std::ostream& out) const;

private:
    struct SheetCount {
        std::string Name;
        int Rules = 0;
        int Nested = 0;
        Share All, Longhands;
    };
    // The kept declarations of one group, by their text.
    struct Rest {
        long Count = 0;
        std::map<std::string, long> Examples;
    };
    void AddRest(std::map<std::string, Rest>& groups, const std::string& key,
                 const std::string& example);

    std::vector<SheetCount> sheets_;
    std::map<std::string, Rest> byProperty_;
    std::map<std::string, Rest> byKind_;
    // Every declaration but the custom properties, taken when its property is a row of
    // the catalogue whose control holds its value.
    Share controls_;
    long custom_ = 0;
    // The variables' definitions, taken when the variables page edits them with an editor
    // of their kind (a colour, a length...), not as plain text.
    Share customTyped_;
    std::map<std::string, long> untaken_; // by property
};

} // namespace tesselo::dump
