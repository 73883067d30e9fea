#include "mapping/DeclarationWriter.h"

#include "mapping/ValueSyntax.h"

#include <array>
#include <span>
#include <utility>

namespace tesselo {
namespace {

using S = Slot;

class LineBuilder {
public:
    explicit LineBuilder(LineList& out) : out_(out) {}

    // The trailer is the author's comments after the declaration's ";".
    void Add(std::string_view property, std::string_view value, std::string_view trailer = {}) {
        buffer_ += ' ';
        buffer_ += property;
        buffer_ += ": ";
        buffer_ += value;
        buffer_ += ';';
        if (!trailer.empty()) {
            buffer_ += ' ';
            buffer_ += trailer;
        }
    }

    void Finish() {
        if (!buffer_.empty())
            out_.push_back(";" + buffer_);
        buffer_.clear();
    }

private:
    LineList& out_;
    std::string buffer_;
};

std::optional<KeywordGroup> GroupOf(Slot slot) {
    switch (slot) {
    case S::FontStyle:
        return KeywordGroup::FontStyle;
    case S::FontVariant:
        return KeywordGroup::FontVariant;
    case S::TextDecoration:
        return KeywordGroup::TextDecoration;
    case S::TextAlign:
        return KeywordGroup::TextAlign;
    case S::VerticalAlign:
        return KeywordGroup::VerticalAlign;
    case S::BorderStyle:
        return KeywordGroup::BorderStyle;
    case S::PicturePosition:
        return KeywordGroup::PicturePosition;
    case S::PictureAttachment:
        return KeywordGroup::PictureAttachment;
    case S::PictureRepeat:
        return KeywordGroup::PictureRepeat;
    case S::Display:
        return KeywordGroup::Display;
    case S::Visibility:
        return KeywordGroup::Visibility;
    case S::Overflow:
        return KeywordGroup::Overflow;
    case S::Position:
        return KeywordGroup::Position;
    case S::Float:
        return KeywordGroup::Float;
    default:
        return std::nullopt;
    }
}

// A number takes its unit; a keyword or function stands alone; anything else, an
// empty text or a lone "-" among them, is no value and writes nothing.
// "1." is no CSS number: it is written without its point.
std::string WithoutBarePoint(std::string number) {
    if (number.size() > 1 && number.back() == '.' && number[number.size() - 2] >= '0' &&
        number[number.size() - 2] <= '9')
        number.pop_back();
    return number;
}

std::optional<std::string> LengthValue(const LengthField& field, Length which) {
    if (auto parts = SplitNumberAndUnit(field.Text); parts && parts->Unit.empty()) {
        const std::string text = WithoutBarePoint(field.Text) + field.Unit;
        if (which == Length::ClipTop || which == Length::ClipRight || which == Length::ClipBottom ||
            which == Length::ClipLeft || IsLengthFieldValue(which, text))
            return text;
        return std::nullopt;
    }
    if (IsLengthFieldValue(which, field.Text))
        return field.Text;
    return std::nullopt;
}

std::optional<std::string> ColorValue(const PropertySet& panel, bool check, const Color& color,
                                      const std::string& text, Slot slot) {
    if (!check)
        return std::nullopt;
    if (!text.empty())
        return text;
    const SlotOrigin& origin = panel.Origins[slot];
    return WriteColor(color, origin.Read ? origin.Notation : ColorNotation::Name);
}

std::optional<std::string> ClipValue(const PropertySet& panel) {
    const std::array<Length, 4> edges = {Length::ClipTop, Length::ClipRight, Length::ClipBottom,
                                         Length::ClipLeft};
    bool any = false;
    std::string text = "rect(";
    for (size_t i = 0; i < edges.size(); ++i) {
        std::optional<std::string> edge;
        if (panel[edges[i]].Set)
            edge = LengthValue(panel[edges[i]], edges[i]);
        any = any || edge;
        text += edge ? *edge : "auto";
        text += i + 1 < edges.size() ? ", " : ")";
    }
    if (!any)
        return std::nullopt;
    return text;
}

const std::array<std::string_view, 4> kSideNames = {"top", "right", "bottom", "left"};

// A picture's path in url(): quoted where a blank, a quote or a parenthesis would end or
// break it; a path read with its quotes stays as it is.
std::string PictureUrl(std::string_view path) {
    if (path.empty() || path.front() == '"' || path.front() == '\'' ||
        path.find_first_of(" \t\n\r\f\"'()") == std::string_view::npos)
        return "url(" + std::string(path) + ")";
    return QuotedPictureUrl(path);
}

} // namespace

std::string QuotedPictureUrl(std::string_view path) {
    std::string text = "url(\"";
    for (char c : path) {
        if (c == '"' || c == '\\')
            text += '\\';
        if (c == '\n' || c == '\r' || c == '\f')
            text += "\\a ";
        else
            text += c;
    }
    return text + "\")";
}

namespace {

std::string Capitalised(std::string_view property) {
    std::string name(property);
    if (!name.empty())
        name[0] = UpperAscii(name[0]);
    return name;
}

// The four values of a box shorthand in their shortest form.
std::string BoxText(ShorthandParts parts) {
    size_t count = 4;
    if (parts[3] == parts[1]) {
        count = 3;
        if (parts[2] == parts[0]) {
            count = 2;
            if (parts[1] == parts[0])
                count = 1;
        }
    }
    std::string text = parts[0];
    for (size_t i = 1; i < count; ++i)
        text += " " + parts[i];
    return text;
}

// A shorthand whose parts cannot be told apart for sure, or cannot be mixed: a
// variable may hold several of them, and "inherit" stands alone.
bool StaysWhole(std::string_view value) {
    return HoldsVariable(value) || IsCssWideKeyword(value);
}

std::string WithPriority(std::string value, std::string_view priority) {
    if (!priority.empty()) {
        value += ' ';
        value += priority;
    }
    return value;
}

class Writer {
public:
    Writer(const PropertySet& panel, LineBuilder& line) : panel_(panel), line_(line) {}

