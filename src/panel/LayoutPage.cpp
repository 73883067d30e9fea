#include "panel/LayoutPage.h"

#include "editor/StyleEditor.h"

namespace tesselo {

LayoutPage::LayoutPage(PageServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {}

LayoutPage::~LayoutPage() = default;

void LayoutPage::Render() {}

} // namespace tesselo
