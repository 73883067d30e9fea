#include "PanelEdit.h"

#include "document/ByteText.h"
#include "mapping/RuleProperties.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace tesselo::dump {
namespace {

struct Candidate {
    std::string Control;
    std::function<PanelEdit(PropertySet&)> Apply;
};

// A length no rule is likely to hold already.
std::string OtherNumber(const std::string& text, const std::string& unit) {
    return text == "17" && unit == "px" ? "19" : "17";
}

Candidate LengthCandidate(Length field) {
    const LengthInfo& info = Info(field);
    return {std::string(info.Name), [field, &info](PropertySet& p) {
                LengthField& f = p[field];
                f.Text = OtherNumber(f.Text, f.Unit);
                f.Unit = "px";
                f.Set = true;
                f.Whole = std::stoi(f.Text);
                return PanelEdit{std::string(info.Name), LowerAscii(info.Property), f.Text + "px"};
            }};
}

// The button after the one down, in the group's order; none that old browsers alone
// know (display: marker, text-decoration: blink).
std::optional<Keyword> NextInGroup(Keyword down) {
    const auto& table = KeywordTable();
    const size_t at = static_cast<size_t>(down);
    for (size_t step = 1; step < table.size(); ++step) {
        const KeywordInfo& next = table[(at + step) % table.size()];
        if (next.Group != Info(down).Group || next.Value == Info(down).Value)
            continue;
        if (next.Button == Keyword::DisplayMarker || next.Button == Keyword::TextDecorBlink)
            continue;
        return next.Button;
    }
    return std::nullopt;
}

Candidate KeywordCandidate(Keyword down, Keyword next) {
    return {std::string(Info(down).Name), [next](PropertySet& p) {
                p.PressDown(next);
                p.Text(Info(next).Group).clear();
                const KeywordInfo& info = Info(next);
                return PanelEdit{std::string(info.Name), LowerAscii(info.Property),
                                 std::string(info.Value)};
            }};
}

Color OtherColor(Color now) {
    const Color first{0x12, 0xAB, 0xCD};
    return now == first ? Color{0xCD, 0x12, 0xAB} : first;
}

std::string Hex(Color color) {
    static const char* const kDigits = "0123456789abcdef";
    std::string text = "#";
    for (uint8_t part : {color.Red, color.Green, color.Blue}) {
        text += kDigits[part >> 4];
        text += kDigits[part & 15];
    }
    return text;
}

Candidate ColorCandidate(std::string control, std::string property, Color PropertySet::*swatch,
                         bool PropertySet::*check, std::string PropertySet::*text) {
    return {control, [=](PropertySet& p) {
                p.*swatch = OtherColor(p.*swatch);
                p.*check = true;
                (p.*text).clear();
                if (swatch == &PropertySet::BackGroundColor)
                    p.BackGroundTransparent = false;
                return PanelEdit{control, property, Hex(p.*swatch)};
            }};
}

// The entry of the list whose text is `text`, or -1.
int ItemOf(const LineList& items, std::string_view text) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

// A part of one side's border, set as the user does: that side's button in the border
// box, then the control.
void AddSideCandidates(const PropertySet& p, std::vector<Candidate>& out) {
    constexpr std::array<std::string_view, 4> names = {"Top", "Right", "Bottom", "Left"};
    for (size_t i = 0; i < kBorderSides.size(); ++i) {
        const BorderSide side = kBorderSides[i];
        const BorderValues values = p.BorderOf(side);
        const std::string button = "BorderSide" + std::string(names[i]);
        const std::string property = "border-" + LowerAscii(names[i]);
        auto onSide = [side](PropertySet& q, const std::function<PanelEdit(PropertySet&)>& set) {
            q.ShowBorderSide(side);
            PanelEdit edit = set(q);
            q.ShowBorderSide(BorderSide::All);
            return edit;
        };
        if (values.Width.Set)
            out.push_back({button + " BorderWidth", [=](PropertySet& q) {
                               return onSide(q, [&](PropertySet& r) {
                                   LengthField& f = r[Length::BorderWidth];
                                   f.Text = OtherNumber(f.Text, f.Unit);
                                   f.Unit = "px";
                                   f.Set = true;
                                   return PanelEdit{button + " BorderWidth", property + "-width",
                                                    f.Text + "px"};
                               });
                           }});
        for (size_t b = 0; b < values.Style.size(); ++b) {
            const auto down = static_cast<Keyword>(static_cast<size_t>(Keyword::BorderSolid) + b);
            const auto next = values.Style[b] ? NextInGroup(down) : std::nullopt;
            if (next)
                out.push_back({button + " " + std::string(Info(*next).Name), [=](PropertySet& q) {
                                   return onSide(q, [&](PropertySet& r) {
                                       r.PressDown(*next);
                                       r.Text(KeywordGroup::BorderStyle).clear();
                                       return PanelEdit{
                                           button + " " + std::string(Info(*next).Name),
                                           property + "-style", std::string(Info(*next).Value)};
                                   });
                               }});
        }
        if (values.ColorCheck)
            out.push_back({button + " BorderColor", [=](PropertySet& q) {
                               return onSide(q, [&](PropertySet& r) {
                                   r.BorderColor = OtherColor(r.BorderColor);
                                   r.BorderColorCheck = true;
                                   r.BorderColorText.clear();
                                   return PanelEdit{button + " BorderColor", property + "-color",
                                                    Hex(r.BorderColor)};
                               });
                           }});
    }
}

std::vector<Candidate> Candidates(const PropertySet& p) {
    std::vector<Candidate> out;
    if (p.FontType.Set)
        out.push_back({"FontType", [](PropertySet& q) {
                           // A family's own name, never a generic one: an @font-face
                           // rule takes nothing else.
                           const std::string family =
                               LowerAscii(q.FontType.Text) == "georgia" ? "Verdana" : "Georgia";
                           q.FontType.Text = family;
                           q.FontType.ItemIndex = ItemOf(q.Items.FontType, family);
                           const std::string value =
                               q.FontType2.Set ? family + ", " + q.FontType2.Text : family;
                           return PanelEdit{"FontType", "font-family", value};
                       }});
    if (p.FontWeight.Set)
        out.push_back({"FontWeight", [](PropertySet& q) {
                           const std::string now = LowerAscii(q.FontWeight.Text);
                           const std::string weight = now == "700" || now == "bold" ? "300" : "700";
                           q.FontWeight.Text = weight;
                           q.FontWeight.ItemIndex = ItemOf(q.Items.FontWeight, weight);
                           q.FontBold = false;
                           return PanelEdit{"FontWeight", "font-weight", weight};
                       }});
    if (p.FontSize.Set)
        out.push_back({"FontSize", [](PropertySet& q) {
                           q.FontSize.Text = OtherNumber(q.FontSize.Text, q.FontSizeUnit);
                           q.FontSize.ItemIndex = -1;
                           q.FontSizeUnit = "px";
                           return PanelEdit{"FontSize", "font-size", q.FontSize.Text + "px"};
                       }});
    for (const LengthInfo& info : LengthTable())
        if (!info.Property.empty() && p[info.Field].Set)
            out.push_back(LengthCandidate(info.Field));
    for (const KeywordInfo& info : KeywordTable()) {
        const bool picture = info.Group == KeywordGroup::PicturePosition ||
                             info.Group == KeywordGroup::PictureAttachment ||
                             info.Group == KeywordGroup::PictureRepeat;
        if (!p.IsDown(info.Button) || (picture && !p.BackGroundAttCheck))
            continue;
        if (const auto next = NextInGroup(info.Button))
            out.push_back(KeywordCandidate(info.Button, *next));
    }
    if (p.FontColorCheck)
        out.push_back(ColorCandidate("FontColor", "color", &PropertySet::FontColor,
                                     &PropertySet::FontColorCheck, &PropertySet::FontColorText));
    if (p.BorderColorCheck)
        out.push_back(ColorCandidate("BorderColor", "border-color", &PropertySet::BorderColor,
                                     &PropertySet::BorderColorCheck,
                                     &PropertySet::BorderColorText));
    if (p.BackGroundColorCheck || p.BackGroundTransparent)
        out.push_back(
            ColorCandidate("BackGroundColor", "background-color", &PropertySet::BackGroundColor,
                           &PropertySet::BackGroundColorCheck, &PropertySet::BackGroundColorText));
    AddSideCandidates(p, out);
    return out;
}

bool Same(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(a, b);
}

// The keyword after `value` among the row's buttons; the first button for a keyword
// without one; the next of all its keywords for a row with one button or none.
std::optional<std::string> OtherKeyword(const PropertySpec& spec, std::string_view value) {
    const auto buttons = ButtonKeywords(spec);
    auto after = [&](const std::vector<std::string_view>& list) -> std::optional<std::string> {
        const auto at = std::find_if(list.begin(), list.end(),
                                     [&](std::string_view word) { return Same(word, value); });
        if (at == list.end() || list.size() < 2)
            return std::nullopt;
        return std::string(at + 1 == list.end() ? list.front() : *(at + 1));
    };
    if (auto next = after(buttons))
        return next;
    if (!buttons.empty() && !std::any_of(buttons.begin(), buttons.end(),
                                         [&](std::string_view word) { return Same(word, value); }))
        return std::string(buttons.front());
    return after(AllKeywords(spec));
}

// The number of "1.5em" plus one, in its unit: "2.5em"; a length's "0" becomes "1px".
// "-1rem" becomes "1rem": a zero the sheet may write without its unit.
std::optional<std::string> NumberPlusOne(const PropertySpec& spec, std::string_view value) {
    size_t end = value.empty() || (value[0] != '+' && value[0] != '-') ? 0 : 1;
    bool digits = false;
    for (bool point = false; end < value.size(); ++end) {
        if (value[end] >= '0' && value[end] <= '9')
            digits = true;
        else if (value[end] == '.' && !point)
            point = true;
        else
            break;
    }
    const std::string_view written = value.substr(end);
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!digits || !(written == "%" || std::all_of(written.begin(), written.end(), letter)))
        return std::nullopt;
    const double number = std::strtod(std::string(value.substr(0, end)).c_str(), nullptr);
    std::string unit(written);
    if (unit.empty() && number == 0 && !(spec.Kinds & (KindNumber | KindInteger)))
        unit = "px";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", number + 1 == 0 ? number + 2 : number + 1);
    return text + unit;
}

} // namespace

