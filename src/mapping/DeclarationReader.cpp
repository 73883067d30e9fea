#include "mapping/DeclarationReader.h"

#include "document/SheetComposer.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationWriter.h"

#include <array>
#include <cctype>
#include <charconv>
#include <functional>
#include <vector>

namespace tesselo {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsUpperHex(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F');
}
constexpr bool IsNumberChar(char c) {
    return IsDigit(c) || c == '-' || c == '.';
}
constexpr bool IsUnitLetter(char c) {
    return c == '%' || c == 'C' || c == 'E' || c == 'H' || c == 'I' || c == 'M' || c == 'P' ||
           c == 'T' || c == 'X';
}

struct PropertyValue {
    std::string Text;     // upper case, as the working text holds it
    std::string Original; // the same characters in their original case
    bool Found = false;
};

using Acceptor = std::function<bool(std::string_view)>;

// The property names whose declarations set, in part, what a property of the panel
// sets: its shorthands and the logical properties for the same side.
struct OverridingName {
    std::string_view Name;
    bool Prefix = false; // the name and every "NAME-..." property
};

std::vector<OverridingName> OverridingNames(std::string_view property) {
    auto side = [&](std::string_view shorthand, std::string_view block, std::string_view inline_) {
        return std::vector<OverridingName>{{shorthand}, {block, true}, {inline_, true}};
    };
    if (property.starts_with("MARGIN-"))
        return side("MARGIN", "MARGIN-BLOCK", "MARGIN-INLINE");
    if (property.starts_with("PADDING-"))
        return side("PADDING", "PADDING-BLOCK", "PADDING-INLINE");
    if (property == "TOP" || property == "RIGHT" || property == "BOTTOM" || property == "LEFT")
        return side("INSET", "INSET-BLOCK", "INSET-INLINE");
    if (property.starts_with("BORDER-"))
        return {{"BORDER"},
                {"BORDER-TOP", true},
                {"BORDER-RIGHT", true},
                {"BORDER-BOTTOM", true},
                {"BORDER-LEFT", true},
                {"BORDER-BLOCK", true},
                {"BORDER-INLINE", true}};
    if (property == "FONT-VARIANT")
        return {{"FONT"}, {"FONT-VARIANT", true}};
    if (property.starts_with("FONT-") || property == "LINE-HEIGHT")
        return {{"FONT"}};
    if (property == "BACKGROUND-POSITION")
        return {{"BACKGROUND"}, {"BACKGROUND-POSITION", true}};
    if (property.starts_with("BACKGROUND-"))
        return {{"BACKGROUND"}};
    if (property == "TEXT-DECORATION")
        return {{"TEXT-DECORATION", true}};
    if (property == "OVERFLOW")
        return {{"OVERFLOW", true}};
    if (property == "WIDTH")
        return {{"INLINE-SIZE"}};
    if (property == "HEIGHT")
        return {{"BLOCK-SIZE"}};
    return {};
}

// The working text in upper case and, position for position, in its original case.
// Every deletion is made in both.
class WorkingText {
public:
    explicit WorkingText(const LineList& lines)
        : original_(NormalizeDeclarationsKeepCase(lines)), upper_(UpperAscii(original_)) {}

    // Looks for the key; a first occurrence preceded by "-" belongs to a longer name
    // and counts as absent. Removes the key and returns where it stood, or -1.
    long TakeProperty(std::string_view key) {
        long p = Find(key);
        if (p >= 0)
            Erase(static_cast<size_t>(p), key.size());
        return p;
    }

    // The key and its value up to the next ";" (or the end of the text), which are
    // removed with that ";" when the value is accepted. A value that is not accepted
    // leaves the text exactly as it was.
    PropertyValue TakeValue(std::string_view key, const Acceptor& accept = nullptr) {
        PropertyValue v;
        long p = Find(key);
        if (p < 0)
            return v;
        const size_t begin = static_cast<size_t>(p) + key.size();
        size_t end = upper_.find(';', begin);
        const bool semicolon = end != std::string::npos;
        if (!semicolon)
            end = upper_.size();
        // Blanks at the value's end are no part of it; they go with it.
        size_t valueEnd = end;
        while (valueEnd > begin && upper_[valueEnd - 1] == ' ')
            --valueEnd;
        std::string_view text = std::string_view(upper_).substr(begin, valueEnd - begin);
        if (accept && !accept(text))
            return v;
        v.Text = std::string(text);
        v.Original = original_.substr(begin, valueEnd - begin);
        v.Found = true;
        Erase(static_cast<size_t>(p), end - static_cast<size_t>(p) + (semicolon ? 1 : 0));
        return v;
    }

