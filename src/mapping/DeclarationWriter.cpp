#include "mapping/DeclarationWriter.h"

#include <array>

namespace tesselo {
namespace {

class LineBuilder {
public:
    explicit LineBuilder(LineList& out) : out_(out) {}

    void Add(std::string_view property, std::string_view value) {
        buffer_ += ' ';
        buffer_ += property;
        buffer_ += ": ";
        buffer_ += value;
        buffer_ += ';';
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

std::string LengthText(const PropertySet& panel, Length field) {
    return panel[field].Text + panel[field].Unit;
}

void AddLengths(LineBuilder& line, const PropertySet& panel, std::initializer_list<Length> fields) {
    for (Length field : fields)
        if (panel[field].Set)
            line.Add(Info(field).Property, LengthText(panel, field));
}

void AddKeywords(LineBuilder& line, const PropertySet& panel, WriterLine which) {
    for (const auto& info : KeywordTable())
        if (info.Line == which && panel.IsDown(info.Button))
            line.Add(info.Property, info.Value);
}

std::string ClipText(const PropertySet& panel) {
    std::string text = "rect(";
    const std::array<Length, 4> edges = {Length::ClipTop, Length::ClipRight, Length::ClipBottom,
                                         Length::ClipLeft};
    for (size_t i = 0; i < edges.size(); ++i) {
        text += panel[edges[i]].Set ? LengthText(panel, edges[i]) : "auto";
        text += i + 1 < edges.size() ? ", " : ")";
    }
    return text;
}

} // namespace

bool IsFontSizeKeyword(std::string_view upperText) {
    for (std::string_view keyword : {"XX-SMALL", "X-SMALL", "SMALL", "MEDIUM", "LARGE", "X-LARGE",
                                     "XX-LARGE", "LARGER", "SMALLER"})
        if (upperText == keyword)
            return true;
    return false;
}

void WriteDeclarations(PropertySet& panel, TextView& memo) {
    memo.Edited = false;

    LineList kept;
    for (auto& line : memo.Lines)
        if (!line.empty() && line[0] != ';')
            kept.push_back(std::move(line));

    LineList out;
    LineBuilder line(out);

    if (panel.FontType.Set) // line 1
        line.Add("Font-Family", panel.FontType2.Set
                                    ? panel.FontType.Text + ", " + panel.FontType2.Text
                                    : panel.FontType.Text);
    line.Finish();

    if (panel.FontWeight.Set) // line 2
        line.Add("Font-weight", panel.FontWeight.Text);
    if (panel.FontSize.Set) {
        if (IsFontSizeKeyword(UpperAscii(panel.FontSize.Text))) {
            panel.FontSizeUnit.clear();
            line.Add("Font-size", panel.FontSize.Text);
        } else {
            line.Add("Font-size", panel.FontSize.Text + panel.FontSizeUnit);
        }
    }
    line.Finish();

    AddKeywords(line, panel, WriterLine::FontStyleVariant);
    line.Finish();
    AddKeywords(line, panel, WriterLine::TextDecoration);
    line.Finish();
    AddLengths(line, panel, {Length::TextIndent, Length::LineHeight});
    line.Finish();
    AddLengths(line, panel, {Length::WordSpacing, Length::LetterSpacing});
    line.Finish();
    AddKeywords(line, panel, WriterLine::Alignment);
    line.Finish();
    AddLengths(line, panel, {Length::MarginTop, Length::MarginRight});
    line.Finish();
    AddLengths(line, panel, {Length::MarginBottom, Length::MarginLeft});
    line.Finish();
    AddLengths(line, panel, {Length::PaddingTop, Length::PaddingRight});
    line.Finish();
    AddLengths(line, panel, {Length::PaddingBottom, Length::PaddingLeft});
    line.Finish();

    if (panel.FontColorCheck) // line 12
        line.Add("color", ColorToText(panel.FontColor));
    if (panel.BorderColorCheck)
        line.Add("Border-color", ColorToText(panel.BorderColor));
    line.Finish();

    AddKeywords(line, panel, WriterLine::BorderStyle);
    line.Finish();
    AddLengths(line, panel, {Length::BorderWidth});
    line.Finish();

    if (panel.BackGroundTransparent) // line 15
        line.Add("BackGround-color", "transparent");
    else if (panel.BackGroundColorCheck)
        line.Add("BackGround-color", ColorToText(panel.BackGroundColor));
    line.Finish();

    if (panel.BackGroundAttCheck) { // lines 16 to 19
        line.Add("BackGround-Image", "url(" + panel.BackGroundAttPath + ")");
        line.Finish();
        for (WriterLine which : {WriterLine::PicturePosition, WriterLine::PictureAttachment,
                                 WriterLine::PictureRepeat}) {
            AddKeywords(line, panel, which);
            line.Finish();
        }
    }

    AddKeywords(line, panel, WriterLine::Display);
    line.Finish();
    AddKeywords(line, panel, WriterLine::VisibilityOverflow);
    line.Finish();

    if (panel[Length::ClipTop].Set || panel[Length::ClipRight].Set ||
        panel[Length::ClipBottom].Set || panel[Length::ClipLeft].Set) // line 22
        line.Add("clip", ClipText(panel));
    line.Finish();

    AddKeywords(line, panel, WriterLine::PositionFloat);
    line.Finish();
    AddLengths(line, panel, {Length::BlockTop, Length::BlockLeft});
    line.Finish();
    AddLengths(line, panel, {Length::BlockRight, Length::BlockBottom});
    line.Finish();
    AddLengths(line, panel, {Length::BlockHeight, Length::BlockWidth});
    line.Finish();

    for (auto& keptLine : kept)
        out.push_back(std::move(keptLine));
    memo.Lines = std::move(out);
}

} // namespace tesselo
