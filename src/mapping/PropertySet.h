#pragma once

// The editor state: the values of the property panel's controls for the current
// style, one field per control, named after it. The panel widgets show this record
// and the declaration reader and writer translate between it and declaration text.

#include "document/ByteText.h"
#include "document/SheetEncoding.h"
#include "mapping/ColorNames.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// The buttons of the keyword groups, in the order the writer emits them.
// clang-format off
enum class Keyword : uint8_t {
    FontStyleNormal, FontStyleItalic, FontVariantNormal, FontVariantSmallCaps,
    TextDecorUnderLine, TextDecorLineThrough, TextDecorOverLine, TextDecorBlink, TextDecorNone,
    TextAlignLeft, TextAlignRight, TextAlignCenter, TextAlignJustify,
    TextVerticalAlignBottom, TextVerticalAlignTextBottom, TextVerticalAlignSub,
    TextVerticalAlignBaseline, TextVerticalAlignMiddle, TextVerticalAlignSuper,
    TextVerticalAlignTextTop, TextVerticalAlignTop,
    BorderSolid, BorderDotted, BorderDashed, BorderOutSet, BorderRidge, BorderDouble,
    BorderInSet, BorderGroove, BorderNone,
    BGrPosLT, BGrPosCT, BGrPosRT, BGrPosRC, BGrPosRB, BGrPosCB, BGrPosLB, BGrPosLC, BGrPosCC,
    BGrAttFixed, BGrAttScroll,
    BGrRepXY, BGrRepX, BGrRepY, BGrRepNone,
    DisplayBlock, DisplayInLine, DisplayListItem, DisplayMarker, DisplayNone, DisplayTable,
    DisplayInLineTable, DisplayTableCaption, DisplayTableHeaderGroup, DisplayTableFooterGroup,
    DisplayTableCell, DisplayTableRow, DisplayTableRowGroup, DisplayTableColumn,
    DisplayTableColumnGroup,
    DisplayInLineBlock, DisplayFlex, DisplayInLineFlex, DisplayGrid, DisplayInLineGrid,
    DisplayFlowRoot, DisplayContents,
    VisibilityVisible, VisibilityHidden, VisibilityCollapse,
    OverflowVisible, OverflowHidden, OverflowScroll, OverflowAuto,
    PositionStatic, PositionRelative, PositionAbsolute, PositionFixed, PositionSticky,
    FloatLeft, FloatRight,
    Count
};
// clang-format on
inline constexpr size_t kKeywordCount = static_cast<size_t>(Keyword::Count);

// The keyword groups: the buttons of one group are mutually exclusive.
enum class KeywordGroup : uint8_t {
    TextAlign = 1,
    TextDecoration,
    FontStyle,
    FontVariant,
    VerticalAlign,
    PicturePosition,
    PictureAttachment,
    PictureRepeat,
    BorderStyle,
    Display,
    Visibility,
    Overflow,
    Position,
    Float,
};
inline constexpr std::array<KeywordGroup, 14> kKeywordGroups = {
    KeywordGroup::TextAlign,         KeywordGroup::TextDecoration, KeywordGroup::FontStyle,
    KeywordGroup::FontVariant,       KeywordGroup::VerticalAlign,  KeywordGroup::PicturePosition,
    KeywordGroup::PictureAttachment, KeywordGroup::PictureRepeat,  KeywordGroup::BorderStyle,
    KeywordGroup::Display,           KeywordGroup::Visibility,     KeywordGroup::Overflow,
    KeywordGroup::Position,          KeywordGroup::Float,
};

// The writer lines that carry keywords, numbered as the writer emits its lines.
enum class WriterLine : uint8_t {
    FontStyleVariant = 3,
    TextDecoration = 4,
    Alignment = 7,
    BorderStyle = 13,
    PicturePosition = 17,
    PictureAttachment = 18,
    PictureRepeat = 19,
    Display = 20,
    VisibilityOverflow = 21,
    PositionFloat = 23,
};