    // A property: as read while the user did not change it, else its value now.
    void Emit(Slot slot, std::string_view name) {
        const SlotOrigin& origin = panel_.Origins[slot];
        std::optional<std::string> value = SlotValue(panel_, slot);
        if (origin.Read && value && *value == origin.Shown) {
            for (size_t i = 0; i < origin.Values.size(); ++i)
                line_.Add(name, origin.Values[i],
                          i + 1 == origin.Values.size() ? origin.Trailer : std::string());
            return;
        }
        if (value)
            line_.Add(name,
                      WithPriority(*value + origin.Note, origin.Important ? "!important" : ""),
                      origin.Trailer);
    }

    // The margin or padding group read with a shorthand: its declarations in the order
    // read, each part the user changed written where it applies.
    void EmitBox(std::string_view property, const std::vector<BoxEntry>& entries,
                 std::array<Slot, 4> sides) {
        std::array<std::optional<std::string>, 4> now;
        std::array<bool, 4> changed{};
        std::array<int, 4> source{-1, -1, -1, -1};
        for (size_t s = 0; s < 4; ++s) {
            now[s] = SlotValue(panel_, sides[s]);
            const SlotOrigin& origin = panel_.Origins[sides[s]];
            changed[s] = !(now[s] && origin.Read && *now[s] == origin.Shown);
            for (size_t e = 0; e < entries.size(); ++e) {
                const BoxEntry& entry = entries[e];
                if (entry.Side != -1 && entry.Side != static_cast<int>(s))
                    continue;
                const bool important = !entry.Priority.empty();
                const bool wins =
                    source[s] < 0 || important || entries[size_t(source[s])].Priority.empty();
                if (wins)
                    source[s] = static_cast<int>(e);
            }
        }
        const std::string shorthand = Capitalised(property);
        std::array<bool, 4> written{};
        for (size_t e = 0; e < entries.size(); ++e) {
            const BoxEntry& entry = entries[e];
            if (entry.Side >= 0) {
                const size_t s = static_cast<size_t>(entry.Side);
                if (!changed[s])
                    line_.Add(shorthand + "-" + std::string(kSideNames[s]),
                              WithPriority(entry.Parts[s], entry.Priority), entry.Trailer);
                continue;
            }
            ShorthandParts parts = entry.Parts;
            bool expand = false;
            // A shorthand with a variable stays as read; a changed part follows it.
            const bool variable = StaysWhole(entry.Raw);
            for (size_t s = 0; s < 4; ++s) {
                if (!changed[s])
                    continue;
                if (!now[s])
                    expand = true; // a part cleared: the shorthand cannot say "not set"
                else if (source[s] == static_cast<int>(e) && !variable)
                    parts[s] = *now[s], written[s] = true;
            }
            if (!expand) {
                line_.Add(
                    shorthand,
                    WithPriority(parts == entry.Parts ? entry.Raw : BoxText(parts) + entry.Note,
                                 entry.Priority),
                    entry.Trailer);
                continue;
            }
            std::string notes = entry.Note.empty()
                                    ? entry.Trailer
                                    : entry.Note.substr(entry.Note[0] == ' ') +
                                          (entry.Trailer.empty() ? "" : " ") + entry.Trailer;
            for (size_t s = 0; s < 4; ++s)
                if (source[s] == static_cast<int>(e) && now[s])
                    line_.Add(shorthand + "-" + std::string(kSideNames[s]),
                              WithPriority(parts[s], entry.Priority), std::exchange(notes, {})),
                        written[s] = true;
        }
        for (size_t s = 0; s < 4; ++s) {
            if (changed[s] && now[s] && !written[s]) {
                const bool important =
                    source[s] >= 0 && !entries[size_t(source[s])].Priority.empty();
                line_.Add(shorthand + "-" + std::string(kSideNames[s]),
                          WithPriority(*now[s], important ? "!important" : ""));
            }
        }
    }

