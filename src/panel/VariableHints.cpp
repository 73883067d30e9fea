#include "panel/VariableHints.h"
#include "panel/UiText.h"

#include "editor/StyleEditor.h"

#include <QMenu>
#include <algorithm>
#include <set>

namespace tesselo {

VariablesCache::VariablesCache(StyleEditor& editor) : editor_(editor) {
    observer_ = editor_.Observe([this](const SessionChange& change) {
        // Selecting and typing change no rule; everything else may.
        if (change.What != SessionChange::Kind::Select && change.What != SessionChange::Kind::Type)
            variables_.reset();
    });
}

VariablesCache::~VariablesCache() {
    editor_.Forget(observer_);
}

const SheetVariables& VariablesCache::Get() {
    if (!variables_) {
        variables_.emplace(editor_.Document());
        ++generation_;
    }
    return *variables_;
}

ResolvedValue ResolveForControl(const SheetVariables& variables, std::string_view value) {
    ResolvedValue resolved;
    const auto refs = FindVarReferences(value);
    if (refs.empty())
        return resolved;
    resolved.HoldsVar = true;
    for (const VarReference& ref : variables.Undefined(value))
        resolved.Undefined.push_back(ref.Name);
    resolved.Value = variables.Resolve(value);
    if (!resolved.Undefined.empty())
        resolved.Tip = TrMessageText(messages::UndefinedVariable(resolved.Undefined.front()));
    else if (resolved.Value)
        resolved.Tip = std::string(value) + " = " + *resolved.Value;
    else
        resolved.Tip = TrFillText("%1: значение не определить — переменные ссылаются друг на "
                                  "друга по кругу",
                                  value);
    return resolved;
}

std::vector<std::string> FittingVariables(const SheetVariables& variables,
                                          const std::vector<VariableKind>& kinds) {
    std::set<std::string> global;
    std::set<std::string> other;
    for (const VariableDefinition& d : variables.Definitions()) {
        if (d.Shadowed || global.count(d.Name))
            continue;
        const VariableKind kind = variables.KindOf(d.Name);
        if (!kinds.empty() && std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
            continue;
        (d.Global ? global : other).insert(d.Name);
    }
    std::vector<std::string> names(global.begin(), global.end());
    for (const std::string& name : other)
        if (!global.count(name))
            names.push_back(name);
    return names;
}

void AddVariableActions(QMenu& menu, const SheetVariables& variables,
                        const std::vector<VariableKind>& kinds, std::string_view value,
                        const std::function<void(const std::string&)>& use, StyleEditor& editor) {
    const std::vector<std::string> names = FittingVariables(variables, kinds);
    QMenu* sub = menu.addMenu(Tr("Подставить переменную"));
    sub->setObjectName(QStringLiteral("UseVariableMenu"));
    sub->setEnabled(!names.empty());
    for (const std::string& name : names) {
        QString caption = QString::fromStdString(name);
        if (auto resolved = variables.Resolve("var(" + name + ")"))
            caption += QStringLiteral("  = ") + QString::fromStdString(*resolved).left(40);
        QAction* action = sub->addAction(caption);
        QObject::connect(action, &QAction::triggered, &menu,
                         [use, name] { use("var(" + name + ")"); });
    }
    const auto refs = FindVarReferences(value);
    const VariableDefinition* definition = nullptr;
    for (const VarReference& ref : refs)
        if ((definition = variables.MainDefinition(ref.Name)))
            break;
    if (!definition)
        return;
    QAction* go =
        menu.addAction(Tr("Перейти к определению ") + QString::fromStdString(definition->Name));
    go->setObjectName(QStringLiteral("GoToVariable"));
    const int row = definition->Row;
    QObject::connect(go, &QAction::triggered, &menu, [&editor, row] { editor.Select(row); });
}

} // namespace tesselo
