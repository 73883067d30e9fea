#include "app/ProgramStyle.h"
#include "support/Pictures.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QStyleOption>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

// The program's standard pictures, made when drawn, are those of the style beneath,
// drawn for the layout direction they were asked for.
TEST(ProgramStyle, StandardPicturesAreTheBaseStylesForTheirDirection) {
    ProgramStyle style;
    for (auto picture :
         {QStyle::SP_LineEditClearButton, QStyle::SP_ToolBarHorizontalExtensionButton,
          QStyle::SP_ArrowBack, QStyle::SP_MessageBoxWarning}) {
        for (auto direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            SCOPED_TRACE(::testing::Message() << picture << " " << direction);
            QStyleOption option;
            option.direction = direction;
            const QImage lazy = style.standardIcon(picture, &option).pixmap(24).toImage();
            const QImage base =
                style.baseStyle()->standardIcon(picture, &option).pixmap(24).toImage();
            ASSERT_FALSE(base.isNull());
            EXPECT_EQ(lazy, base);
        }
    }
}

// The window's icon, drawn ahead at its sizes (scripts/window-icons.sh), is the program's
// picture as the toolkit draws it: a changed picture needs them drawn again.
TEST(WindowIcon, EverySizeIsTheProgramsPictureDrawnAtIt) {
    const QIcon picture(QStringLiteral(":/icons/tesselo.svg"));
    for (int size : {16, 32, 48, 64, 128}) {
        SCOPED_TRACE(size);
        const QImage ahead = QImage(QStringLiteral(":/icons/tesselo-%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            picture.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(ahead.size(), QSize(size, size));
        ASSERT_EQ(drawn.size(), ahead.size());
        EXPECT_LE(testing::PixelsApart(ahead, drawn, 24), size * size / 100)
            << "pixels that differ";
    }
}

} // namespace
} // namespace tesselo
