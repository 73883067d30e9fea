#include "panel/WebNames.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

struct NameCase {
    const char* Typed;
    const char* Written;
};

class FamilyNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(FamilyNames, AreQuotedWhereCssNeedsIt) {
    EXPECT_EQ(CssFamilyName(GetParam().Typed), GetParam().Written);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FamilyNames,
    ::testing::Values(NameCase{"Inter", "Inter"}, NameCase{" Open Sans ", "Open Sans"},
                      NameCase{"Шрифт Один", "Шрифт Один"},
                      NameCase{"-apple-system", "-apple-system"},
                      NameCase{"Font Awesome 6", "\"Font Awesome 6\""},
                      NameCase{"Noto Sans, Bold", "\"Noto Sans, Bold\""},
                      NameCase{"Open  Sans", "\"Open  Sans\""},
                      NameCase{"system-ui", "\"system-ui\""}, NameCase{"Inherit", "\"Inherit\""},
                      NameCase{"Serif", "\"Serif\""}, NameCase{"'My Font'", "'My Font'"},
                      NameCase{"\"Roboto\"", "\"Roboto\""}, NameCase{"A\"B 1", "\"A\\\"B 1\""},
                      NameCase{"", ""}));

struct PathCase {
    const char* Picture;
    const char* Sheet;
    const char* Written;
};

class PicturePaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(PicturePaths, AreRelativeToTheSheetWhereTheyCanBe) {
    EXPECT_EQ(PicturePathForSheet(GetParam().Picture, GetParam().Sheet), GetParam().Written);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PicturePaths,
    ::testing::Values(PathCase{"/site/img/sky.jpg", "/site/site.css", "img/sky.jpg"},
                      PathCase{"/site/img/sky.jpg", "/site/css/site.css", "../img/sky.jpg"},
                      PathCase{"/site/sky.jpg", "/site/site.css", "sky.jpg"},
                      PathCase{"/site/./img/../img/Фон.png", "/site/a.css", "img/Фон.png"},
                      PathCase{"/other/sky.jpg", "/site/css/a.css", "../../other/sky.jpg"},
                      // an unsaved sheet has no folder to be relative to
                      PathCase{"/site/img/sky.jpg", "", "/site/img/sky.jpg"}));

} // namespace
} // namespace tesselo