std::optional<std::string> OtherValue(const PropertySpec& spec, std::string_view value) {
    if (spec.Control == ControlKind::Text || spec.Control == ControlKind::Picture ||
        IsCssWideKeyword(value) || HoldsVariable(value) || IsMathOrVarFunction(value) ||
        !ValueFits(spec, value))
        return std::nullopt;
    const auto keywords = AllKeywords(spec);
    std::optional<std::string> other;
    if (std::any_of(keywords.begin(), keywords.end(),
                    [&](std::string_view word) { return Same(word, value); }))
        other = OtherKeyword(spec, value);
    else if (spec.Control == ControlKind::Color)
        other = Hex(OtherColor(ParseColor(value).value_or(Color{})));
    else if (spec.Control != ControlKind::KeywordButtons &&
             spec.Control != ControlKind::KeywordChoice)
        other = NumberPlusOne(spec, value);
    if (!other || Same(*other, value) || !ValueFits(spec, *other))
        return std::nullopt;
    return other;
}

std::optional<PanelEdit> CatalogEdit(std::string_view block) {
    const RuleProperties rule{std::string(block)};
    for (const BlockDeclaration& declaration : rule.Declarations()) {
        const PropertySpec* spec = FindProperty(declaration.Property);
        if (!spec || spec->Page == CatalogPage::Panel)
            continue;
        const auto read = rule.Read(spec->Name);
        if (!read || !read->Known)
            return std::nullopt;
        const auto value = OtherValue(*spec, read->Value);
        if (!value)
            return std::nullopt;
        return PanelEdit{ControlName(spec->Name), std::string(spec->Name), *value};
    }
    return std::nullopt;
}

int SetControlCount(const PropertySet& panel) {
    return static_cast<int>(Candidates(panel).size());
}

std::optional<PanelEdit> EditOneControl(PropertySet& panel, int pick) {
    std::vector<Candidate> candidates = Candidates(panel);
    if (candidates.empty())
        return std::nullopt;
    const size_t n = candidates.size();
    const size_t at = (static_cast<size_t>(pick) % n + n) % n;
    return candidates[at].Apply(panel);
}

} // namespace tesselo::dump