    // Removes every occurrence with the blank that follows it: the line end after a
    // marker line.
    void RemoveEvery(std::string_view upperNeedle) {
        size_t from = 0;
        for (;;) {
            size_t at = upper_.find(upperNeedle, from);
            if (at == std::string::npos)
                return;
            const size_t blank =
                at + upperNeedle.size() < upper_.size() && upper_[at + upperNeedle.size()] == ' ';
            Erase(at, upperNeedle.size() + blank);
            // A new occurrence can only form across the join.
            from = at >= upperNeedle.size() ? at - upperNeedle.size() + 1 : 0;
        }
    }

    // The rest's clean-up: ";" and blanks go from its front, and the blank that a cut
    // left at its end goes too.
    void TrimRest() {
        size_t n = 0;
        while (n < upper_.size() && (upper_[n] == ';' || upper_[n] == ' '))
            ++n;
        Erase(0, n);
        n = upper_.size();
        while (n > 0 && upper_[n - 1] == ' ')
            --n;
        Erase(n, upper_.size() - n);
    }

    const std::string& Original() const { return original_; }

private:
    long Find(std::string_view key) const {
        size_t p = upper_.find(key);
        if (p == std::string::npos || (p > 0 && upper_[p - 1] == '-'))
            return -1;
        if (OverriddenIfMovedForward(key.substr(0, key.find(':')), p))
            return -1;
        return static_cast<long>(p);
    }

    // The panel writes what it takes in front of what it keeps. A declaration that a
    // kept one in front of it overrides in part (a shorthand, a logical property)
    // must stay where it is, or moving it forward would change what the rule says:
    // "margin: 0; margin-top: 5px" keeps both.
    bool OverriddenIfMovedForward(std::string_view property, size_t at) const {
        for (const auto& overriding : OverridingNames(property)) {
            for (size_t p = upper_.find(overriding.Name); p < at;
                 p = upper_.find(overriding.Name, p + 1)) {
                const char before = p > 0 ? upper_[p - 1] : ';';
                const size_t after = p + overriding.Name.size();
                const char next = after < upper_.size() ? upper_[after] : ';';
                const bool starts = !(std::isalnum(static_cast<unsigned char>(before)) ||
                                      before == '-' || before == '_');
                if (starts && (next == ':' || (overriding.Prefix && next == '-')))
                    return true;
            }
        }
        return false;
    }

    void Erase(size_t at, size_t count) {
        original_.erase(at, count);
        upper_.erase(at, count);
    }

    std::string original_;
    std::string upper_;
};

// The keys the reader looks for, made once: "MARGIN-TOP:" and "TEXT-ALIGN:LEFT;".
const std::string& LengthKey(Length field) {
    static const auto keys = [] {
        std::array<std::string, kLengthCount> made;
        for (const auto& info : LengthTable())
            made[static_cast<size_t>(info.Field)] = UpperAscii(info.Property) + ":";
        return made;
    }();
    return keys[static_cast<size_t>(field)];
}

const std::string& KeywordKey(Keyword button) {
    static const auto keys = [] {
        std::array<std::string, kKeywordCount> made;
        for (const auto& info : KeywordTable())
            made[static_cast<size_t>(info.Button)] =
                UpperAscii(info.Property) + ":" + UpperAscii(info.Value) + ";";
        return made;
    }();
    return keys[static_cast<size_t>(button)];
}

// The list entry that matches the text in upper case gives its spelling.
void ShowChoice(TextChoiceField& field, const LineList& items, const std::string& text) {
    field.Text = text;
    field.ItemIndex = -1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (UpperAscii(items[i]) == text) {
            field.Text = items[i];
            field.ItemIndex = static_cast<int>(i);
            break;
        }
    }
    field.Set = true;
}

