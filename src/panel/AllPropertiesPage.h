#pragma once

// The page "Все свойства": every declaration of the current rule as a row, in the
// rule's order, with a control chosen from the catalogue (a text field for a property
// it does not know), its "!important" toggle and a button that removes it; a row at the
// end adds a declaration.

#include "panel/CatalogControls.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace tesselo {

class AllPropertiesPage final : public QWidget {
    Q_OBJECT
public:
    // `services` outlive the page.
    AllPropertiesPage(PageServices& services, QWidget* parent);
    ~AllPropertiesPage() override;

    // Shows the current rule.
    void Render();

private:
    PageServices& services_;
};

} // namespace tesselo
