#include "panel/AllPropertiesPage.h"

#include "editor/StyleEditor.h"

namespace tesselo {

AllPropertiesPage::AllPropertiesPage(PageServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {}

AllPropertiesPage::~AllPropertiesPage() = default;

void AllPropertiesPage::Render() {}

} // namespace tesselo