void SetLength(LengthField& field, const LengthParts& parts) {
    field.Text = parts.Number;
    field.Unit = parts.Unit;
    field.Set = true;
}

bool IsLengthValue(std::string_view text) {
    return ParseLength(text).has_value();
}

void ReadLengthField(WorkingText& work, PropertySet& panel, Length field) {
    const std::string& key = LengthKey(field);
    PropertyValue v = work.TakeValue(key, IsLengthValue);
    if (!v.Found)
        return;
    LengthParts parts = *ParseLength(v.Text);
    SetLength(panel[field], parts);
    // The whole value follows only a whole number within 32 bits.
    const std::string& n = parts.Number;
    if (!n.empty() && n.find('.') == std::string::npos && n != "-") {
        int32_t whole = 0;
        auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), whole);
        if (ec == std::errc() && end == n.data() + n.size())
            panel[field].Whole = whole;
    }
}

// Family and weight are shown and written in upper case. A value that calls a
// function (var(--name), whose name keeps its case) is not taken, nor one that ran
// on into the next declaration for want of a ";".
bool IsPlainText(std::string_view text) {
    return text.find_first_of("(:") == std::string_view::npos;
}

void ReadFontFields(WorkingText& work, PropertySet& panel) {
    PropertyValue family = work.TakeValue("FONT-FAMILY:", IsPlainText);
    if (family.Found) {
        const std::string& f = family.Text;
        size_t comma = f.find(',');
        if (comma == std::string::npos) {
            ShowChoice(panel.FontType, panel.Items.FontType, f);
        } else {
            std::string alternative = f.substr(comma + 1);
            if (!alternative.empty() && alternative[0] == ' ')
                alternative.erase(0, 1);
            ShowChoice(panel.FontType, panel.Items.FontType, f.substr(0, comma));
            ShowChoice(panel.FontType2, panel.Items.FontType2, alternative);
        }
    }

    PropertyValue weight = work.TakeValue("FONT-WEIGHT:", IsPlainText);
    if (weight.Found) {
        std::string w = weight.Text;
        if (!w.empty() && w[0] == ' ')
            w.erase(0, 1);
        ShowChoice(panel.FontWeight, panel.Items.FontWeight, w);
        panel.FontBold = (w == "BOLD");
    }

    auto isSize = [](std::string_view text) {
        return IsFontSizeKeyword(text) || IsLengthValue(text);
    };
    PropertyValue size = work.TakeValue("FONT-SIZE:", isSize);
    if (size.Found) {
        if (IsFontSizeKeyword(size.Text)) {
            panel.FontSize.Text = LowerAscii(size.Text);
            panel.FontSizeUnit.clear();
        } else {
            LengthParts parts = *ParseLength(size.Text);
            panel.FontSize.Text = parts.Number;
            panel.FontSizeUnit = parts.Unit;
        }
        panel.FontSize.Set = true;
    }
}

void ReadKeywords(WorkingText& work, PropertySet& panel,
                  std::initializer_list<KeywordGroup> groups) {
    for (KeywordGroup group : groups) {
        for (const auto& info : KeywordTable()) {
            if (info.Group != group)
                continue;
            if (work.TakeProperty(KeywordKey(info.Button)) >= 0)
                panel.PressDown(info.Button);
            // An oblique face has no button of its own: it reads as italic.
            if (info.Button == Keyword::FontStyleItalic &&
                work.TakeProperty("FONT-STYLE:OBLIQUE;") >= 0)
                panel.PressDown(Keyword::FontStyleItalic);
        }
    }
}

