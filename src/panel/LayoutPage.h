#pragma once

// The page "Раскладка": the flex container and item, the grid container and item, and
// the sizes, each a group box of controls made from the catalogue's rows of the page.

#include "panel/CatalogControls.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace tesselo {

class LayoutPage final : public QWidget {
    Q_OBJECT
public:
    // `services` outlive the page.
    LayoutPage(PageServices& services, QWidget* parent);
    ~LayoutPage() override;

    // Shows the current rule.
    void Render();

private:
    PageServices& services_;
    std::vector<std::unique_ptr<PropertyControl>> controls_;
};

} // namespace tesselo
