#include "PanelEdit.h"

#include "document/ByteText.h"

#include <array>
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

} // namespace

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
