#pragma once

// "Стили элемента": the rules that match the element picked on the page, in the order
// the cascade ranks them, each with the groups it stands in and its declarations; a
// declaration that another one wins over is struck through. Below them, under a row
// "Унаследовано от div.card" for each ancestor, the rules that hand the element their
// inherited declarations; at the end, the values the page computes, asked for on demand
// (the row "Вычисленные значения", or the same item of the context menu). A click on a
// rule, or on one of its declarations, selects the rule.

#include "editor/ElementCascade.h"
#include "views/ViewText.h"

#include <QTreeWidget>
#include <vector>

class QAction;

namespace tesselo {

class StyleDocument;

class ElementRulesView final : public QTreeWidget {
    Q_OBJECT
public:
    explicit ElementRulesView(ViewText text, QWidget* parent = nullptr);

    // The rules ranked, the ancestors' sections and the computed values as known; no
    // rules said as the hint to pick an element.
    void Show(const StyleDocument& document, const std::vector<CascadeRule>& rules,
              const std::vector<InheritedSection>& inherited = {},
              const ComputedAnswer& computed = {});

signals:
    void RuleChosen(int record);
    // A declaration clicked: the property page that edits it.
    void PropertyPageWanted(int page);
    // The user asks for the element's computed values.
    void ComputedValuesWanted();

private:
    void AddRules(const StyleDocument& document, const std::vector<CascadeRule>& rules);
    // A row that names what follows; it is no rule and cannot be selected.
    QTreeWidgetItem* AddHeader(const QString& text);
    void AddComputed(const ComputedAnswer& computed);

    ViewText text_;
    QAction* askComputed_; // AskComputedValues
};

} // namespace tesselo