struct KeywordInfo {
    Keyword Button;
    std::string_view Name; // the control's name
    KeywordGroup Group;
    std::string_view Property; // as written: "Text-align"
    std::string_view Value;    // as written: "left"
    WriterLine Line;
};
const std::array<KeywordInfo, kKeywordCount>& KeywordTable();
const KeywordInfo& Info(Keyword button);

// The numeric length fields, in the order the reader takes the block offsets.
// clang-format off
enum class Length : uint8_t {
    TextIndent, LineHeight, WordSpacing, LetterSpacing,
    MarginTop, MarginRight, MarginBottom, MarginLeft,
    PaddingTop, PaddingRight, PaddingBottom, PaddingLeft,
    BorderWidth,
    ClipTop, ClipRight, ClipBottom, ClipLeft,
    BlockTop, BlockRight, BlockBottom, BlockLeft, BlockHeight, BlockWidth,
    Count
};
// clang-format on
inline constexpr size_t kLengthCount = static_cast<size_t>(Length::Count);

struct LengthInfo {
    Length Field;
    std::string_view Name;     // the control's name; its unit button adds "_"
    std::string_view Property; // as written: "Margin-top"; empty for the clip edges
};
const std::array<LengthInfo, kLengthCount>& LengthTable();
const LengthInfo& Info(Length field);

struct LengthField {
    std::string Text;        // the number as typed
    bool Set = false;        // the white background of the edit
    std::string Unit = "px"; // the caption of the unit button
    int32_t Whole = 0;       // the last whole number the field held
    bool operator==(const LengthField&) const = default;
};

// A drop-down box with editable text; item 0 is the not-set label.
struct TextChoiceField {
    std::string Text;
    bool Set = false;
    int ItemIndex = 0; // the entry last chosen, -1 for typed text
    bool operator==(const TextChoiceField&) const = default;
};

// The list entries of the four font boxes, in the sheet's encoding. The family lists
// end with the installed font families (given in UTF-8), as the platform lists them;
// a family that the encoding cannot hold is left out.
struct FontItems {
    LineList FontType;
    LineList FontType2;
    LineList FontWeight;
    LineList FontSize;
    bool operator==(const FontItems&) const = default;
};
FontItems MakeFontItems(const LineList& installedFamilies,
                        SheetEncoding encoding = SheetEncoding::Windows1251);

// The panel's properties, each written by the writer as one declaration.
// clang-format off
enum class Slot : uint8_t {
    FontFamily, FontWeight, FontSize, FontStyle, FontVariant, TextDecoration,
    TextIndent, LineHeight, WordSpacing, LetterSpacing, TextAlign, VerticalAlign,
    MarginTop, MarginRight, MarginBottom, MarginLeft,
    PaddingTop, PaddingRight, PaddingBottom, PaddingLeft,
    FontColor, BorderColor, BorderStyle, BorderWidth, BackGroundColor, BackGroundImage,
    PicturePosition, PictureAttachment, PictureRepeat, Display, Visibility, Overflow, Clip,
    Position, Float, BlockTop, BlockRight, BlockBottom, BlockLeft, BlockHeight, BlockWidth,
    BorderTopWidth, BorderTopStyle, BorderTopColor, BorderRightWidth, BorderRightStyle,
    BorderRightColor, BorderBottomWidth, BorderBottomStyle, BorderBottomColor, BorderLeftWidth,
    BorderLeftStyle, BorderLeftColor,
    Count
};
// clang-format on
inline constexpr size_t kSlotCount = static_cast<size_t>(Slot::Count);

// The length fields that are a property of their own (all but the clip edges), and the
// properties they are.
std::optional<Slot> SlotOf(Length field);
std::optional<Length> LengthOf(Slot slot);

// How a property was written in the rule when it was read, so that what the user does
// not change is written back as it was read.
struct SlotOrigin {
    bool Read = false;
    // The values of its declarations as read, each with its "!important": the ones in
    // front of the one that wins (fallbacks for older browsers) first.
    LineList Values;
    std::string Shown; // the value the panel held for it right after reading
    // The author's comments: those inside the winning value, written after a changed
    // value, and those after its declarations' ";", written after its last one.
    std::string Note;
    std::string Trailer;
    bool Important = false;
    ColorNotation Notation = ColorNotation::Name;
    bool operator==(const SlotOrigin&) const = default;
};

