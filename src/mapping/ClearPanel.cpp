#include "mapping/ClearPanel.h"

namespace tesselo {
namespace {

using G = KeywordGroup;

void ClearChoice(TextChoiceField& field, const LineList& items) {
    field.ItemIndex = 0;
    field.Text = items[0];
    field.Set = false;
}

void ClearLength(PropertySet& panel, Length field) {
    panel[field].Text.clear();
    panel[field].Set = false;
}

} // namespace

void ClearPanel(PropertySet& panel) {
    panel.Origins = {};
    ClearChoice(panel.FontType, panel.Items.FontType);
    ClearChoice(panel.FontType2, panel.Items.FontType2);
    ClearChoice(panel.FontWeight, panel.Items.FontWeight);
    // The size box shows its first entry but keeps the entry last chosen.
    panel.FontSize.Text = panel.Items.FontSize[0];
    panel.FontSize.Set = false;

    for (Length field :
         {Length::TextIndent, Length::LineHeight, Length::WordSpacing, Length::LetterSpacing})
        ClearLength(panel, field);

    panel.FontBold = false;
    for (auto& text : panel.GroupText)
        text.clear();
    panel.FontColorText.clear();
    panel.BorderColorText.clear();
    panel.BackGroundColorText.clear();
    for (KeywordGroup group :
         {G::FontStyle, G::TextDecoration, G::FontVariant, G::TextAlign, G::VerticalAlign})
        panel.ReleaseGroup(group);

    panel.FontColorCheck = false;
    panel.FontColor = Color{0, 0, 0};
    panel.BorderColorCheck = false;
    panel.BorderColor = kButtonFaceColor;
    panel.ReleaseGroup(G::BorderStyle);
    ClearLength(panel, Length::BorderWidth);
    for (BorderValues& side : panel.BorderSides)
        side = {};

    panel.BackGroundColorCheck = false;
    panel.BackGroundColor = Color{0xFF, 0xFF, 0xFF};
    panel.BackGroundTransparent = false;

    for (KeywordGroup group : {G::PicturePosition, G::PictureAttachment, G::PictureRepeat})
        panel.ReleaseGroup(group);
    panel.BackGroundAttCheck = false;
    panel.BackGroundAttEnabled = false;
    panel.PicturePlacementAlone = false;
    panel.BackGroundAttCaption = captions::NoPicture(panel.Encoding);
    panel.BackGroundImageText.clear();

    for (KeywordGroup group : {G::Display, G::Visibility, G::Overflow})
        panel.ReleaseGroup(group);
    for (Length field : {Length::ClipTop, Length::ClipRight, Length::ClipBottom, Length::ClipLeft})
        ClearLength(panel, field);

    for (Length field :
         {Length::MarginTop, Length::MarginRight, Length::MarginBottom, Length::MarginLeft,
          Length::PaddingTop, Length::PaddingRight, Length::PaddingBottom, Length::PaddingLeft})
        ClearLength(panel, field);

    for (KeywordGroup group : {G::Position, G::Float})
        panel.ReleaseGroup(group);
    for (Length field : {Length::BlockTop, Length::BlockRight, Length::BlockBottom,
                         Length::BlockLeft, Length::BlockHeight, Length::BlockWidth})
        ClearLength(panel, field);
}

} // namespace tesselo
