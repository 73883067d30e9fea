#pragma once

// "Стили элемента": the rules that match the element picked on the page, in the order
// the cascade ranks them, each with the groups it stands in and its declarations; a
// declaration that another one wins over is struck through. A click on a rule, or on
// one of its declarations, selects the rule.

#include "editor/ElementCascade.h"
#include "views/ViewText.h"

#include <QTreeWidget>
#include <vector>

namespace tesselo {

class StyleDocument;

class ElementRulesView final : public QTreeWidget {
    Q_OBJECT
public:
    explicit ElementRulesView(ViewText text, QWidget* parent = nullptr);

    // The rules ranked; none said as the hint to pick an element.
    void Show(const StyleDocument& document, const std::vector<CascadeRule>& rules);

signals:
    void RuleChosen(int record);
    // A declaration clicked: the property page that edits it.
    void PropertyPageWanted(int page);

private:
    ViewText text_;
};

} // namespace tesselo
