#include "editor/InactiveDeclarations.h"

#include "mapping/DeclarationBlock.h"

#include <algorithm>

namespace tesselo {
namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool IsFlex(std::string_view display) {
    return display == "flex" || display == "inline-flex";
}
bool IsGrid(std::string_view display) {
    return display == "grid" || display == "inline-grid";
}

std::string DisplayNote(std::string_view display) {
    return " (display: " + std::string(display) + ")";
}

} // namespace

std::string InactiveReason(std::string_view property, const ElementFacts& facts) {
    const std::string_view display = facts.Display;
    const std::string_view parent = facts.ParentDisplay;
    if (!display.empty()) {
        const bool box = IsFlex(display) || IsGrid(display);
        if (OneOf(property, {"justify-content", "align-content", "place-content", "align-items",
                             "row-gap", "gap"}) &&
            !box)
            return "Элемент не flex- и не grid-контейнер" + DisplayNote(display) +
                   ": свойство на него не действует";
        if (OneOf(property, {"flex-direction", "flex-wrap", "flex-flow"}) && !IsFlex(display))
            return "Элемент не flex-контейнер" + DisplayNote(display) +
                   ": свойство на него не действует";
        if ((property.starts_with("grid-template") || property.starts_with("grid-auto-") ||
             property == "justify-items") &&
            !IsGrid(display))
            return "Элемент не grid-контейнер" + DisplayNote(display) +
                   ": свойство на него не действует";
        if (OneOf(property,
                  {"width", "height", "min-width", "min-height", "max-width", "max-height"}) &&
            display == "inline")
            return "Строчный элемент (display: inline): его размеры задаёт содержимое, "
                   "свойство не действует";
    }
    if (!parent.empty()) {
        if (OneOf(property, {"flex", "flex-grow", "flex-shrink", "flex-basis"}) && !IsFlex(parent))
            return "Родитель элемента не flex-контейнер" + DisplayNote(parent) +
                   ": свойство на элемент не действует";
        if (OneOf(property, {"order", "align-self"}) && !IsFlex(parent) && !IsGrid(parent))
            return "Родитель элемента не flex- и не grid-контейнер" + DisplayNote(parent) +
                   ": свойство на элемент не действует";
        if (OneOf(property, {"grid-column", "grid-row", "grid-area", "grid-column-start",
                             "grid-column-end", "grid-row-start", "grid-row-end"}) &&
            !IsGrid(parent))
            return "Родитель элемента не grid-контейнер" + DisplayNote(parent) +
                   ": свойство на элемент не действует";
    }
    if (facts.Position == "static") {
        if (OneOf(property, {"top", "right", "bottom", "left", "inset"}))
            return "Элемент не позиционирован (position: static): смещение не действует";
        // A flex or grid item takes z-index without a position.
        if (property == "z-index" && !IsFlex(parent) && !IsGrid(parent))
            return "Элемент не позиционирован (position: static) и не flex- или grid-элемент: "
                   "z-index не действует";
    }
    return {};
}

std::vector<InactiveMark> InactiveDeclarations(std::string_view block, const ElementFacts& facts) {
    std::vector<InactiveMark> marks;
    if (facts.Display.empty() && facts.Position.empty() && facts.ParentDisplay.empty())
        return marks;
    for (const BlockDeclaration& d : ParseBlock(block).Declarations)
        if (std::string reason = InactiveReason(d.Property, facts); !reason.empty())
            marks.push_back({d.Begin, d.NameEnd, std::move(reason)});
    return marks;
}

} // namespace tesselo