void ReadColors(WorkingText& work, PropertySet& panel) {
    PropertyValue background = work.TakeValue("BACKGROUND-COLOR:", [](std::string_view t) {
        return t == "TRANSPARENT" || IsColorValue(t);
    });
    if (!background.Found) {
        panel.BackGroundColor = TextToColor("WHITE");
    } else if (background.Text == "TRANSPARENT") {
        panel.BackGroundTransparent = true;
    } else {
        panel.BackGroundColorCheck = true;
        panel.BackGroundColor = TextToColor(background.Text);
    }

    PropertyValue border = work.TakeValue("BORDER-COLOR:", IsColorValue);
    panel.BorderColorCheck = border.Found;
    panel.BorderColor = TextToColor(border.Found ? border.Text : "GRAY");

    PropertyValue text = work.TakeValue("COLOR:", IsColorValue);
    panel.FontColorCheck = text.Found;
    panel.FontColor = TextToColor(text.Found ? text.Text : "BLACK");
}

void ReadPicture(WorkingText& work, PropertySet& panel) {
    PropertyValue v = work.TakeValue("BACKGROUND-IMAGE:URL(", [](std::string_view t) {
        return !t.empty() && t.back() == ')' && t.find(')') == t.size() - 1;
    });
    if (!v.Found)
        return;
    const std::string path = v.Original.substr(0, v.Original.size() - 1);
    panel.BackGroundAttEnabled = true;
    panel.BackGroundAttCheck = true;
    panel.BackGroundAttPath = path;
    panel.BackGroundAttCaption = PictureCaption(path);
    ReadKeywords(work, panel,
                 {KeywordGroup::PicturePosition, KeywordGroup::PictureAttachment,
                  KeywordGroup::PictureRepeat});
}

constexpr std::array<Length, 4> kClipEdges = {Length::ClipTop, Length::ClipRight,
                                              Length::ClipBottom, Length::ClipLeft};

// The four parts of "top, right, bottom, left)", blanks at either end stripped;
// nothing unless there are exactly four and the text ends with ")".
std::optional<std::array<std::string_view, 4>> ClipParts(std::string_view text) {
    if (text.empty() || text.back() != ')')
        return std::nullopt;
    text.remove_suffix(1);
    std::array<std::string_view, 4> parts;
    for (size_t i = 0; i < 4; ++i) {
        size_t comma = text.find(',');
        if ((comma == std::string_view::npos) != (i == 3))
            return std::nullopt;
        std::string_view part = text.substr(0, comma);
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        parts[i] = part;
        if (i < 3)
            text.remove_prefix(comma + 1);
    }
    return parts;
}

bool IsClipValue(std::string_view text) {
    auto parts = ClipParts(text);
    if (!parts)
        return false;
    for (auto part : *parts)
        if (part != "AUTO" && !ParseLength(part))
            return false;
    return true;
}

void ReadClipRect(PropertySet& panel, std::string_view text) {
    auto parts = ClipParts(text);
    for (size_t i = 0; i < kClipEdges.size(); ++i) {
        if ((*parts)[i] == "AUTO")
            continue;
        SetLength(panel[kClipEdges[i]], *ParseLength((*parts)[i]));
    }
}

} // namespace

std::string NormalizeDeclarationsKeepCase(const LineList& lines) {
    std::string out;
    size_t size = 1;
    for (const auto& line : lines)
        size += line.size();
    out.reserve(size);
    // The scan keeps the output's last character as the one under examination, so a
    // character that arrives is its successor.
    auto arrive = [&out](char n) {
        if (static_cast<unsigned char>(n) <= 32)
            n = ' ';
        if (out.empty()) {
            out += n;
            return;
        }
        const char c = out.back();
        if ((c == ' ' && n == ' ') || (c == ':' && n == ' ') ||
            (c == ';' && (n == ' ' || n == ';')))
            return;
        if (c == ' ' && (n == ';' || n == ':'))
            out.back() = n;
        else
            out += n;
    };
    // A line end separates like a blank: a value written over two lines keeps the
    // blank between its parts.
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            arrive(' ');
        for (char c : lines[i])
            arrive(c);
    }
    arrive(';');
    return out;
}

std::string NormalizeDeclarations(const LineList& lines) {
    return UpperAscii(NormalizeDeclarationsKeepCase(lines));
}

std::string NumberChars(std::string_view text) {
    std::string out;
    for (char c : text)
        if (IsNumberChar(c))
            out += c;
    return out;
}

