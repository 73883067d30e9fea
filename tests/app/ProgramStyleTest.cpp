#include "app/ProgramStyle.h"

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
            SCOPED_TRACE(testing::Message() << picture << " " << direction);
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

} // namespace
} // namespace tesselo