    // A group read with a "border", "background" or "font" shorthand, in the order
    // read: a changed part is put into the shorthand that sets it, or written after a
    // shorthand that stays whole (`whole`, or one with a variable or a CSS-wide
    // keyword); a part cleared from a shorthand that stays whole turns it into the
    // longhands of its other parts.
    void EmitTokens(const std::vector<BoxEntry>& entries, std::span<const Slot> parts,
                    std::span<const std::string_view> names, std::string_view shorthand,
                    bool whole = false) {
        const size_t count = parts.size();
        std::array<std::optional<std::string>, 6> now;
        std::array<bool, 6> changed{};
        std::array<int, 6> source{-1, -1, -1, -1, -1, -1};
        for (size_t p = 0; p < count; ++p) {
            now[p] = SlotValue(panel_, parts[p]);
            const SlotOrigin& origin = panel_.Origins[parts[p]];
            changed[p] = origin.Read ? !(now[p] && *now[p] == origin.Shown) : now[p].has_value();
            for (size_t e = 0; e < entries.size(); ++e) {
                const BoxEntry& entry = entries[e];
                if (entry.Side != -1 && entry.Side != static_cast<int>(p))
                    continue;
                if (source[p] < 0 || !entry.Priority.empty() ||
                    entries[size_t(source[p])].Priority.empty())
                    source[p] = static_cast<int>(e);
            }
        }
        std::array<bool, 6> written{};
        for (size_t e = 0; e < entries.size(); ++e) {
            const BoxEntry& entry = entries[e];
            if (entry.Side >= 0) {
                const size_t p = static_cast<size_t>(entry.Side);
                if (!changed[p])
                    line_.Add(names[p], WithPriority(entry.Parts[p], entry.Priority),
                              entry.Trailer);
                continue;
            }
            ShorthandParts tokens = entry.Parts;
            const bool keep = whole || StaysWhole(entry.Raw);
            bool cleared = false;
            for (size_t p = 0; p < count; ++p)
                cleared = cleared || (keep && changed[p] && !now[p] &&
                                      source[p] == static_cast<int>(e) && !tokens[p].empty());
            if (cleared) {
                for (size_t p = 0; p < count; ++p) {
                    if (source[p] != static_cast<int>(e))
                        continue;
                    const std::string value = changed[p] ? now[p].value_or("") : tokens[p];
                    if (!value.empty())
                        line_.Add(names[p], WithPriority(value, entry.Priority));
                    written[p] = true;
                }
                continue;
            }
            bool touched = false;
            for (size_t p = 0; p < count; ++p)
                if (changed[p] && source[p] == static_cast<int>(e) && !keep)
                    tokens[p] = now[p].value_or(""), written[p] = true, touched = true;
            std::string value;
            for (size_t p = 0; p < count; ++p)
                if (!tokens[p].empty())
                    value += (value.empty() ? "" : " ") + tokens[p];
            if (!entry.Rest.empty())
                value += (value.empty() ? "" : " ") + entry.Rest;
            if (!touched)
                value = entry.Raw;
            else if (!value.empty())
                value += entry.Note;
            if (!value.empty())
                line_.Add(shorthand, WithPriority(value, entry.Priority), entry.Trailer);
        }
        for (size_t p = 0; p < count; ++p) {
            if (changed[p] && now[p] && !written[p]) {
                const bool important =
                    source[p] >= 0 && !entries[size_t(source[p])].Priority.empty();
                line_.Add(names[p], WithPriority(*now[p], important ? "!important" : ""));
            }
        }
    }