std::string UnitChars(std::string_view text) {
    std::string out;
    for (char c : text)
        if (IsUnitLetter(c))
            out += LowerAscii(c);
    return out;
}

std::optional<LengthParts> ParseLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    size_t intDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++intDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        size_t fracDigits = 0;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++fracDigits;
        if (intDigits == 0 && fracDigits == 0)
            return std::nullopt;
    } else if (intDigits == 0) {
        return std::nullopt;
    }
    std::string_view unit = text.substr(i);
    static constexpr std::array<std::string_view, 10> kUnits = {"",   "PX", "PT", "PC", "MM",
                                                                "CM", "EM", "EX", "IN", "%"};
    for (auto known : kUnits)
        if (unit == known)
            return LengthParts{std::string(text.substr(0, i)), LowerAscii(unit)};
    return std::nullopt;
}

bool IsColorValue(std::string_view text) {
    if (IsColorName(text))
        return true;
    auto allHex = [](std::string_view digits) {
        for (char c : digits)
            if (!IsUpperHex(c))
                return false;
        return true;
    };
    if (!text.empty() && text[0] == '#')
        return (text.size() == 4 || text.size() == 7) && allHex(text.substr(1));
    return text.size() == 6 && allHex(text);
}

LineList SplitUnsupported(std::string_view rest) {
    LineList lines;
    size_t start = 0;
    char quote = 0;
    int depth = 0;
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '\\') {
            ++i; // the escaped character counts for nothing
            continue;
        }
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '/' && i + 1 < rest.size() && rest[i + 1] == '*') {
            size_t close = rest.find("*/", i + 2);
            if (close == std::string_view::npos)
                break; // an unclosed comment keeps the rest on one line
            i = close + 1;
            continue;
        }
        if (c == '"' || c == '\'')
            quote = c;
        else if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (c == ';' && depth == 0) {
            lines.emplace_back(rest.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    lines.emplace_back(rest.substr(start));
    return lines;
}

void ReadDeclarations(PropertySet& panel, TextView& memo) {
    memo.Edited = false;
    WorkingText work(memo.Lines);
    ClearPanel(panel);

    ReadFontFields(work, panel);
    for (Length field :
         {Length::TextIndent, Length::LineHeight, Length::WordSpacing, Length::LetterSpacing,
          Length::MarginTop, Length::MarginRight, Length::MarginBottom, Length::MarginLeft,
          Length::PaddingTop, Length::PaddingRight, Length::PaddingBottom, Length::PaddingLeft})
        ReadLengthField(work, panel, field);
    ReadKeywords(work, panel,
                 {KeywordGroup::FontStyle, KeywordGroup::TextDecoration, KeywordGroup::FontVariant,
                  KeywordGroup::TextAlign, KeywordGroup::VerticalAlign, KeywordGroup::BorderStyle});
    ReadLengthField(work, panel, Length::BorderWidth);
    ReadColors(work, panel);
    ReadPicture(work, panel);
    ReadKeywords(work, panel,
                 {KeywordGroup::Display, KeywordGroup::Visibility, KeywordGroup::Overflow});

    PropertyValue clip = work.TakeValue("CLIP:RECT(", IsClipValue);
    if (clip.Found)
        ReadClipRect(panel, clip.Text);

    ReadKeywords(work, panel, {KeywordGroup::Position, KeywordGroup::Float});
    for (Length field : {Length::BlockTop, Length::BlockRight, Length::BlockBottom,
                         Length::BlockLeft, Length::BlockHeight, Length::BlockWidth})
        ReadLengthField(work, panel, field);

    work.RemoveEvery(UpperAscii(kUnsupportedComment));
    work.TrimRest();

    memo.Lines.clear();
    WriteDeclarations(panel, memo);

    const std::string& rest = work.Original();
    if (!rest.empty()) {
        memo.Lines.emplace_back(kUnsupportedComment);
        for (auto& line : SplitUnsupported(rest))
            memo.Lines.push_back(std::move(line));
    }
}

} // namespace tesselo
