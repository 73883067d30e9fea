#pragma once

// The sheet's custom properties: where each is defined, what kind of value it holds,
// which rules read it through var(), and what a var() stands for where no element of the
// page is known. Names of custom properties are compared as written: "--Brand" and
// "--brand" are two variables, as the browser takes them.

#include "document/StyleDocument.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// What a variable holds, for the editor that shows it.
enum class VariableKind {
    Color,     // any colour: #0d6efd, rgb(13 110 253 / .5), transparent, color-mix()
    RgbTriple, // three channels for rgb(var(--x)): "13, 110, 253"
    Length,    // a length or percentage, or a calc() of them: 1rem, calc(1rem + 2px)
    Time,      // .15s, 200ms
    Number,    // 400, 1.5
    Shadow,    // box-shadow layers: 0 .5rem 1rem rgba(0, 0, 0, .15)
    Keyword,   // one word: solid, start, none
    Text,      // anything else: font lists, gradients, empty values
};

// "--x" and a name after it ("--" alone is no variable's name).
bool IsCustomPropertyName(std::string_view name);

// A var() in a value: the variable it names and its fallback, where the whole call
// stands and where its name stands.
struct VarReference {
    std::string Name;
    std::optional<std::string> Fallback; // without the blanks around it; none without ","
    size_t Begin = 0;                    // "var(" ...
    size_t End = 0;                      // ... past its ")", or the text's end when open
    size_t NameBegin = 0;
    size_t NameEnd = 0;
};
// Every var() of the value outside strings and comments, those in fallbacks too, in the
// order they start. "var(" in any case, as the browser reads it.
std::vector<VarReference> FindVarReferences(std::string_view value);

// The kind a value shows, from its text alone; a var() for the whole value is Text here
// (SheetVariables follows it to what it names).
VariableKind KindOfValue(std::string_view value);
// The kind an @property registration's syntax gives ("<color>", '<length>'); none for
// a syntax that names no one kind ("*", "<length> | auto").
std::optional<VariableKind> KindOfSyntax(std::string_view syntax);
// "color", "rgb", "length", "time", "number", "shadow", "keyword", "text".
std::string_view KindName(VariableKind kind);

struct VariableDefinition {
    std::string Name;  // as written
    int Row = 0;       // the rule that defines it
    size_t Index = 0;  // its declaration in ParseBlock's order of the rule's block
    std::string Value; // as written, without the priority
    bool Important = false;
    bool Shadowed = false; // a later declaration of the same name in the rule wins over it
    bool Global = false;   // in a rule of :root or html at the top of the sheet
};

class SheetVariables {
public:
    SheetVariables() = default;
    explicit SheetVariables(const StyleDocument& document);

    // In the sheet's order.
    const std::vector<VariableDefinition>& Definitions() const { return definitions_; }
    bool Defines(std::string_view name) const;
    // The definitions of the name in the sheet's order; the last global one is what a
    // var() of it stands for.
    std::vector<const VariableDefinition*> DefinitionsOf(std::string_view name) const;
    // The definition a click on "go to its definition" shows: the last global one, else
    // the last one.
    const VariableDefinition* MainDefinition(std::string_view name) const;
    // The rows that read the variable through var(), each once, in order.
    std::vector<int> RowsUsing(std::string_view name) const;
    // How many var() of it the sheet holds.
    size_t UseCount(std::string_view name) const;
    // The properties whose declarations read it through var(), in lower case, each once.
    std::vector<std::string> PropertiesUsing(std::string_view name) const;

    // The variable's kind: its @property registration's, else the kind of its main
    // definition's value, var() followed to what it names.
    VariableKind KindOf(std::string_view name) const;
    // The kind of one definition's value, for the editor that shows it there.
    VariableKind KindOf(const VariableDefinition& definition) const;

    // The value with each var() replaced by what it stands for: the main global
    // definition, or the fallback where the sheet defines none globally. None when a
    // var() leads nowhere (no definition, no fallback) or runs in a circle. A value
    // without var() is itself.
    std::optional<std::string> Resolve(std::string_view value) const;

    // The var() of the value that name a variable the sheet never defines and have no
    // fallback: the browser makes the whole declaration invalid there.
    std::vector<VarReference> Undefined(std::string_view value) const;

private:
    std::optional<std::string> ResolveDepth(std::string_view value, int depth,
                                            std::vector<std::string>& open) const;
    VariableKind KindFollowing(std::string_view name, std::vector<std::string>& open) const;
    VariableKind KindOfValueHere(std::string_view value, std::vector<std::string>& open) const;

    std::vector<VariableDefinition> definitions_;
    std::map<std::string, std::vector<size_t>, std::less<>> byName_;
    std::map<std::string, std::vector<int>, std::less<>> users_;
    std::map<std::string, size_t, std::less<>> uses_;
    std::map<std::string, std::vector<std::string>, std::less<>> properties_;
    std::map<std::string, VariableKind, std::less<>> registered_;
};

// The rule's block with every definition of `from` and every var() of it (in values and
// fallbacks, outside strings and comments) renamed `to`; none when the block has neither.
std::optional<std::string> RenameVariableInBlock(std::string_view block, std::string_view from,
                                                 std::string_view to);

// The rule's selector under the conditions of its groups, outermost first, each with its
// blanks as one space, joined by `separator`: "@media (min-width: 768px) › :root".
std::string RulePlace(const StyleDocument& document, int row, std::string_view separator);

// How many places of the block name the variable: definitions and var().
size_t VariablePlaces(std::string_view block, std::string_view name);

namespace messages {
// The hint on a var() that names no variable of the sheet.
std::string UndefinedVariable(std::string_view name);
} // namespace messages

} // namespace tesselo
