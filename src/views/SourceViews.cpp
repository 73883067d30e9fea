#include "views/SourceViews.h"

#include "document/ByteText.h"
#include "mapping/DeclarationList.h"
#include "mapping/PropertyCatalog.h"

#include <initializer_list>
#include <string>

namespace tesselo {
namespace {

// The page of one property's name, -1 for none; the later groups win over the earlier
// when a line names properties of several.
int PageOfProperty(std::string_view property) {
    auto holds = [property](std::initializer_list<std::string_view> keys) {
        for (auto key : keys)
            if (property.find(key) != std::string_view::npos)
                return true;
        return false;
    };
    auto is = [property](std::initializer_list<std::string_view> names) {
        for (auto name : names)
            if (property == name)
                return true;
        return false;
    };
    // A property whose control stands on a page of the catalogue's goes to that page.
    if (const PropertySpec* spec = FindProperty(property)) {
        if (spec->Page == CatalogPage::Layout)
            return static_cast<int>(PropertyPage::Layout);
        if (spec->Page == CatalogPage::Effects)
            return static_cast<int>(PropertyPage::Effects);
    }
    if (is({"display", "visibility", "overflow"}) || property.starts_with("clip"))
        return static_cast<int>(PropertyPage::DisplayVis);
    if (is({"position", "float", "top", "left", "right", "bottom", "width", "height"}))
        return static_cast<int>(PropertyPage::PositionFloat);
    if (holds({"margin", "padding"}))
        return static_cast<int>(PropertyPage::MarginPadding);
    if (holds({"background", "color", "border"}))
        return static_cast<int>(PropertyPage::BBColor);
    return -1;
}

// The order the groups are tested in: a later one wins.
int Rank(int page) {
    switch (static_cast<PropertyPage>(page)) {
    case PropertyPage::BBColor:
        return 1;
    case PropertyPage::MarginPadding:
        return 2;
    case PropertyPage::PositionFloat:
        return 3;
    case PropertyPage::DisplayVis:
        return 4;
    case PropertyPage::Layout:
        return 5;
    case PropertyPage::Effects:
        return 6;
    }
    return 0;
}

} // namespace

int PropertyPageForLine(std::string_view line) {
    // The names of the declarations on the line, as written in any case and with any
    // blanks: "  margin-top:0" as much as "; Margin-Top: 0;".
    int page = -1;
    for (const Declaration& declaration : ParseDeclarations(line)) {
        const int own = PageOfProperty(declaration.Property);
        if (own >= 0 && (page < 0 || Rank(own) > Rank(page)))
            page = own;
    }
    return page;
}

} // namespace tesselo
