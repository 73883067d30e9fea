#pragma once

// What the panel's controls show of var(): the value a var() stands for, greyed beside its
// text, a colour swatch in the colour it gives, a mark on a var() that leads nowhere; and
// the menu that puts one of the sheet's variables into a control.

#include "mapping/SheetVariables.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QMenu;

namespace tesselo {

class StyleEditor;

// The sheet's variables, collected when first asked for after a change of the session.
class VariablesCache {
public:
    explicit VariablesCache(StyleEditor& editor);
    ~VariablesCache();
    VariablesCache(const VariablesCache&) = delete;
    VariablesCache& operator=(const VariablesCache&) = delete;

    const SheetVariables& Get();
    // Counts the collections: the same number, the same variables.
    unsigned Generation() const { return generation_; }

private:
    StyleEditor& editor_;
    int observer_ = 0;
    std::optional<SheetVariables> variables_;
    unsigned generation_ = 0;
};

// What a value holding var() stands for, as a control shows it.
struct ResolvedValue {
    bool HoldsVar = false;              // nothing to show when false
    std::optional<std::string> Value;   // what it stands for; none when it leads nowhere
    std::vector<std::string> Undefined; // variables no rule defines, without a fallback
    // "var(--brand) = #0d6efd", or why it leads nowhere.
    std::string Tip;
};
ResolvedValue ResolveForControl(const SheetVariables& variables, std::string_view value);

// The variables a control of `kinds` may take, each name once, those defined on :root or
// html first, then in the order of their names.
std::vector<std::string> FittingVariables(const SheetVariables& variables,
                                          const std::vector<VariableKind>& kinds);

// Adds "Подставить переменную" (the fitting variables, each writing var(--name) through
// `use`) and, when `value` holds a var() of a defined variable, "Перейти к определению"
// (selecting the rule that defines it) to the menu.
void AddVariableActions(QMenu& menu, const SheetVariables& variables,
                        const std::vector<VariableKind>& kinds, std::string_view value,
                        const std::function<void(const std::string&)>& use, StyleEditor& editor);

} // namespace tesselo