// A declaration of the margin or padding group read when the group holds a shorthand:
// the group is written back in the order read, its parts changed where the user
// changed them.
using ShorthandParts = std::array<std::string, 6>;
struct BoxEntry {
    int Side = -1;        // 0 top, 1 right, 2 bottom, 3 left; -1 for the shorthand
    ShorthandParts Parts; // the shorthand's values, or Parts[Side]
    std::string Raw;      // the shorthand's value as read, written while no part changed
    std::string Rest;     // what a background shorthand sets that is no part of the panel's
    std::string Priority; // "!important" as written, or empty
    std::string Note;     // comments inside its value, and after its ";"
    std::string Trailer;
    bool operator==(const BoxEntry&) const = default;
};

// The sides of the border: the border controls show all four together or one alone.
enum class BorderSide : uint8_t { All, Top, Right, Bottom, Left };
inline constexpr std::array<BorderSide, 4> kBorderSides = {BorderSide::Top, BorderSide::Right,
                                                           BorderSide::Bottom, BorderSide::Left};

// The width, style and colour slots of one side, or of all four.
struct BorderSlots {
    Slot Width, Style, Color;
};
BorderSlots SlotsOf(BorderSide side);
// The side and the part (0 width, 1 style, 2 colour) of a border slot.
struct BorderPart {
    BorderSide Side;
    int Part;
};
std::optional<BorderPart> BorderPartOf(Slot slot);

// What the border controls hold for one side or for all four.
struct BorderValues {
    LengthField Width;
    std::array<bool, 9> Style{}; // the buttons BorderSolid to BorderNone
    std::string StyleText;
    bool ColorCheck = false;
    Color Swatch = kButtonFaceColor;
    std::string ColorText;
    bool operator==(const BorderValues&) const = default;
};

struct ReadOrigins {
    std::array<SlotOrigin, kSlotCount> Slots;
    std::vector<BoxEntry> Margin; // empty unless a margin shorthand was read
    std::vector<BoxEntry> Padding;
    // The border group read with a "border" shorthand: Parts are width, style and
    // colour ("" where the shorthand leaves the part to its initial value); Side 0, 1
    // and 2 are border-width, border-style and border-color.
    std::vector<BoxEntry> Border;
    // The background group read with a "background" shorthand: Parts are colour,
    // picture, position, attachment and repeat; Side 0 to 4 the longhands.
    std::vector<BoxEntry> Background;
    // Each side's border read with its shorthand ("border-top"), as the border group.
    std::array<std::vector<BoxEntry>, 4> BorderSides;
    // The font group read with a "font" shorthand: Parts are style, variant, weight,
    // size, line height and family; Side 0 to 5 the longhands.
    std::vector<BoxEntry> Font;
    SlotOrigin& operator[](Slot slot) { return Slots[static_cast<size_t>(slot)]; }
    const SlotOrigin& operator[](Slot slot) const { return Slots[static_cast<size_t>(slot)]; }
    bool operator==(const ReadOrigins&) const = default;
};

// The program's own texts, in Windows-1251 or in the encoding asked for.
namespace captions {
const std::string& FontSizeOff(); // "выкл."
const std::string& NoPicture();   // "Рисунок не выбран"
std::string NoPicture(SheetEncoding encoding);
// A UTF-8 text in the sheet's encoding, and back.
std::string InEncoding(std::string_view utf8, SheetEncoding encoding);
std::string ToUtf8(std::string_view text, SheetEncoding encoding);
} // namespace captions

struct PropertySet {
    // The installed families in UTF-8.
    explicit PropertySet(const LineList& installedFamilies = {});

    // The encoding of the texts held here: the sheet's. The program's own texts (the
    // font boxes' entries, the not-set captions) follow a change; texts read from a
    // sheet are the sheet's bytes already.
    SheetEncoding Encoding = SheetEncoding::Windows1251;
    void UseEncoding(SheetEncoding encoding);
    LineList InstalledFamilies; // UTF-8

