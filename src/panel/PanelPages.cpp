#include "panel/PanelPages.h"

#include "panel/PanelControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

namespace tesselo {
namespace {

constexpr int kButtonsPerRow = 6;

struct PicturePlace {
    Keyword Button;
    int Left;
    int Top;
};
// Within the picture box, below the background colour's row.
constexpr std::array<PicturePlace, 15> kPicturePlaces = {{
    {Keyword::BGrPosLT, 6, 39},
    {Keyword::BGrPosCT, 27, 39},
    {Keyword::BGrPosRT, 48, 39},
    {Keyword::BGrPosLC, 6, 60},
    {Keyword::BGrPosCC, 27, 60},
    {Keyword::BGrPosRC, 48, 60},
    {Keyword::BGrPosLB, 6, 81},
    {Keyword::BGrPosCB, 27, 81},
    {Keyword::BGrPosRB, 48, 81},
    {Keyword::BGrAttFixed, 82, 39},
    {Keyword::BGrAttScroll, 82, 60},
    {Keyword::BGrRepXY, 114, 39},
    {Keyword::BGrRepNone, 136, 39},
    {Keyword::BGrRepY, 114, 60},
    {Keyword::BGrRepX, 136, 60},
}};

} // namespace

void RowsPage::FillBox(PanelPlace place, std::string_view box, PanelBuilder& builder,
                       QWidget* boxWidget, QGridLayout* grid) {
    int row = grid->rowCount();
    auto* buttons = new QGridLayout;
    buttons->setSpacing(1);
    int count = 0;
    std::optional<KeywordGroup> group;
    for (const auto& b : KeywordButtonRows()) {
        if (b.Place != place || b.Box != box)
            continue;
        // Each group starts a row of its own.
        if (group && Info(b.Button).Group != *group && count % kButtonsPerRow != 0)
            count += kButtonsPerRow - count % kButtonsPerRow;
        group = Info(b.Button).Group;
        buttons->addWidget(builder.KeywordButton(b.Button, boxWidget), count / kButtonsPerRow,
                           count % kButtonsPerRow);
        ++count;
    }
    if (count > 0) {
        buttons->setColumnStretch(kButtonsPerRow, 1);
        grid->addLayout(buttons, row++, 0, 1, 4);
    }
    // Under the buttons, the value of a group that none of them stands for.
    std::optional<KeywordGroup> labelled;
    for (const auto& b : KeywordButtonRows()) {
        if (b.Place != place || b.Box != box || Info(b.Button).Group == labelled)
            continue;
        labelled = Info(b.Button).Group;
        grid->addWidget(builder.GroupTextLabel(*labelled, boxWidget), row++, 0, 1, 4);
    }
    for (const auto& f : LengthFieldRows())
        if (f.Place == place && f.Box == box)
            builder.LengthRow(f.Field, grid, row++, boxWidget);
}

RowsPage::RowsPage(PanelPlace place, PanelBuilder& builder, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    if (place == PanelPlace::BBColor)
        return; // laid out by its own class
    for (const auto& box : GroupBoxRows()) {
        if (box.Place != place)
            continue;
        QGroupBox* group = builder.GroupBox(box.Caption, this);
        auto* grid = new QGridLayout(group);
        grid->setContentsMargins(4, 4, 4, 4);
        grid->setSpacing(2);
        FillBox(place, box.Caption, builder, group, grid);
        layout->addWidget(group);
    }
    layout->addStretch(1);
}

BBColorPage::BBColorPage(PanelBuilder& builder, QWidget* parent)
    : RowsPage(PanelPlace::BBColor, builder, parent) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());

    auto* textColor = new QHBoxLayout;
    textColor->addWidget(builder.ColorCheck(ColorSwatch::Font, this));
    textColor->addWidget(builder.Swatch(ColorSwatch::Font, this));
    textColor->addStretch(1);
    layout->addLayout(textColor);

    const auto& boxes = GroupBoxRows();
    QGroupBox* border = builder.GroupBox(boxes[0].Caption, this);
    auto* borderLayout = new QVBoxLayout(border);
    borderLayout->setContentsMargins(4, 4, 4, 4);
    borderLayout->setSpacing(2);
    auto* sides = new QHBoxLayout;
    sides->setSpacing(1);
    for (BorderSide side : {BorderSide::All, BorderSide::Top, BorderSide::Right, BorderSide::Bottom,
                            BorderSide::Left})
        sides->addWidget(builder.BorderSideButton(side, border));
    sides->addStretch(1);
    borderLayout->addLayout(sides);
    auto* borderGrid = new QGridLayout;
    borderGrid->setSpacing(2);
    borderLayout->addLayout(borderGrid);
    FillBox(PanelPlace::BBColor, boxes[0].Caption, builder, border, borderGrid);
    auto* borderColor = new QHBoxLayout;
    borderColor->addWidget(builder.ColorCheck(ColorSwatch::Border, border));
    borderColor->addWidget(builder.Swatch(ColorSwatch::Border, border));
    borderColor->addStretch(1);
    borderGrid->addLayout(borderColor, borderGrid->rowCount(), 0, 1, 4);
    layout->addWidget(border);

    // The picture box places its controls where the picture grid expects them.
    QGroupBox* picture = builder.GroupBox(boxes[1].Caption, this);
    auto* pictureLayout = new QVBoxLayout(picture);
    pictureLayout->setContentsMargins(2, 2, 2, 2);
    auto* area = new QWidget(picture);
    area->setFixedSize(200, 104);
    QCheckBox* colorCheck = builder.ColorCheck(ColorSwatch::BackGround, area);
    colorCheck->move(6, 4);
    ColorSwatchFrame* swatch = builder.Swatch(ColorSwatch::BackGround, area);
    swatch->move(56, 4);
    builder.TransparentCheck(area)->move(82, 6);
    for (const auto& place : kPicturePlaces) {
        QToolButton* button = builder.KeywordButton(place.Button, area);
        button->setFixedSize(21, 21);
        button->move(place.Left, place.Top);
    }
    QPushButton* open = builder.OpenPictureButton(area);
    open->setGeometry(82, 81, 75, 21);
    pictureLayout->addWidget(area);
    pictureLayout->addWidget(builder.PictureCheck(picture));
    for (KeywordGroup group : {KeywordGroup::PicturePosition, KeywordGroup::PictureAttachment,
                               KeywordGroup::PictureRepeat})
        pictureLayout->addWidget(builder.GroupTextLabel(group, picture));
    layout->addWidget(picture);
    layout->addStretch(1);
}

} // namespace tesselo