    void Keywords(std::initializer_list<Slot> slots) {
        for (Slot slot : slots) {
            // The writer's own spelling of the property: that of the group's buttons.
            for (const auto& info : KeywordTable()) {
                if (info.Group == *GroupOf(slot)) {
                    Emit(slot, info.Property);
                    break;
                }
            }
        }
    }

    void Lengths(std::initializer_list<Length> fields) {
        for (Length field : fields)
            Emit(*SlotOf(field), Info(field).Property);
    }

private:
    const PropertySet& panel_;
    LineBuilder& line_;
};

constexpr std::array<Slot, 4> kMarginSlots = {S::MarginTop, S::MarginRight, S::MarginBottom,
                                              S::MarginLeft};
constexpr std::array<Slot, 4> kPaddingSlots = {S::PaddingTop, S::PaddingRight, S::PaddingBottom,
                                               S::PaddingLeft};

} // namespace

bool IsFontSizeKeyword(std::string_view upperText) {
    for (std::string_view keyword : {"XX-SMALL", "X-SMALL", "SMALL", "MEDIUM", "LARGE", "X-LARGE",
                                     "XX-LARGE", "LARGER", "SMALLER"})
        if (upperText == keyword)
            return true;
    return false;
}

std::optional<std::string> SlotValue(const PropertySet& panel, Slot slot) {
    if (auto border = BorderPartOf(slot)) {
        const BorderValues values = panel.BorderOf(border->Side);
        switch (border->Part) {
        case 0:
            if (!values.Width.Set)
                return std::nullopt;
            return LengthValue(values.Width, Length::BorderWidth);
        case 1:
            for (size_t i = 0; i < values.Style.size(); ++i)
                if (values.Style[i])
                    return std::string(
                        Info(static_cast<Keyword>(static_cast<size_t>(Keyword::BorderSolid) + i))
                            .Value);
            if (!values.StyleText.empty())
                return values.StyleText;
            return std::nullopt;
        default:
            return ColorValue(panel, values.ColorCheck, values.Swatch, values.ColorText, slot);
        }
    }
    if (auto field = LengthOf(slot)) {
        if (!panel[*field].Set)
            return std::nullopt;
        return LengthValue(panel[*field], *field);
    }
    if (auto group = GroupOf(slot)) {
        for (const auto& info : KeywordTable())
            if (info.Group == *group && panel.IsDown(info.Button))
                return std::string(info.Value);
        const std::string& text = panel.Text(*group);
        if (!text.empty())
            return text;
        return std::nullopt;
    }
    switch (slot) {
    case S::FontFamily:
        if (!panel.FontType.Set)
            return std::nullopt;
        return panel.FontType2.Set ? panel.FontType.Text + ", " + panel.FontType2.Text
                                   : panel.FontType.Text;
    case S::FontWeight:
        if (!panel.FontWeight.Set)
            return std::nullopt;
        return panel.FontWeight.Text;
    case S::FontSize: {
        if (!panel.FontSize.Set)
            return std::nullopt;
        const std::string& text = panel.FontSize.Text;
        if (IsFontSizeKeyword(UpperAscii(text)))
            return text;
        if (auto parts = SplitNumberAndUnit(text); parts && parts->Unit.empty())
            return WithoutBarePoint(text) + panel.FontSizeUnit;
        else if (parts && IsLengthUnit(parts->Unit))
            return text; // typed with its unit
        if (IsCssWideKeyword(text) || IsMathOrVarFunction(text) || HoldsVariable(text))
            return text;
        return std::nullopt; // no size: "1.2rem" typed goes through the box's handler
    }
    case S::FontColor:
        return ColorValue(panel, panel.FontColorCheck, panel.FontColor, panel.FontColorText, slot);
    case S::BackGroundColor:
        if (panel.BackGroundTransparent)
            return "transparent";
        return ColorValue(panel, panel.BackGroundColorCheck, panel.BackGroundColor,
                          panel.BackGroundColorText, slot);
    case S::BackGroundImage:
        if (!panel.BackGroundAttCheck)
            return std::nullopt;
        if (!panel.BackGroundImageText.empty())
            return panel.BackGroundImageText;
        return PictureUrl(panel.BackGroundAttPath);
    case S::Clip:
        return ClipValue(panel);
    default:
        return std::nullopt;
    }
}

void WriteDeclarations(PropertySet& panel, TextView& memo) {
    memo.Edited = false;
    GiveChangedBorderToEverySide(panel);

    LineList kept;
    for (auto& line : memo.Lines)
        if (!line.empty() && line[0] != ';')
            kept.push_back(std::move(line));

    if (panel.FontSize.Set && IsFontSizeKeyword(UpperAscii(panel.FontSize.Text)))
        panel.FontSizeUnit.clear();

    LineList out;
    LineBuilder line(out);
    Writer w(panel, line);

    const bool fontShorthand = !panel.Origins.Font.empty();
    if (fontShorthand) { // lines 1 to 3 and the line height: the font shorthand
        constexpr std::array<Slot, 6> parts = {S::FontStyle, S::FontVariant, S::FontWeight,
                                               S::FontSize,  S::LineHeight,  S::FontFamily};
        constexpr std::array<std::string_view, 6> names = {
            "Font-style", "Font-variant", "Font-weight", "Font-size", "Line-height", "Font-Family"};
        w.EmitTokens(panel.Origins.Font, parts, names, "Font", true);
        line.Finish();
    } else {
        w.Emit(S::FontFamily, "Font-Family"); // line 1
        line.Finish();
        w.Emit(S::FontWeight, "Font-weight");
        w.Emit(S::FontSize, "Font-size");
        line.Finish();
        w.Keywords({S::FontStyle, S::FontVariant});
        line.Finish();
    }
    w.Keywords({S::TextDecoration});
    line.Finish();
    if (fontShorthand)
        w.Lengths({Length::TextIndent});
    else
        w.Lengths({Length::TextIndent, Length::LineHeight});
    line.Finish();
    w.Lengths({Length::WordSpacing, Length::LetterSpacing});
    line.Finish();
    w.Keywords({S::TextAlign, S::VerticalAlign});
    line.Finish();
    if (!panel.Origins.Margin.empty()) { // lines 8 and 9
        w.EmitBox("margin", panel.Origins.Margin, kMarginSlots);
        line.Finish();
    } else {
        w.Lengths({Length::MarginTop, Length::MarginRight});
        line.Finish();
        w.Lengths({Length::MarginBottom, Length::MarginLeft});
        line.Finish();
    }
    if (!panel.Origins.Padding.empty()) { // lines 10 and 11
        w.EmitBox("padding", panel.Origins.Padding, kPaddingSlots);
        line.Finish();
    } else {
        w.Lengths({Length::PaddingTop, Length::PaddingRight});
        line.Finish();
        w.Lengths({Length::PaddingBottom, Length::PaddingLeft});
        line.Finish();
    }
    w.Emit(S::FontColor, "color");       // line 12
    if (!panel.Origins.Border.empty()) { // lines 12 to 14
        constexpr std::array<Slot, 3> parts = {S::BorderWidth, S::BorderStyle, S::BorderColor};
        constexpr std::array<std::string_view, 3> names = {"Border-width", "Border-style",
                                                           "Border-color"};
        w.EmitTokens(panel.Origins.Border, parts, names, "Border");
        line.Finish();
    } else {
        w.Emit(S::BorderColor, "Border-color");
        line.Finish();
        w.Keywords({S::BorderStyle});
        line.Finish();
        w.Lengths({Length::BorderWidth});
        line.Finish();
    }
    // Each side's own border, after the border of all four.
    for (size_t i = 0; i < kBorderSides.size(); ++i) {
        constexpr std::array<std::string_view, 4> shorthands = {"Border-top", "Border-right",
                                                                "Border-bottom", "Border-left"};
        const BorderSlots slots = SlotsOf(kBorderSides[i]);
        const std::array<Slot, 3> parts = {slots.Width, slots.Style, slots.Color};
        const std::string shorthand(shorthands[i]);
        const std::array<std::string, 3> longhands = {shorthand + "-width", shorthand + "-style",
                                                      shorthand + "-color"};
        const std::array<std::string_view, 3> names = {longhands[0], longhands[1], longhands[2]};
        if (!panel.Origins.BorderSides[i].empty())
            w.EmitTokens(panel.Origins.BorderSides[i], parts, names, shorthand);
        else
            for (size_t p = 0; p < parts.size(); ++p)
                w.Emit(parts[p], names[p]);
        line.Finish();
    }
    if (!panel.Origins.Background.empty()) { // lines 15 to 19
        constexpr std::array<Slot, 5> parts = {S::BackGroundColor, S::BackGroundImage,
                                               S::PicturePosition, S::PictureAttachment,
                                               S::PictureRepeat};
        constexpr std::array<std::string_view, 5> names = {
            "BackGround-color", "BackGround-Image", "BackGround-position", "BackGround-Attachment",
            "BackGround-Repeat"};
        w.EmitTokens(panel.Origins.Background, parts, names, "BackGround");
        line.Finish();
    } else {
        w.Emit(S::BackGroundColor, "BackGround-color");
        line.Finish();
        if (panel.PictureButtonsEnabled()) { // lines 16 to 19
            w.Emit(S::BackGroundImage, "BackGround-Image");
            line.Finish();
            for (Slot slot : {S::PicturePosition, S::PictureAttachment, S::PictureRepeat}) {
                w.Keywords({slot});
                line.Finish();
            }
        }
    }
    w.Keywords({S::Display});
    line.Finish();
    w.Keywords({S::Visibility, S::Overflow});
    line.Finish();
    w.Emit(S::Clip, "clip");
    line.Finish();
    w.Keywords({S::Position, S::Float});
    line.Finish();
    w.Lengths({Length::BlockTop, Length::BlockLeft});
    line.Finish();
    w.Lengths({Length::BlockRight, Length::BlockBottom});
    line.Finish();
    w.Lengths({Length::BlockHeight, Length::BlockWidth});
    line.Finish();

    for (auto& keptLine : kept)
        out.push_back(std::move(keptLine));
    memo.Lines = std::move(out);
}

} // namespace tesselo
