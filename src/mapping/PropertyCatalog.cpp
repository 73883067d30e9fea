#include "mapping/PropertyCatalog.h"

#include "document/ByteText.h"
#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <array>

namespace tesselo {
namespace {

constexpr ValueKinds L = KindLength;
constexpr ValueKinds P = KindPercentage;
constexpr ValueKinds N = KindNumber;
constexpr ValueKinds I = KindInteger;
constexpr ValueKinds K = KindKeyword;
constexpr ValueKinds C = KindColor;
constexpr ValueKinds Img = KindImage;
constexpr ValueKinds T = KindText;
constexpr ValueKinds A = KindAngle;
constexpr ValueKinds Tm = KindTime;
constexpr ValueKinds R = KindRatio;
constexpr ValueKinds Pos = KindPosition;

using F = ShorthandForm;
using Ctl = ControlKind;
using Pg = CatalogPage;

constexpr std::string_view kFlexBox = "Гибкий контейнер";
constexpr std::string_view kFlexItemBox = "Гибкий элемент";
constexpr std::string_view kGridBox = "Сетка";
constexpr std::string_view kGridItemBox = "Ячейка сетки";
constexpr std::string_view kSizeBox = "Размеры";
constexpr std::string_view kCornersBox = "Углы";
constexpr std::string_view kShadowsBox = "Тени";
constexpr std::string_view kBlendBox = "Прозрачность и мышь";
constexpr std::string_view kTransitionsBox = "Переходы";
constexpr std::string_view kTransformsBox = "Преобразования";
constexpr std::string_view kFiltersBox = "Фильтры";
constexpr std::string_view kOutlineBox = "Контур";
constexpr std::string_view kBackgroundBox = "Фон слоями";
constexpr std::string_view kTextBox = "Текст и списки";

constexpr std::string_view kSizes = "auto | min-content max-content fit-content";
constexpr std::string_view kMaxSizes = "none | min-content max-content fit-content";
constexpr std::string_view kBorderStyles =
    "none hidden dotted dashed solid double groove ridge inset outset";
constexpr std::string_view kOverflows = "visible hidden clip scroll auto";
constexpr std::string_view kSelfAlign =
    "auto flex-start center flex-end baseline stretch | normal start end self-start self-end";
constexpr std::string_view kContentAlign =
    "flex-start center flex-end space-between space-around space-evenly stretch | normal start end "
    "baseline";
constexpr std::string_view kGridLine = "auto";
constexpr std::string_view kCursors =
    "auto default none context-menu help pointer progress wait cell crosshair text vertical-text "
    "alias copy move no-drop not-allowed grab grabbing all-scroll col-resize row-resize n-resize "
    "e-resize s-resize w-resize ne-resize nw-resize se-resize sw-resize ew-resize ns-resize "
    "nesw-resize nwse-resize zoom-in zoom-out";
constexpr std::string_view kListTypes =
    "disc circle square decimal decimal-leading-zero lower-roman upper-roman lower-greek "
    "lower-alpha upper-alpha lower-latin upper-latin none";
constexpr std::string_view kBlend =
    "normal multiply screen overlay darken lighten color-dodge color-burn hard-light soft-light "
    "difference exclusion hue saturation color luminosity";

// clang-format off
constexpr std::array kCatalog = {
    // The font and the text: the tool bars.
    PropertySpec{"font-family", T, "| serif sans-serif monospace cursive fantasy system-ui", "", "", true, "font", "", F::None, Ctl::Text, Pg::Panel, "", "Шрифт"},
    PropertySpec{"font-weight", N | K, "normal bold | bolder lighter", "", "normal", true, "font", "", F::None, Ctl::KeywordChoice, Pg::Panel, "", "Насыщенность шрифта"},
    PropertySpec{"font-size", L | P | K, "| xx-small x-small small medium large x-large xx-large smaller larger", "", "medium", true, "font", "", F::None, Ctl::Length, Pg::Panel, "", "Размер шрифта"},
    PropertySpec{"font-style", K, "normal italic | oblique", "", "normal", true, "font", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Начертание шрифта"},
    PropertySpec{"font-variant", K, "normal small-caps", "", "normal", true, "font", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Вариант шрифта"},
    PropertySpec{"font", T, "| caption icon menu message-box small-caption status-bar", "", "", true, "", "font-style font-variant font-weight font-size line-height font-family", F::Opaque, Ctl::Text, Pg::All, "", "Шрифт одной записью"},
    PropertySpec{"text-decoration", K | C | T, "none underline overline line-through", "", "none", false, "", "text-decoration-line text-decoration-style text-decoration-color text-decoration-thickness", F::Opaque, Ctl::KeywordButtons, Pg::Panel, "", "Декорация текста"},
    PropertySpec{"text-align", K, "left center right justify | start end", "", "start", true, "", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Выравнивание текста"},
    PropertySpec{"vertical-align", K | L | P, "baseline sub super text-top text-bottom middle top bottom", "", "baseline", false, "", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Вертикальное выравнивание"},
    PropertySpec{"text-indent", L | P, "", "", "0", true, "", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ первой строки"},
    PropertySpec{"line-height", N | L | P | K, "| normal", "", "normal", true, "font", "", F::None, Ctl::Length, Pg::Panel, "", "Высота строки"},
    PropertySpec{"word-spacing", L | K, "| normal", "", "normal", true, "", "", F::None, Ctl::Length, Pg::Panel, "", "Расстояние между словами"},
    PropertySpec{"letter-spacing", L | K, "| normal", "", "normal", true, "", "", F::None, Ctl::Length, Pg::Panel, "", "Расстояние между буквами"},
    PropertySpec{"text-transform", K, "none capitalize uppercase lowercase", "", "none", true, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Регистр букв"},
    PropertySpec{"white-space", K, "normal nowrap pre pre-wrap pre-line break-spaces", "", "normal", true, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Пробелы и переносы строк"},
    PropertySpec{"word-break", K, "normal break-all keep-all break-word", "", "normal", true, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Перенос внутри слов"},
    PropertySpec{"overflow-wrap", K, "normal break-word anywhere", "", "normal", true, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Перенос длинных слов"},
    PropertySpec{"word-wrap", K, "normal break-word anywhere", "", "normal", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Перенос длинных слов (старое имя)"},
    PropertySpec{"text-overflow", K | T, "clip ellipsis", "", "clip", false, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Текст, не вместившийся в блок"},
    PropertySpec{"text-decoration-line", K | T, "none underline overline line-through", "", "none", false, "text-decoration", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Линия декорации текста"},
    PropertySpec{"text-decoration-style", K, "solid double dotted dashed wavy", "", "solid", false, "text-decoration", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Вид линии декорации"},
    PropertySpec{"text-decoration-color", C, "", "", "currentcolor", false, "text-decoration", "", F::None, Ctl::Color, Pg::All, "", "Цвет линии декорации"},
    PropertySpec{"text-decoration-thickness", L | P | K, "| auto from-font", "", "auto", false, "text-decoration", "", F::None, Ctl::Length, Pg::All, "", "Толщина линии декорации"},
    PropertySpec{"text-underline-offset", L | P | K, "| auto", "", "auto", true, "", "", F::None, Ctl::Length, Pg::All, "", "Отступ подчеркивания"},
    PropertySpec{"text-shadow", T | K, "| none", "", "none", true, "", "", F::None, Ctl::Text, Pg::Effects, kShadowsBox, "Тень текста"},
    PropertySpec{"direction", K, "ltr rtl", "", "ltr", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Направление письма"},
    PropertySpec{"hyphens", K, "none manual auto", "", "manual", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Переносы слов"},
    PropertySpec{"quotes", K | T, "| none auto", "", "auto", true, "", "", F::None, Ctl::Text, Pg::All, "", "Кавычки"},

    // Colour, background and border.
    PropertySpec{"color", C, "", "", "canvastext", true, "", "", F::None, Ctl::Color, Pg::Panel, "", "Цвет текста"},
    PropertySpec{"background-color", C, "", "", "transparent", false, "background", "", F::None, Ctl::Color, Pg::Panel, "", "Цвет фона"},
    PropertySpec{"background-image", Img | K, "| none", "", "none", false, "background", "", F::None, Ctl::Picture, Pg::Panel, "", "Фоновый рисунок"},
    PropertySpec{"background-position", Pos | L | P | K, "| left center right top bottom", "", "0% 0%", false, "background", "", F::None, Ctl::Text, Pg::Panel, "", "Положение фонового рисунка"},
    PropertySpec{"background-attachment", K, "scroll fixed | local", "", "scroll", false, "background", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Прокрутка фонового рисунка"},
    PropertySpec{"background-repeat", K, "repeat repeat-x repeat-y no-repeat | space round", "", "repeat", false, "background", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Повтор фонового рисунка"},
    PropertySpec{"background-size", L | P | K | Pos, "| auto cover contain", "", "auto", false, "background", "", F::None, Ctl::Length, Pg::Effects, kBackgroundBox, "Размер фонового рисунка"},
    PropertySpec{"background-clip", K, "border-box padding-box content-box", "", "border-box", false, "background", "", F::None, Ctl::KeywordChoice, Pg::Effects, kBackgroundBox, "Докуда рисуется фон"},
    PropertySpec{"background-origin", K, "padding-box border-box content-box", "", "padding-box", false, "background", "", F::None, Ctl::KeywordChoice, Pg::Effects, kBackgroundBox, "От чего отсчитывается фоновый рисунок"},
    PropertySpec{"background", T, "| none", "", "", false, "", "background-color background-image background-repeat background-attachment background-position background-size background-clip background-origin", F::AnyOrder, Ctl::Text, Pg::All, "", "Фон одной записью"},
    PropertySpec{"border-style", K, kBorderStyles, "", "none", false, "border", "border-top-style border-right-style border-bottom-style border-left-style", F::Sides4, Ctl::KeywordButtons, Pg::Panel, "", "Вид границы"},
    PropertySpec{"border-width", L | K, "| thin medium thick", "", "medium", false, "border", "border-top-width border-right-width border-bottom-width border-left-width", F::Sides4, Ctl::Length, Pg::Panel, "", "Толщина границ"},
    PropertySpec{"border-color", C, "", "", "currentcolor", false, "border", "border-top-color border-right-color border-bottom-color border-left-color", F::Sides4, Ctl::Color, Pg::Panel, "", "Цвет границы"},
    PropertySpec{"border", T, "| none", "", "", false, "", "border-width border-style border-color", F::AnyOrder, Ctl::Text, Pg::All, "", "Граница одной записью"},
    PropertySpec{"border-top", T, "| none", "", "", false, "", "border-top-width border-top-style border-top-color", F::AnyOrder, Ctl::Text, Pg::All, "", "Верхняя граница"},
    PropertySpec{"border-right", T, "| none", "", "", false, "", "border-right-width border-right-style border-right-color", F::AnyOrder, Ctl::Text, Pg::All, "", "Правая граница"},
    PropertySpec{"border-bottom", T, "| none", "", "", false, "", "border-bottom-width border-bottom-style border-bottom-color", F::AnyOrder, Ctl::Text, Pg::All, "", "Нижняя граница"},
    PropertySpec{"border-left", T, "| none", "", "", false, "", "border-left-width border-left-style border-left-color", F::AnyOrder, Ctl::Text, Pg::All, "", "Левая граница"},
    PropertySpec{"border-top-width", L | K, "| thin medium thick", "", "medium", false, "border-top border-width border", "", F::None, Ctl::Length, Pg::All, "", "Толщина верхней границы"},
    PropertySpec{"border-right-width", L | K, "| thin medium thick", "", "medium", false, "border-right border-width border", "", F::None, Ctl::Length, Pg::All, "", "Толщина правой границы"},
    PropertySpec{"border-bottom-width", L | K, "| thin medium thick", "", "medium", false, "border-bottom border-width border", "", F::None, Ctl::Length, Pg::All, "", "Толщина нижней границы"},
    PropertySpec{"border-left-width", L | K, "| thin medium thick", "", "medium", false, "border-left border-width border", "", F::None, Ctl::Length, Pg::All, "", "Толщина левой границы"},
    PropertySpec{"border-top-style", K, kBorderStyles, "", "none", false, "border-top border-style border", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Вид верхней границы"},
    PropertySpec{"border-right-style", K, kBorderStyles, "", "none", false, "border-right border-style border", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Вид правой границы"},
    PropertySpec{"border-bottom-style", K, kBorderStyles, "", "none", false, "border-bottom border-style border", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Вид нижней границы"},
    PropertySpec{"border-left-style", K, kBorderStyles, "", "none", false, "border-left border-style border", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Вид левой границы"},
    PropertySpec{"border-top-color", C, "", "", "currentcolor", false, "border-top border-color border", "", F::None, Ctl::Color, Pg::All, "", "Цвет верхней границы"},
    PropertySpec{"border-right-color", C, "", "", "currentcolor", false, "border-right border-color border", "", F::None, Ctl::Color, Pg::All, "", "Цвет правой границы"},
    PropertySpec{"border-bottom-color", C, "", "", "currentcolor", false, "border-bottom border-color border", "", F::None, Ctl::Color, Pg::All, "", "Цвет нижней границы"},
    PropertySpec{"border-left-color", C, "", "", "currentcolor", false, "border-left border-color border", "", F::None, Ctl::Color, Pg::All, "", "Цвет левой границы"},
    PropertySpec{"border-radius", L | P, "", "", "0", false, "", "border-top-left-radius border-top-right-radius border-bottom-right-radius border-bottom-left-radius", F::Corners4, Ctl::Length, Pg::Effects, kCornersBox, "Скругление углов"},
    PropertySpec{"border-top-left-radius", L | P, "", "", "0", false, "border-radius", "", F::None, Ctl::Length, Pg::Effects, kCornersBox, "Скругление верхнего левого угла"},
    PropertySpec{"border-top-right-radius", L | P, "", "", "0", false, "border-radius", "", F::None, Ctl::Length, Pg::Effects, kCornersBox, "Скругление верхнего правого угла"},
    PropertySpec{"border-bottom-right-radius", L | P, "", "", "0", false, "border-radius", "", F::None, Ctl::Length, Pg::Effects, kCornersBox, "Скругление нижнего правого угла"},
    PropertySpec{"border-bottom-left-radius", L | P, "", "", "0", false, "border-radius", "", F::None, Ctl::Length, Pg::Effects, kCornersBox, "Скругление нижнего левого угла"},
    PropertySpec{"border-collapse", K, "separate collapse", "", "separate", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Общие границы ячеек таблицы"},
    PropertySpec{"border-spacing", L, "", "", "0", true, "", "", F::None, Ctl::Length, Pg::All, "", "Расстояние между ячейками таблицы"},
    PropertySpec{"outline", T, "| none", "", "", false, "", "outline-width outline-style outline-color", F::AnyOrder, Ctl::Text, Pg::Effects, kOutlineBox, "Контур одной записью"},
    PropertySpec{"outline-width", L | K, "| thin medium thick", "", "medium", false, "outline", "", F::None, Ctl::Length, Pg::Effects, kOutlineBox, "Толщина контура"},
    PropertySpec{"outline-style", K, "none auto dotted dashed solid double groove ridge inset outset", "", "none", false, "outline", "", F::None, Ctl::KeywordChoice, Pg::Effects, kOutlineBox, "Вид контура"},
    PropertySpec{"outline-color", C, "", "", "currentcolor", false, "outline", "", F::None, Ctl::Color, Pg::Effects, kOutlineBox, "Цвет контура"},
    PropertySpec{"outline-offset", L, "", "", "0", false, "", "", F::None, Ctl::Length, Pg::Effects, kOutlineBox, "Отступ контура"},
    PropertySpec{"box-shadow", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kShadowsBox, "Тень блока"},
    PropertySpec{"opacity", N | P, "", "", "1", false, "", "", F::None, Ctl::Number, Pg::Effects, kBlendBox, "Непрозрачность"},

    // Margins and paddings.
    PropertySpec{"margin", L | P | K, "| auto", "", "0", false, "", "margin-top margin-right margin-bottom margin-left", F::Sides4, Ctl::Length, Pg::All, "", "Отступы границ от края блока"},
    PropertySpec{"margin-top", L | P | K, "| auto", "", "0", false, "margin", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ сверху"},
    PropertySpec{"margin-right", L | P | K, "| auto", "", "0", false, "margin", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ справа"},
    PropertySpec{"margin-bottom", L | P | K, "| auto", "", "0", false, "margin", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ снизу"},
    PropertySpec{"margin-left", L | P | K, "| auto", "", "0", false, "margin", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ слева"},
    PropertySpec{"padding", L | P, "", "", "0", false, "", "padding-top padding-right padding-bottom padding-left", F::Sides4, Ctl::Length, Pg::All, "", "Отступы контента от границ"},
    PropertySpec{"padding-top", L | P, "", "", "0", false, "padding", "", F::None, Ctl::Length, Pg::Panel, "", "Поле сверху"},
    PropertySpec{"padding-right", L | P, "", "", "0", false, "padding", "", F::None, Ctl::Length, Pg::Panel, "", "Поле справа"},
    PropertySpec{"padding-bottom", L | P, "", "", "0", false, "padding", "", F::None, Ctl::Length, Pg::Panel, "", "Поле снизу"},
    PropertySpec{"padding-left", L | P, "", "", "0", false, "padding", "", F::None, Ctl::Length, Pg::Panel, "", "Поле слева"},

    // The block, its place and its size.
    PropertySpec{"display", K, "block inline inline-block flex inline-flex grid inline-grid flow-root contents list-item table inline-table table-caption table-header-group table-footer-group table-row-group table-row table-cell table-column table-column-group none", "", "inline", false, "", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Тип блока"},
    PropertySpec{"visibility", K, "visible hidden collapse", "", "visible", true, "", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Видимость"},
    PropertySpec{"overflow", K, kOverflows, "", "visible", false, "", "overflow-x overflow-y", F::Pair, Ctl::KeywordButtons, Pg::Panel, "", "Переполнение"},
    PropertySpec{"clip", T | K, "| auto", "", "auto", false, "", "", F::None, Ctl::Text, Pg::Panel, "", "Обрезка"},
    PropertySpec{"position", K, "static relative absolute fixed sticky", "", "static", false, "", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Позиционирование"},
    PropertySpec{"float", K, "left right none", "", "none", false, "", "", F::None, Ctl::KeywordButtons, Pg::Panel, "", "Обтекание"},
    PropertySpec{"clear", K, "none left right both", "", "none", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Запрет обтекания"},
    PropertySpec{"inset", L | P | K, "| auto", "", "auto", false, "", "top right bottom left", F::Sides4, Ctl::Length, Pg::All, "", "Отступы от краев контейнера"},
    PropertySpec{"top", L | P | K, "| auto", "", "auto", false, "inset", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ от верха контейнера"},
    PropertySpec{"right", L | P | K, "| auto", "", "auto", false, "inset", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ от правого края контейнера"},
    PropertySpec{"bottom", L | P | K, "| auto", "", "auto", false, "inset", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ от низа контейнера"},
    PropertySpec{"left", L | P | K, "| auto", "", "auto", false, "inset", "", F::None, Ctl::Length, Pg::Panel, "", "Отступ от левого края контейнера"},
    PropertySpec{"height", L | P | K, kSizes, "", "auto", false, "", "", F::None, Ctl::Length, Pg::Panel, "", "Высота блока"},
    PropertySpec{"width", L | P | K, kSizes, "", "auto", false, "", "", F::None, Ctl::Length, Pg::Panel, "", "Ширина блока"},

    PropertySpec{"margin-inline-start", L | P | K, "| auto", "", "0", false, "margin-inline", "", F::None, Ctl::Length, Pg::All, "", "Отступ в начале строки"},
    PropertySpec{"margin-inline-end", L | P | K, "| auto", "", "0", false, "margin-inline", "", F::None, Ctl::Length, Pg::All, "", "Отступ в конце строки"},
    PropertySpec{"margin-inline", L | P | K, "| auto", "", "0", false, "", "margin-inline-start margin-inline-end", F::Pair, Ctl::Length, Pg::All, "", "Отступы в начале и в конце строки"},
    PropertySpec{"margin-block-start", L | P | K, "| auto", "", "0", false, "margin-block", "", F::None, Ctl::Length, Pg::All, "", "Отступ перед блоком"},
    PropertySpec{"margin-block-end", L | P | K, "| auto", "", "0", false, "margin-block", "", F::None, Ctl::Length, Pg::All, "", "Отступ после блока"},
    PropertySpec{"margin-block", L | P | K, "| auto", "", "0", false, "", "margin-block-start margin-block-end", F::Pair, Ctl::Length, Pg::All, "", "Отступы перед блоком и после него"},
    PropertySpec{"padding-inline-start", L | P, "", "", "0", false, "padding-inline", "", F::None, Ctl::Length, Pg::All, "", "Поле в начале строки"},
    PropertySpec{"padding-inline-end", L | P, "", "", "0", false, "padding-inline", "", F::None, Ctl::Length, Pg::All, "", "Поле в конце строки"},
    PropertySpec{"padding-inline", L | P, "", "", "0", false, "", "padding-inline-start padding-inline-end", F::Pair, Ctl::Length, Pg::All, "", "Поля в начале и в конце строки"},
    PropertySpec{"padding-block-start", L | P, "", "", "0", false, "padding-block", "", F::None, Ctl::Length, Pg::All, "", "Поле перед содержимым"},
    PropertySpec{"padding-block-end", L | P, "", "", "0", false, "padding-block", "", F::None, Ctl::Length, Pg::All, "", "Поле после содержимого"},
    PropertySpec{"padding-block", L | P, "", "", "0", false, "", "padding-block-start padding-block-end", F::Pair, Ctl::Length, Pg::All, "", "Поля перед содержимым и после него"},
    PropertySpec{"border-inline-start-width", L | K, "| thin medium thick", "", "medium", false, "", "", F::None, Ctl::Length, Pg::All, "", "Толщина границы в начале строки"},
    PropertySpec{"border-inline-end-width", L | K, "| thin medium thick", "", "medium", false, "", "", F::None, Ctl::Length, Pg::All, "", "Толщина границы в конце строки"},
    PropertySpec{"line-break", K, "auto loose normal strict anywhere", "", "auto", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Правила переноса строк"},

    // Layout: flex.
    PropertySpec{"flex-direction", K, "row row-reverse column column-reverse", "", "row", false, "flex-flow", "", F::None, Ctl::KeywordButtons, Pg::Layout, kFlexBox, "Направление главной оси: элементы идут в строку или в столбец"},
    PropertySpec{"flex-wrap", K, "nowrap wrap wrap-reverse", "", "nowrap", false, "flex-flow", "", F::None, Ctl::KeywordButtons, Pg::Layout, kFlexBox, "Перенос элементов, не вместившихся в одну линию"},
    PropertySpec{"flex-flow", K, "row row-reverse column column-reverse nowrap wrap wrap-reverse", "", "row nowrap", false, "", "flex-direction flex-wrap", F::AnyOrder, Ctl::Text, Pg::All, "", "Направление и перенос одной записью"},
    PropertySpec{"justify-content", K, "flex-start center flex-end space-between space-around space-evenly | normal start end stretch left right", "", "normal", false, "place-content", "", F::None, Ctl::KeywordButtons, Pg::Layout, kFlexBox, "Расстановка элементов вдоль главной оси"},
    PropertySpec{"align-items", K, "stretch flex-start center flex-end baseline | normal start end self-start self-end", "", "normal", false, "place-items", "", F::None, Ctl::KeywordButtons, Pg::Layout, kFlexBox, "Выравнивание элементов поперек главной оси"},
    PropertySpec{"align-content", K, kContentAlign, "", "normal", false, "place-content", "", F::None, Ctl::KeywordButtons, Pg::Layout, kFlexBox, "Расстановка линий элементов, когда их несколько"},
    PropertySpec{"row-gap", L | P | K, "| normal", "", "normal", false, "gap", "", F::None, Ctl::Length, Pg::Layout, kFlexBox, "Промежуток между строками"},
    PropertySpec{"column-gap", L | P | K, "| normal", "", "normal", false, "gap", "", F::None, Ctl::Length, Pg::Layout, kFlexBox, "Промежуток между столбцами"},
    PropertySpec{"gap", L | P | K, "| normal", "", "normal", false, "", "row-gap column-gap", F::Pair, Ctl::Length, Pg::Layout, kFlexBox, "Промежуток между элементами: строки и столбцы"},
    PropertySpec{"flex-grow", N, "", "", "0", false, "flex", "", F::None, Ctl::Number, Pg::Layout, kFlexItemBox, "Доля свободного места, которую забирает элемент"},
    PropertySpec{"flex-shrink", N, "", "", "1", false, "flex", "", F::None, Ctl::Number, Pg::Layout, kFlexItemBox, "Насколько элемент сжимается, когда места не хватает"},
    PropertySpec{"flex-basis", L | P | K, "| auto content min-content max-content fit-content", "", "auto", false, "flex", "", F::None, Ctl::Length, Pg::Layout, kFlexItemBox, "Размер элемента до раздачи свободного места"},
    PropertySpec{"flex", N | L | P | K, "| none auto", "", "0 1 auto", false, "", "flex-grow flex-shrink flex-basis", F::Flex, Ctl::Text, Pg::Layout, kFlexItemBox, "Рост, сжатие и исходный размер одной записью"},
    PropertySpec{"order", I, "", "", "0", false, "", "", F::None, Ctl::Integer, Pg::Layout, kFlexItemBox, "Порядок элемента среди соседей"},
    PropertySpec{"align-self", K, kSelfAlign, "", "auto", false, "place-self", "", F::None, Ctl::KeywordButtons, Pg::Layout, kFlexItemBox, "Выравнивание самого элемента поперек главной оси"},

    // Layout: grid.
    PropertySpec{"grid-template-columns", T | K | L | P, "| none", "", "none", false, "grid-template grid", "", F::None, Ctl::Text, Pg::Layout, kGridBox, "Столбцы сетки: repeat(3, 1fr), 200px 1fr"},
    PropertySpec{"grid-template-rows", T | K | L | P, "| none", "", "none", false, "grid-template grid", "", F::None, Ctl::Text, Pg::Layout, kGridBox, "Строки сетки: auto 1fr auto"},
    PropertySpec{"grid-template-areas", T | K, "| none", "", "none", false, "grid-template grid", "", F::None, Ctl::Text, Pg::Layout, kGridBox, "Области сетки: \"head head\" \"side main\""},
    PropertySpec{"grid-auto-flow", K | T, "row column | dense", "", "row", false, "grid", "", F::None, Ctl::KeywordChoice, Pg::Layout, kGridBox, "Куда идут элементы без места в сетке"},
    PropertySpec{"grid-auto-columns", T | L | P | K, "| auto min-content max-content", "", "auto", false, "grid", "", F::None, Ctl::Text, Pg::Layout, kGridBox, "Размер столбцов, добавленных сеткой"},
    PropertySpec{"grid-auto-rows", T | L | P | K, "| auto min-content max-content", "", "auto", false, "grid", "", F::None, Ctl::Text, Pg::Layout, kGridBox, "Размер строк, добавленных сеткой"},
    PropertySpec{"justify-items", K, "stretch start center end | normal legacy baseline left right self-start self-end flex-start flex-end", "", "legacy", false, "place-items", "", F::None, Ctl::KeywordButtons, Pg::Layout, kGridBox, "Выравнивание элементов в ячейках по горизонтали"},
    PropertySpec{"grid-template", T | K, "| none", "", "none", false, "grid", "grid-template-rows grid-template-columns grid-template-areas", F::Opaque, Ctl::Text, Pg::All, "", "Строки, столбцы и области сетки одной записью"},
    PropertySpec{"grid", T | K, "| none", "", "none", false, "", "grid-template-rows grid-template-columns grid-template-areas grid-auto-rows grid-auto-columns grid-auto-flow", F::Opaque, Ctl::Text, Pg::All, "", "Сетка одной записью"},
    PropertySpec{"place-items", K, "normal stretch start center end baseline", "", "normal", false, "", "align-items justify-items", F::Pair, Ctl::Text, Pg::All, "", "Выравнивание элементов одной записью"},
    PropertySpec{"place-content", K, "normal start center end stretch space-between space-around space-evenly", "", "normal", false, "", "align-content justify-content", F::Pair, Ctl::Text, Pg::All, "", "Расстановка содержимого одной записью"},
    PropertySpec{"place-self", K, "auto normal stretch start center end baseline", "", "auto", false, "", "align-self justify-self", F::Pair, Ctl::Text, Pg::All, "", "Выравнивание элемента одной записью"},
    PropertySpec{"grid-column-start", I | K | T, "| auto", "", "auto", false, "grid-column grid-area", "", F::None, Ctl::Text, Pg::All, "", "Линия начала по столбцам"},
    PropertySpec{"grid-column-end", I | K | T, "| auto", "", "auto", false, "grid-column grid-area", "", F::None, Ctl::Text, Pg::All, "", "Линия конца по столбцам"},
    PropertySpec{"grid-row-start", I | K | T, "| auto", "", "auto", false, "grid-row grid-area", "", F::None, Ctl::Text, Pg::All, "", "Линия начала по строкам"},
    PropertySpec{"grid-row-end", I | K | T, "| auto", "", "auto", false, "grid-row grid-area", "", F::None, Ctl::Text, Pg::All, "", "Линия конца по строкам"},
    PropertySpec{"grid-column", I | K | T, "| auto", "", "auto", false, "", "grid-column-start grid-column-end", F::Lines, Ctl::Text, Pg::Layout, kGridItemBox, "Столбцы, которые занимает элемент: 1 / 3, span 2"},
    PropertySpec{"grid-row", I | K | T, "| auto", "", "auto", false, "", "grid-row-start grid-row-end", F::Lines, Ctl::Text, Pg::Layout, kGridItemBox, "Строки, которые занимает элемент: 1 / 3, span 2"},
    PropertySpec{"grid-area", I | K | T, "| auto", "", "auto", false, "", "grid-row-start grid-column-start grid-row-end grid-column-end", F::Area, Ctl::Text, Pg::Layout, kGridItemBox, "Область сетки элемента: ее имя или линии"},
    PropertySpec{"justify-self", K, "auto stretch start center end | normal baseline left right self-start self-end flex-start flex-end", "", "auto", false, "place-self", "", F::None, Ctl::KeywordButtons, Pg::Layout, kGridItemBox, "Выравнивание элемента в ячейке по горизонтали"},

    // Layout: sizes.
    PropertySpec{"box-sizing", K, "content-box border-box", "", "content-box", false, "", "", F::None, Ctl::KeywordButtons, Pg::Layout, kSizeBox, "Что входит в ширину и высоту: только содержимое или и поля с границей"},
    PropertySpec{"min-width", L | P | K, kSizes, "", "auto", false, "", "", F::None, Ctl::Length, Pg::Layout, kSizeBox, "Наименьшая ширина"},
    PropertySpec{"max-width", L | P | K, kMaxSizes, "", "none", false, "", "", F::None, Ctl::Length, Pg::Layout, kSizeBox, "Наибольшая ширина"},
    PropertySpec{"min-height", L | P | K, kSizes, "", "auto", false, "", "", F::None, Ctl::Length, Pg::Layout, kSizeBox, "Наименьшая высота"},
    PropertySpec{"max-height", L | P | K, kMaxSizes, "", "none", false, "", "", F::None, Ctl::Length, Pg::Layout, kSizeBox, "Наибольшая высота"},
    PropertySpec{"aspect-ratio", R | N | K, "| auto", "", "auto", false, "", "", F::None, Ctl::Text, Pg::Layout, kSizeBox, "Соотношение сторон: 16 / 9"},
    PropertySpec{"object-fit", K, "fill contain cover none scale-down", "", "fill", false, "", "", F::None, Ctl::KeywordButtons, Pg::Layout, kSizeBox, "Как картинка или видео заполняет свой блок"},
    PropertySpec{"object-position", Pos | L | P | K, "| left center right top bottom", "", "50% 50%", false, "", "", F::None, Ctl::Text, Pg::Layout, kSizeBox, "Положение картинки в ее блоке"},
    PropertySpec{"z-index", I | K, "| auto", "", "auto", false, "", "", F::None, Ctl::Integer, Pg::Layout, kSizeBox, "Порядок наложения: больший ближе к зрителю"},
    PropertySpec{"overflow-x", K, kOverflows, "", "visible", false, "overflow", "", F::None, Ctl::KeywordButtons, Pg::Layout, kSizeBox, "Переполнение по горизонтали"},
    PropertySpec{"overflow-y", K, kOverflows, "", "visible", false, "overflow", "", F::None, Ctl::KeywordButtons, Pg::Layout, kSizeBox, "Переполнение по вертикали"},

    // The rest of today's sheets.
    PropertySpec{"list-style", T | K, "| none", "", "", true, "", "list-style-type list-style-position list-style-image", F::AnyOrder, Ctl::Text, Pg::Effects, kTextBox, "Маркер списка одной записью"},
    PropertySpec{"list-style-type", K | T, kListTypes, "", "disc", true, "list-style", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Вид маркера списка"},
    PropertySpec{"list-style-position", K, "outside inside", "", "outside", true, "list-style", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTextBox, "Место маркера списка"},
    PropertySpec{"list-style-image", Img | K, "| none", "", "none", true, "list-style", "", F::None, Ctl::Picture, Pg::Effects, kTextBox, "Картинка маркера списка"},
    PropertySpec{"cursor", K | T, kCursors, "", "auto", true, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kBlendBox, "Курсор мыши"},
    PropertySpec{"pointer-events", K, "auto none | visiblepainted visiblefill visiblestroke visible painted fill stroke all", "", "auto", true, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kBlendBox, "Отвечает ли элемент на мышь"},
    PropertySpec{"user-select", K, "auto text none all", "", "auto", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Можно ли выделить текст"},
    PropertySpec{"content", T | K, "| normal none open-quote close-quote no-open-quote no-close-quote", "", "normal", false, "", "", F::None, Ctl::Text, Pg::All, "", "Содержимое ::before и ::after"},
    PropertySpec{"counter-reset", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::All, "", "Сброс счетчика"},
    PropertySpec{"counter-increment", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::All, "", "Приращение счетчика"},
    PropertySpec{"table-layout", K, "auto fixed", "", "auto", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Расчет ширины столбцов таблицы"},
    PropertySpec{"caption-side", K, "top bottom", "", "top", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Место подписи таблицы"},
    PropertySpec{"empty-cells", K, "show hide", "", "show", true, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Пустые ячейки таблицы"},
    PropertySpec{"resize", K, "none both horizontal vertical | block inline", "", "none", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Может ли пользователь менять размер"},
    PropertySpec{"appearance", K, "none auto | menulist-button textfield", "", "none", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Вид элемента формы"},
    PropertySpec{"transform", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kTransformsBox, "Преобразования"},
    PropertySpec{"translate", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kTransformsBox, "Сдвиг отдельным свойством: 10px 20px"},
    PropertySpec{"rotate", A | T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kTransformsBox, "Поворот отдельным свойством: 45deg"},
    PropertySpec{"scale", N | P | T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kTransformsBox, "Масштаб отдельным свойством: 1.5 или 2 1"},
    PropertySpec{"transform-origin", Pos | L | P | K, "| left center right top bottom", "", "50% 50%", false, "", "", F::None, Ctl::Text, Pg::Effects, kTransformsBox, "Точка, вокруг которой идут преобразования"},
    PropertySpec{"transition", T | K, "| none all", "", "all", false, "", "transition-property transition-duration transition-timing-function transition-delay", F::Opaque, Ctl::Text, Pg::Effects, kTransitionsBox, "Плавные переходы"},
    PropertySpec{"transition-property", T | K, "| all none", "", "all", false, "transition", "", F::None, Ctl::Text, Pg::Effects, kTransitionsBox, "Что меняется плавно"},
    PropertySpec{"transition-duration", Tm | T, "", "", "0s", false, "transition", "", F::None, Ctl::Text, Pg::Effects, kTransitionsBox, "Длительность перехода"},
    PropertySpec{"transition-timing-function", T | K, "| ease linear ease-in ease-out ease-in-out step-start step-end", "", "ease", false, "transition", "", F::None, Ctl::KeywordChoice, Pg::Effects, kTransitionsBox, "Ход перехода во времени"},
    PropertySpec{"transition-delay", Tm | T, "", "", "0s", false, "transition", "", F::None, Ctl::Text, Pg::Effects, kTransitionsBox, "Задержка перехода"},
    PropertySpec{"animation", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::All, "", "Анимация"},
    PropertySpec{"filter", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kFiltersBox, "Фильтры"},
    PropertySpec{"backdrop-filter", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::Effects, kFiltersBox, "Фильтры того, что под блоком"},
    PropertySpec{"mix-blend-mode", K, kBlend, "", "normal", false, "", "", F::None, Ctl::KeywordChoice, Pg::Effects, kBlendBox, "Смешение с тем, что под блоком"},
    PropertySpec{"isolation", K, "auto isolate", "", "auto", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Отдельный слой наложения"},
    PropertySpec{"will-change", T | K, "| auto", "", "auto", false, "", "", F::None, Ctl::Text, Pg::All, "", "Что скоро изменится"},
    PropertySpec{"clip-path", T | K, "| none", "", "none", false, "", "", F::None, Ctl::Text, Pg::All, "", "Форма обрезки"},
    PropertySpec{"scroll-behavior", K, "auto smooth", "", "auto", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Плавная прокрутка"},
    PropertySpec{"touch-action", K | T, "auto none manipulation pan-x pan-y | pan-left pan-right pan-up pan-down pinch-zoom", "", "auto", false, "", "", F::None, Ctl::KeywordChoice, Pg::All, "", "Жесты касания"},
    PropertySpec{"fill", C | K | T, "| none", "", "black", true, "", "", F::None, Ctl::Color, Pg::All, "", "Заливка рисунка SVG"},
    PropertySpec{"stroke", C | K | T, "| none", "", "none", true, "", "", F::None, Ctl::Color, Pg::All, "", "Обводка рисунка SVG"},
    PropertySpec{"accent-color", C | K, "| auto", "", "auto", true, "", "", F::None, Ctl::Color, Pg::All, "", "Цвет флажков и переключателей"},
    PropertySpec{"caret-color", C | K, "| auto", "", "auto", true, "", "", F::None, Ctl::Color, Pg::All, "", "Цвет текстового курсора"},
    PropertySpec{"columns", T | K, "| auto", "", "auto", false, "", "column-width column-count", F::Opaque, Ctl::Text, Pg::All, "", "Колонки текста"},
    PropertySpec{"column-count", I | K, "| auto", "", "auto", false, "columns", "", F::None, Ctl::Integer, Pg::All, "", "Число колонок текста"},
    PropertySpec{"column-width", L | K, "| auto", "", "auto", false, "columns", "", F::None, Ctl::Length, Pg::All, "", "Ширина колонки текста"},
    PropertySpec{"tab-size", I | L, "", "", "8", true, "", "", F::None, Ctl::Length, Pg::All, "", "Ширина табуляции"},
};
// clang-format on

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number: an optional sign, digits with at most one point, an exponent.
bool IsNumberText(std::string_view text, bool integer = false) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point && !integer)
            point = true;
        else if ((text[i] == 'e' || text[i] == 'E') && digits && !integer && i + 1 < text.size())
            return IsNumberText(text.substr(i + 1), true);
        else
            return false;
    }
    return digits;
}

// A number followed by one of `units`, compared without regard to case.
bool IsNumberWithUnit(std::string_view text, std::initializer_list<std::string_view> units) {
    for (std::string_view unit : units)
        if (text.size() > unit.size() &&
            EqualsIgnoringAsciiCase(text.substr(text.size() - unit.size()), unit) &&
            IsNumberText(text.substr(0, text.size() - unit.size())))
            return true;
    return false;
}

bool HasKeyword(const PropertySpec& spec, std::string_view text) {
    for (std::string_view word : AllKeywords(spec))
        if (EqualsIgnoringAsciiCase(word, text))
            return true;
    return false;
}

bool IsLengthOf(const PropertySpec& spec, std::string_view text) {
    if (text == "0" || text == "+0" || text == "-0")
        return true;
    auto split = SplitNumberAndUnit(text);
    if (!split || split->Unit.empty() || split->Unit == "%")
        return false;
    if (spec.Units.empty())
        return true;
    for (std::string_view unit : Words(spec.Units))
        if (EqualsIgnoringAsciiCase(unit, split->Unit))
            return true;
    return false;
}

bool StartsWithCall(std::string_view text, std::initializer_list<std::string_view> names) {
    const std::string lower = LowerAscii(text.substr(0, std::min<size_t>(text.size(), 32)));
    for (std::string_view name : names)
        if (lower.size() > name.size() && lower.compare(0, name.size(), name) == 0 &&
            lower[name.size()] == '(')
            return true;
    return false;
}

// One part of a value (no blank outside brackets) of one of the kinds.
bool PartFits(const PropertySpec& spec, std::string_view part) {
    const ValueKinds kinds = spec.Kinds;
    if ((kinds & KindKeyword) && HasKeyword(spec, part))
        return true;
    // A vendor's keyword (position: -webkit-sticky) shows and stays as written.
    if ((kinds & KindKeyword) && IsVendorKeyword(part))
        return true;
    if (IsMathOrVarFunction(part))
        return (kinds & (KindLength | KindPercentage | KindNumber | KindInteger | KindAngle |
                         KindTime | KindColor)) != 0 ||
               HoldsVariable(part);
    if ((kinds & KindLength) && IsLengthOf(spec, part))
        return true;
    if ((kinds & KindPercentage) && IsNumberWithUnit(part, {"%"}))
        return true;
    if ((kinds & KindNumber) && IsNumberText(part))
        return true;
    if ((kinds & KindInteger) && IsNumberText(part, true))
        return true;
    if ((kinds & KindColor) && (ParseColor(part) || IsColorText(part)))
        return true;
    if ((kinds & KindImage) &&
        StartsWithCall(part, {"url", "linear-gradient", "radial-gradient", "conic-gradient",
                              "repeating-linear-gradient", "repeating-radial-gradient",
                              "repeating-conic-gradient", "image-set", "-webkit-image-set"}))
        return true;
    if ((kinds & KindAngle) && IsNumberWithUnit(part, {"deg", "grad", "rad", "turn"}))
        return true;
    if ((kinds & KindTime) && IsNumberWithUnit(part, {"ms", "s"}))
        return true;
    return false;
}

const PropertySpec& Part(const PropertySpec& shorthand, size_t index) {
    return *FindProperty(Words(shorthand.Longhands)[index]);
}

struct Piece {
    std::string_view Text;
    size_t Begin;
};

// The value's parts between blanks, with where each begins.
std::vector<Piece> Pieces(std::string_view value, char separator = ' ') {
    std::vector<Piece> pieces;
    for (std::string_view part : SplitValue(value, separator))
        pieces.push_back({part, static_cast<size_t>(part.data() - value.data())});
    return pieces;
}

ShorthandPart Written(const Piece& piece) {
    return {std::string(piece.Text), piece.Begin, piece.Begin + piece.Text.size()};
}

ShorthandPart Implied(std::string_view value) {
    return {std::string(value), std::string::npos, std::string::npos};
}

std::optional<std::vector<ShorthandPart>> SplitSides(const PropertySpec& shorthand,
                                                     std::string_view value) {
    if (value.find('/') != std::string_view::npos)
        return std::nullopt; // an elliptical corner
    auto pieces = Pieces(value);
    if (pieces.empty() || pieces.size() > 4)
        return std::nullopt;
    for (size_t i = 0; i < pieces.size(); ++i)
        if (!PartFits(Part(shorthand, i), pieces[i].Text))
            return std::nullopt;
    // top right bottom left: the bottom is the top, the left the right.
    constexpr std::array<std::array<size_t, 4>, 4> kFrom = {
        {{0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 1}, {0, 1, 2, 3}}};
    std::vector<ShorthandPart> parts;
    for (size_t side = 0; side < 4; ++side) {
        const size_t from = kFrom[pieces.size() - 1][side];
        parts.push_back(from == side ? Written(pieces[from]) : Implied(pieces[from].Text));
    }
    return parts;
}

std::optional<std::vector<ShorthandPart>> SplitPair(const PropertySpec& shorthand,
                                                    std::string_view value) {
    auto pieces = Pieces(value);
    if (pieces.empty() || pieces.size() > 2)
        return std::nullopt;
    for (size_t i = 0; i < pieces.size(); ++i)
        if (!PartFits(Part(shorthand, i), pieces[i].Text))
            return std::nullopt;
    if (pieces.size() == 1)
        return std::vector<ShorthandPart>{Written(pieces[0]), Implied(pieces[0].Text)};
    return std::vector<ShorthandPart>{Written(pieces[0]), Written(pieces[1])};
}

std::optional<std::vector<ShorthandPart>> SplitFlex(std::string_view value) {
    const auto pieces = Pieces(value);
    if (pieces.size() == 1) {
        if (EqualsIgnoringAsciiCase(pieces[0].Text, "none"))
            return std::vector{Implied("0"), Implied("0"), Implied("auto")};
        if (EqualsIgnoringAsciiCase(pieces[0].Text, "auto"))
            return std::vector{Implied("1"), Implied("1"), Implied("auto")};
    }
    if (pieces.empty() || pieces.size() > 3)
        return std::nullopt;
    const PropertySpec& basisSpec = *FindProperty("flex-basis");
    auto number = [&](size_t i) { return i < pieces.size() && IsNumberText(pieces[i].Text); };
    std::optional<ShorthandPart> grow, shrink, basis;
    size_t at = 0;
    if (!number(0)) { // the basis first: "10px 2 1"
        basis = Written(pieces[0]);
        at = 1;
    }
    if (at < pieces.size()) {
        if (!number(at))
            return std::nullopt;
        grow = Written(pieces[at++]);
        if (number(at) && (at + 1 < pieces.size() || basis || pieces.size() == 2))
            shrink = Written(pieces[at++]);
    }
    if (at < pieces.size() && !basis)
        basis = Written(pieces[at++]);
    if (at != pieces.size() || (basis && !PartFits(basisSpec, basis->Value)))
        return std::nullopt;
    // "flex: 2" grows from nothing; "flex: 10px" grows and shrinks from 10px.
    return std::vector{grow ? *grow : Implied("1"), shrink ? *shrink : Implied("1"),
                       basis ? *basis : Implied("0%")};
}

bool IsCustomIdent(std::string_view text) {
    if (text.empty() || IsDigit(text[0]) || text.find('(') != std::string_view::npos)
        return false;
    for (char c : text)
        if (!IsCssNameChar(c))
            return false;
    return !EqualsIgnoringAsciiCase(text, "auto") && !EqualsIgnoringAsciiCase(text, "span");
}

// Grid lines: "a / b / c / d", each part one or more words.
std::optional<std::vector<ShorthandPart>> SplitLines(std::string_view value, size_t count) {
    std::vector<Piece> pieces = Pieces(value, '/');
    if (pieces.empty() || pieces.size() > count)
        return std::nullopt;
    std::vector<ShorthandPart> parts;
    for (const Piece& piece : pieces)
        parts.push_back(Written(piece));
    // A part left out is the one across from it when that is a name, else auto.
    while (parts.size() < count) {
        const size_t across = parts.size() >= 2 ? parts.size() - 2 : 0;
        const std::string& other = parts[count == 2 ? 0 : across].Value;
        parts.push_back(Implied(IsCustomIdent(other) ? other : "auto"));
    }
    return parts;
}

std::optional<std::vector<ShorthandPart>> SplitAnyOrder(const PropertySpec& shorthand,
                                                        std::string_view value) {
    const auto longhands = Words(shorthand.Longhands);
    std::vector<std::optional<ShorthandPart>> found(longhands.size());
    const auto pieces = Pieces(value);
    if (pieces.empty())
        return std::nullopt;
    if (pieces.size() == 1 && EqualsIgnoringAsciiCase(pieces[0].Text, "none") &&
        shorthand.Name != "list-style" && shorthand.Name != "flex-flow") {
        std::vector<ShorthandPart> parts;
        for (std::string_view longhand : longhands) {
            const PropertySpec& spec = *FindProperty(longhand);
            parts.push_back(HasKeyword(spec, "none") ? Written(pieces[0]) : Implied(spec.Initial));
        }
        // "none" is the style's (or the image's), the rest their initial values.
        for (size_t i = 0, taken = 0; i < parts.size(); ++i)
            if (parts[i].Begin != std::string::npos && taken++ > 0)
                parts[i] = Implied("none");
        return parts;
    }
    for (const Piece& piece : pieces) {
        bool taken = false;
        for (size_t i = 0; i < longhands.size() && !taken; ++i) {
            const PropertySpec& spec = *FindProperty(longhands[i]);
            if (!PartFits(spec, piece.Text))
                continue;
            if (found[i]) {
                // A position goes on over several parts: "center top".
                if (!(spec.Kinds & KindPosition) || found[i]->End + 1 > piece.Begin)
                    continue;
                found[i]->End = piece.Begin + piece.Text.size();
                found[i]->Value =
                    std::string(value.substr(found[i]->Begin, found[i]->End - found[i]->Begin));
            } else {
                found[i] = Written(piece);
            }
            taken = true;
        }
        if (!taken)
            return std::nullopt;
    }
    std::vector<ShorthandPart> parts;
    for (size_t i = 0; i < longhands.size(); ++i)
        parts.push_back(found[i] ? *found[i] : Implied(FindProperty(longhands[i])->Initial));
    return parts;
}

bool Same(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(a, b);
}

// The shortest text of the form for the parts.
std::optional<std::string> Joined(const PropertySpec& shorthand,
                                  const std::vector<std::string>& parts) {
    auto join = [](const std::vector<std::string>& values, std::string_view separator) {
        std::string text;
        for (const auto& value : values)
            text += (text.empty() ? "" : std::string(separator)) + value;
        return text;
    };
    switch (shorthand.Form) {
    case ShorthandForm::Sides4:
    case ShorthandForm::Corners4: {
        std::vector<std::string> kept = parts;
        if (Same(kept[3], kept[1]))
            kept.pop_back();
        if (kept.size() == 3 && Same(kept[2], kept[0]))
            kept.pop_back();
        if (kept.size() == 2 && Same(kept[1], kept[0]))
            kept.pop_back();
        return join(kept, " ");
    }
    case ShorthandForm::Pair:
        return Same(parts[0], parts[1]) ? parts[0] : parts[0] + " " + parts[1];
    case ShorthandForm::Flex:
        return join(parts, " ");
    case ShorthandForm::Lines:
    case ShorthandForm::Area:
        return join(parts, " / ");
    case ShorthandForm::AnyOrder: {
        std::vector<std::string> kept;
        for (size_t i = 0; i < parts.size(); ++i)
            if (!Same(parts[i], FindProperty(Words(shorthand.Longhands)[i])->Initial))
                kept.push_back(parts[i]);
        if (kept.empty())
            kept.push_back(parts[0]);
        return join(kept, " ");
    }
    case ShorthandForm::None:
    case ShorthandForm::Opaque:
        break;
    }
    return std::nullopt;
}

} // namespace

std::span<const PropertySpec> PropertyCatalog() {
    return kCatalog;
}

const PropertySpec* FindProperty(std::string_view name) {
    for (const PropertySpec& spec : kCatalog)
        if (EqualsIgnoringAsciiCase(spec.Name, name))
            return &spec;
    return nullptr;
}

std::vector<std::string_view> Words(std::string_view list) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < list.size()) {
        while (at < list.size() && list[at] == ' ')
            ++at;
        const size_t end = std::min(list.find(' ', at), list.size());
        if (end > at && list.substr(at, end - at) != "|")
            words.push_back(list.substr(at, end - at));
        at = end;
    }
    return words;
}

std::vector<std::string_view> ButtonKeywords(const PropertySpec& spec) {
    return Words(spec.Keywords.substr(0, std::min(spec.Keywords.find('|'), spec.Keywords.size())));
}

std::vector<std::string_view> AllKeywords(const PropertySpec& spec) {
    return Words(spec.Keywords);
}

std::vector<std::string_view> UnitsOf(const PropertySpec& spec) {
    if (!(spec.Kinds & KindLength))
        return {};
    if (!spec.Units.empty())
        return Words(spec.Units);
    std::vector<std::string_view> units;
    for (std::string_view unit : LengthUnits())
        if (unit != "%")
            units.push_back(unit);
    return units;
}

std::string ControlName(std::string_view property, std::string_view keyword) {
    std::string name;
    bool upper = true;
    auto add = [&](std::string_view text) {
        for (char c : text) {
            if (c == '-') {
                upper = true;
                continue;
            }
            name += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            upper = false;
        }
        upper = true;
    };
    add(property);
    add(keyword);
    return name;
}

bool ValueFits(const PropertySpec& spec, std::string_view value) {
    value = TrimCssBlanks(value);
    if (value.empty())
        return false;
    if (IsCssWideKeyword(value) || IsMathOrVarFunction(value))
        return true;
    if (spec.Form != ShorthandForm::None && spec.Form != ShorthandForm::Opaque) {
        if (auto parts = SplitShorthand(spec, value)) {
            for (size_t i = 0; i < parts->size(); ++i)
                if (!ValueFits(Part(spec, i), (*parts)[i].Value))
                    return false;
            return true;
        }
        return (spec.Kinds & KindKeyword) && HasKeyword(spec, value);
    }
    if (spec.Kinds & KindRatio) {
        auto halves = Pieces(value, '/');
        if (halves.size() == 2 && IsNumberText(halves[0].Text) && IsNumberText(halves[1].Text))
            return true;
    }
    const auto parts = SplitValue(value);
    if (parts.size() == 1 && PartFits(spec, parts[0]))
        return true;
    if (spec.Kinds & KindPosition) {
        if (parts.size() > 4)
            return false;
        bool all = true;
        for (std::string_view part : parts)
            all = all && PartFits(spec, part);
        if (all)
            return true;
    }
    // Free text is the control's own where the property has a field of its own.
    return (spec.Kinds & KindText) && spec.Page != CatalogPage::All && IsSafeValue(value);
}

std::optional<std::vector<ShorthandPart>> SplitShorthand(const PropertySpec& shorthand,
                                                         std::string_view value) {
    value = TrimCssBlanks(value);
    if (value.empty() || IsCssWideKeyword(value) || value.find("/*") != std::string_view::npos)
        return std::nullopt;
    if (HoldsVariable(value)) {
        // A var() that stands for a whole part, as "padding: var(--y) var(--x)" writes
        // it, is taken for that part; inside a part, or where the parts may come in any
        // order and not all are written, what it stands for cannot be told.
        const auto pieces = Pieces(value, shorthand.Form == ShorthandForm::Lines ||
                                                  shorthand.Form == ShorthandForm::Area
                                              ? '/'
                                              : ' ');
        for (const Piece& piece : pieces)
            if (HoldsVariable(piece.Text) && !IsMathOrVarFunction(piece.Text))
                return std::nullopt;
        if (shorthand.Form == ShorthandForm::AnyOrder &&
            pieces.size() != Words(shorthand.Longhands).size())
            return std::nullopt;
        if (shorthand.Form == ShorthandForm::Flex && pieces.size() != 3)
            return std::nullopt;
    }
    switch (shorthand.Form) {
    case ShorthandForm::Sides4:
    case ShorthandForm::Corners4:
        return SplitSides(shorthand, value);
    case ShorthandForm::Pair:
        return SplitPair(shorthand, value);
    case ShorthandForm::Flex:
        return SplitFlex(value);
    case ShorthandForm::Lines:
        return SplitLines(value, 2);
    case ShorthandForm::Area:
        return SplitLines(value, 4);
    case ShorthandForm::AnyOrder:
        return SplitAnyOrder(shorthand, value);
    case ShorthandForm::None:
    case ShorthandForm::Opaque:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> WithShorthandPart(const PropertySpec& shorthand, std::string_view value,
                                             size_t part, std::string_view partValue) {
    value = TrimCssBlanks(value);
    auto parts = SplitShorthand(shorthand, value);
    if (!parts || part >= parts->size())
        return std::nullopt;
    const ShorthandPart& old = (*parts)[part];
    // The part's own text replaced, where the value has it and the rest reads the same.
    if (old.Begin != std::string::npos) {
        std::string text = std::string(value.substr(0, old.Begin)) + std::string(partValue) +
                           std::string(value.substr(old.End));
        // Kept only when it reads back as every part was, with the one changed.
        if (auto again = SplitShorthand(shorthand, text); again && again->size() == parts->size()) {
            bool same = true;
            for (size_t i = 0; i < parts->size(); ++i)
                same = same && Same((*again)[i].Value, i == part ? partValue : (*parts)[i].Value);
            if (same)
                return text;
        }
    }
    std::vector<std::string> values;
    for (const auto& p : *parts)
        values.push_back(p.Value);
    values[part] = std::string(partValue);
    return Joined(shorthand, values);
}

} // namespace tesselo
