#pragma once

// Where each control of the panel stands and what its hint says: one row per control,
// read by the pages and tool bars that build the widgets. Texts are UTF-8; a hint is
// the tool tip, "|", and the status line's text (without "|" both are the same).

#include "mapping/PropertySet.h"

#include <span>
#include <string_view>

namespace tesselo {

enum class PanelPlace {
    ToolBar4,
    ToolBar3,
    ToolBar2,
    BBColor,
    MarginPadding,
    DisplayVis,
    PositionFloat,
    Layout,        // built from the catalogue
    Effects,       // corners, shadows, transitions, transforms, filters, outline
    AllProperties, // every declaration of the rule
    Variables,     // the sheet's custom properties, of every rule
};

struct KeywordButtonRow {
    Keyword Button;
    PanelPlace Place;
    std::string_view Box; // the group box on a page; empty on a tool bar
    std::string_view Hint;
    std::string_view ThemeIcon; // a freedesktop icon that fits, or empty
    std::string_view OwnIcon;   // ours, in the resource, used where the theme has none
};
// In the order the panel shows them.
std::span<const KeywordButtonRow> KeywordButtonRows();

struct LengthFieldRow {
    Length Field;
    PanelPlace Place;
    std::string_view Box;
    std::string_view Label;
    std::string_view Hint;        // of the edit
    std::string_view SpinnerHint; // of its up-down spinner
};
std::span<const LengthFieldRow> LengthFieldRows();

struct GroupBoxRow {
    PanelPlace Place;
    std::string_view Caption;
    std::string_view Hint;
};
// The group boxes of the pages, in their order from the top.
std::span<const GroupBoxRow> GroupBoxRows();

// The group's name, as its value label is named ("Display" gives "DisplayText").
std::string_view GroupName(KeywordGroup group);

struct PageRow {
    PanelPlace Place;
    std::string_view Name;
    std::string_view Caption;
};
std::span<const PageRow> PageRows();

} // namespace tesselo