    std::array<bool, kKeywordCount> Down{}; // keyword buttons
    std::array<LengthField, kLengthCount> Lengths;

    TextChoiceField FontType;
    TextChoiceField FontType2;
    TextChoiceField FontWeight;
    TextChoiceField FontSize;
    std::string FontSizeUnit = "px"; // FontSize_
    bool FontType2Enabled = false;
    bool FontBold = false;

    // A value of a keyword group that no button stands for (inherit, var(--x), start):
    // written as it stands while every button of the group is up. Indexed by group.
    std::array<std::string, kKeywordGroups.size() + 1> GroupText;
    std::string& Text(KeywordGroup group) { return GroupText[static_cast<size_t>(group)]; }
    const std::string& Text(KeywordGroup group) const {
        return GroupText[static_cast<size_t>(group)];
    }

    bool FontColorCheck = false;
    Color FontColor{};
    bool BorderColorCheck = false;
    Color BorderColor = kButtonFaceColor;
    bool BackGroundColorCheck = false;
    Color BackGroundColor{0xFF, 0xFF, 0xFF};
    bool BackGroundTransparent = false;
    // A colour the swatch cannot show as one colour (currentColor, var(--x), inherit):
    // its text, written as it stands while the check box is checked. Empty otherwise;
    // choosing a colour empties it.
    std::string FontColorText;
    std::string BorderColorText;
    std::string BackGroundColorText;

    // The background picture check box: checked = a picture is set; its hint holds
    // the path, its caption the file-name part.
    bool BackGroundAttCheck = false;
    bool BackGroundAttEnabled = false;
    std::string BackGroundAttPath;
    // A picture that is no file (a gradient, none, var(--x)): its text, written as it
    // stands while the box is checked. Empty for a picture path.
    std::string BackGroundImageText;
    std::string BackGroundAttCaption = captions::NoPicture();
    // The side the border controls show; the values of the others wait here, each at
    // its side's place (the shown side's place is out of date).
    BorderSide ShownBorderSide = BorderSide::All;
    std::array<BorderValues, 5> BorderSides;
    BorderValues BorderControls() const;
    void SetBorderControls(const BorderValues& values);
    BorderValues BorderOf(BorderSide side) const;
    // Puts the shown side's values away and the side's values into the controls.
    void ShowBorderSide(BorderSide side);
    // The border of all four sides as last read or written: a part changed since is
    // given to each side that sets that part itself, so that the change applies on all
    // four.
    BorderValues AllSidesWritten;

    // The rule places a picture that another rule sets (a sprite's position): its
    // position, attachment and repeat are shown and written without a picture.
    bool PicturePlacementAlone = false;

    FontItems Items;
    ReadOrigins Origins;

    LengthField& operator[](Length field) { return Lengths[static_cast<size_t>(field)]; }
    const LengthField& operator[](Length field) const {
        return Lengths[static_cast<size_t>(field)];
    }
    bool IsDown(Keyword button) const { return Down[static_cast<size_t>(button)]; }

    // Puts the button down and the other buttons of its group up.
    void PressDown(Keyword button);
    // A click: a button that is down goes up, one that is up goes down.
    void Toggle(Keyword button);
    void ReleaseGroup(KeywordGroup group);

    // The transparent box disables the colour box and hides the swatch.
    bool BackGroundColorCheckEnabled() const { return !BackGroundTransparent; }
    // The fifteen picture buttons are enabled while a picture is set, or while the rule
    // places a picture it does not set.
    bool PictureButtonsEnabled() const { return BackGroundAttCheck || PicturePlacementAlone; }

    bool operator==(const PropertySet&) const = default;
};

// Gives each side that sets a part of its border itself the part of the border of all
// four sides that the user changed since it was last written.
void GiveChangedBorderToEverySide(PropertySet& panel);

// The file-name part of a picture path: the text after the last "\" or ":".
std::string PictureCaption(std::string_view path);

} // namespace tesselo
