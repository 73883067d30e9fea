#include "panel/PanelLayout.h"

#include <array>

namespace tesselo {
namespace {

using K = Keyword;
using L = Length;
using P = PanelPlace;

constexpr std::string_view kBorderBox = "Управление границей";
constexpr std::string_view kPictureBox = "Управление картинкой фона";
constexpr std::string_view kMarginBox = "Отступ границ от края блока";
constexpr std::string_view kPaddingBox = "Отступ контента от границ";
constexpr std::string_view kDisplayBox = "Тип и видимость блока";
constexpr std::string_view kClipBox = "Обрезка при переполнении";
constexpr std::string_view kFlowBox = "Позиционирование в потоке";
constexpr std::string_view kOffsetBox = "Положение и размер ";
constexpr std::string_view kPicturePosition = "Положение фонового рисунка";

// clang-format off
constexpr std::array kKeywordRows = {
    KeywordButtonRow{K::FontStyleNormal, P::ToolBar2, "", "Прямое начертание шрифта", "", "font-style-normal"},
    KeywordButtonRow{K::FontStyleItalic, P::ToolBar2, "", "Курсив", "format-text-italic", "font-style-italic"},
    KeywordButtonRow{K::TextDecorUnderLine, P::ToolBar2, "", "Подчеркивание", "format-text-underline", "text-decor-underline"},
    KeywordButtonRow{K::TextDecorLineThrough, P::ToolBar2, "", "Зачеркивание", "format-text-strikethrough", "text-decor-line-through"},
    KeywordButtonRow{K::TextDecorOverLine, P::ToolBar2, "", "Надчеркивание", "", "text-decor-overline"},
    KeywordButtonRow{K::TextDecorBlink, P::ToolBar2, "", "Мигание (не рекомендуется)", "", "text-decor-blink"},
    KeywordButtonRow{K::TextDecorNone, P::ToolBar2, "", "Нет декорации шрифта", "", "text-decor-none"},
    KeywordButtonRow{K::FontVariantNormal, P::ToolBar2, "", "Обычный вариант шрифта", "", "font-variant-normal"},
    KeywordButtonRow{K::FontVariantSmallCaps, P::ToolBar2, "", "вариант \"капитель\" (уменьшенные прописные буквы)", "", "font-variant-small-caps"},
    KeywordButtonRow{K::TextAlignLeft, P::ToolBar2, "", "Выравнивание \"влево\"", "format-justify-left", "text-align-left"},
    KeywordButtonRow{K::TextAlignCenter, P::ToolBar2, "", "Выравнивание \"по центру\"", "format-justify-center", "text-align-center"},
    KeywordButtonRow{K::TextAlignRight, P::ToolBar2, "", "Выравнивание \"вправо\"", "format-justify-right", "text-align-right"},
    KeywordButtonRow{K::TextAlignJustify, P::ToolBar2, "", "Выравнивание \"по ширине\"", "format-justify-fill", "text-align-justify"},
    KeywordButtonRow{K::TextVerticalAlignBottom, P::ToolBar2, "", "Выровнять по низу линейный блок", "", "vertical-align-bottom"},
    KeywordButtonRow{K::TextVerticalAlignTextBottom, P::ToolBar2, "", "Выровнять по низу текста", "", "vertical-align-text-bottom"},
    KeywordButtonRow{K::TextVerticalAlignSub, P::ToolBar2, "", "Нижний индекс", "", "vertical-align-sub"},
    KeywordButtonRow{K::TextVerticalAlignBaseline, P::ToolBar2, "", "Выровнять по базовой линии (рекомендуется)", "", "vertical-align-baseline"},
    KeywordButtonRow{K::TextVerticalAlignMiddle, P::ToolBar2, "", "Выровнять по центру (вертикально)", "", "vertical-align-middle"},
    KeywordButtonRow{K::TextVerticalAlignSuper, P::ToolBar2, "", "Верхний индекс", "", "vertical-align-super"},
    KeywordButtonRow{K::TextVerticalAlignTextTop, P::ToolBar2, "", "Выровнять по верху текста", "", "vertical-align-text-top"},
    KeywordButtonRow{K::TextVerticalAlignTop, P::ToolBar2, "", "Выровнять по верху линейный блок", "", "vertical-align-top"},

    KeywordButtonRow{K::BorderSolid, P::BBColor, kBorderBox, "Непрерывная граница", "", "border-solid"},
    KeywordButtonRow{K::BorderDotted, P::BBColor, kBorderBox, "Пунктирная граница", "", "border-dotted"},
    KeywordButtonRow{K::BorderDashed, P::BBColor, kBorderBox, "Штрих-пунктирная граница", "", "border-dashed"},
    KeywordButtonRow{K::BorderInSet, P::BBColor, kBorderBox, "Вдавленный блок", "", "border-inset"},
    KeywordButtonRow{K::BorderOutSet, P::BBColor, kBorderBox, "Выпуклый блок", "", "border-outset"},
    KeywordButtonRow{K::BorderRidge, P::BBColor, kBorderBox, "Выпуклая граница", "", "border-ridge"},
    KeywordButtonRow{K::BorderDouble, P::BBColor, kBorderBox, "Двойная граница", "", "border-double"},
    KeywordButtonRow{K::BorderGroove, P::BBColor, kBorderBox, "Вдавленная граница", "", "border-groove"},
    KeywordButtonRow{K::BorderNone, P::BBColor, kBorderBox, "Нет границы", "", "border-none"},

    // The picture buttons stand in a grid of their own (PictureButtonPositions).
    KeywordButtonRow{K::BGrPosLT, P::BBColor, kPictureBox, "Положение фонового рисунка ", "", "position-left-top"},
    KeywordButtonRow{K::BGrPosCT, P::BBColor, kPictureBox, kPicturePosition, "", "position-center-top"},
    KeywordButtonRow{K::BGrPosRT, P::BBColor, kPictureBox, kPicturePosition, "", "position-right-top"},
    KeywordButtonRow{K::BGrPosLC, P::BBColor, kPictureBox, kPicturePosition, "", "position-left-center"},
    KeywordButtonRow{K::BGrPosCC, P::BBColor, kPictureBox, kPicturePosition, "", "position-center-center"},
    KeywordButtonRow{K::BGrPosRC, P::BBColor, kPictureBox, kPicturePosition, "", "position-right-center"},
    KeywordButtonRow{K::BGrPosLB, P::BBColor, kPictureBox, kPicturePosition, "", "position-left-bottom"},
    KeywordButtonRow{K::BGrPosCB, P::BBColor, kPictureBox, kPicturePosition, "", "position-center-bottom"},
    KeywordButtonRow{K::BGrPosRB, P::BBColor, kPictureBox, kPicturePosition, "", "position-right-bottom"},
    KeywordButtonRow{K::BGrAttFixed, P::BBColor, kPictureBox, "Неподвижный фоновый рисунок", "", "attachment-fixed"},
    KeywordButtonRow{K::BGrAttScroll, P::BBColor, kPictureBox, "Подвижный фоновый рисунок", "", "attachment-scroll"},
    KeywordButtonRow{K::BGrRepXY, P::BBColor, kPictureBox, "Копирование фонового рисунка во все направления", "", "repeat-xy"},
    KeywordButtonRow{K::BGrRepNone, P::BBColor, kPictureBox, "Нет копирования фонового рисунка", "", "repeat-none"},
    KeywordButtonRow{K::BGrRepY, P::BBColor, kPictureBox, "Копирование фонового рисунка по вертикали", "", "repeat-y"},
    KeywordButtonRow{K::BGrRepX, P::BBColor, kPictureBox, "Копирование фонового рисунка по горизонтали", "", "repeat-x"},

    KeywordButtonRow{K::DisplayBlock, P::DisplayVis, kDisplayBox, "Главный структурный блок", "", "display-block"},
    KeywordButtonRow{K::DisplayInLine, P::DisplayVis, kDisplayBox, "Строковый блок", "", "display-inline"},
    KeywordButtonRow{K::DisplayListItem, P::DisplayVis, kDisplayBox, "Список в главном структурном блоке", "", "display-list-item"},
    KeywordButtonRow{K::DisplayMarker, P::DisplayVis, kDisplayBox, "Маркер", "", "display-marker"},
    KeywordButtonRow{K::DisplayNone, P::DisplayVis, kDisplayBox, "Блок и его потомки НЕ СОЗДАЮТСЯ", "", "display-none"},
    KeywordButtonRow{K::DisplayTable, P::DisplayVis, kDisplayBox, "Таблица уровня блока", "", "display-table"},
    KeywordButtonRow{K::DisplayInLineTable, P::DisplayVis, kDisplayBox, "Таблица уровня строки", "", "display-inline-table"},
    KeywordButtonRow{K::DisplayTableCaption, P::DisplayVis, kDisplayBox, "Заголовок таблицы", "", "display-table-caption"},
    KeywordButtonRow{K::DisplayTableHeaderGroup, P::DisplayVis, kDisplayBox, "Верхняя шапка таблицы", "", "display-table-header-group"},
    KeywordButtonRow{K::DisplayTableFooterGroup, P::DisplayVis, kDisplayBox, "Нижняя шапка таблицы", "", "display-table-footer-group"},
    KeywordButtonRow{K::DisplayTableCell, P::DisplayVis, kDisplayBox, "Ячейка таблицы", "", "display-table-cell"},
    KeywordButtonRow{K::DisplayTableRow, P::DisplayVis, kDisplayBox, "Строка таблицы", "", "display-table-row"},
    KeywordButtonRow{K::DisplayTableRowGroup, P::DisplayVis, kDisplayBox, "Группа строк таблицы", "", "display-table-row-group"},
    KeywordButtonRow{K::DisplayTableColumn, P::DisplayVis, kDisplayBox, "Столбец таблицы", "", "display-table-column"},
    KeywordButtonRow{K::DisplayTableColumnGroup, P::DisplayVis, kDisplayBox, "Группа столбцов таблицы", "", "display-table-column-group"},
    KeywordButtonRow{K::DisplayInLineBlock, P::DisplayVis, kDisplayBox, "Блок внутри строки", "", "display-inline-block"},
    KeywordButtonRow{K::DisplayFlex, P::DisplayVis, kDisplayBox, "Гибкий контейнер (flex) уровня блока", "", "display-flex"},
    KeywordButtonRow{K::DisplayInLineFlex, P::DisplayVis, kDisplayBox, "Гибкий контейнер (flex) уровня строки", "", "display-inline-flex"},
    KeywordButtonRow{K::DisplayGrid, P::DisplayVis, kDisplayBox, "Сетка (grid) уровня блока", "", "display-grid"},
    KeywordButtonRow{K::DisplayInLineGrid, P::DisplayVis, kDisplayBox, "Сетка (grid) уровня строки", "", "display-inline-grid"},
    KeywordButtonRow{K::DisplayFlowRoot, P::DisplayVis, kDisplayBox, "Блок со своим потоком (плавающие потомки не выходят наружу)", "", "display-flow-root"},
    KeywordButtonRow{K::DisplayContents, P::DisplayVis, kDisplayBox, "Блок НЕ СОЗДАЕТСЯ, его потомки остаются", "", "display-contents"},
    KeywordButtonRow{K::VisibilityVisible, P::DisplayVis, kDisplayBox, "Блок видим", "", "visibility-visible"},
    KeywordButtonRow{K::VisibilityHidden, P::DisplayVis, kDisplayBox, "Блок невидим, но существует", "", "visibility-hidden"},
    KeywordButtonRow{K::VisibilityCollapse, P::DisplayVis, kDisplayBox, "Элемент таблицы невидим", "", "visibility-collapse"},
    KeywordButtonRow{K::OverflowVisible, P::DisplayVis, kClipBox, "Обрезание блока запрещено", "", "overflow-visible"},
    KeywordButtonRow{K::OverflowHidden, P::DisplayVis, kClipBox, "Обрезание блока разрешено", "", "overflow-hidden"},
    KeywordButtonRow{K::OverflowScroll, P::DisplayVis, kClipBox, "Обрезание блока разрешено и включен скроллинг", "", "overflow-scroll"},
    KeywordButtonRow{K::OverflowAuto, P::DisplayVis, kClipBox, "Авто (решение принимает браузер)", "", "overflow-auto"},

    KeywordButtonRow{K::PositionStatic, P::PositionFloat, kFlowBox, "Обычное положение в блока потоке", "", "position-static"},
    KeywordButtonRow{K::PositionRelative, P::PositionFloat, kFlowBox, "Блок смещен в потоке", "", "position-relative"},
    KeywordButtonRow{K::PositionAbsolute, P::PositionFloat, kFlowBox, "Абсолютное положение блока", "", "position-absolute"},
    KeywordButtonRow{K::PositionFixed, P::PositionFloat, kFlowBox, "Абсолютное положение и фиксация блока", "", "position-fixed"},
    KeywordButtonRow{K::PositionSticky, P::PositionFloat, kFlowBox, "Блок в потоке, при прокрутке прилипает к краю", "", "position-sticky"},
    KeywordButtonRow{K::FloatLeft, P::PositionFloat, kFlowBox, "Выравнивание \"влево\"", "", "float-left"},
    KeywordButtonRow{K::FloatRight, P::PositionFloat, kFlowBox, "Выравнивание \"вправо\"", "", "float-right"},
};


constexpr std::string_view kClip = "Параметры вырезания клипа из контента блока";

// In the order of the start-up tables of the fields.
constexpr std::array kLengthRows = {
    LengthFieldRow{L::TextIndent, P::ToolBar3, "", "", "Отступ первой строки|Установите кнопками или введите с клавиатуры любое число. Двойной щелчек стирает параметр.", "Отступ первой строки"},
    LengthFieldRow{L::LineHeight, P::ToolBar3, "", "", "Расстояние между строками (интерлиньяж)|Установите кнопками или введите с клавиатуры любое число. Двойной щелчек стирает параметр.", "Расстояние между строками (интерлиньяж)"},
    LengthFieldRow{L::WordSpacing, P::ToolBar3, "", "", "Расстояние между словами|Установите кнопками или введите с клавиатуры любое число. Двойной щелчек стирает параметр.", "Расстояние между словами"},
    LengthFieldRow{L::LetterSpacing, P::ToolBar3, "", "", "Расстояние между буквами|Установите кнопками или введите с клавиатуры любое число. Двойной щелчек стирает параметр.", "Расстояние между буквами"},
    LengthFieldRow{L::MarginTop, P::MarginPadding, kMarginBox, "Сверху", "", ""},
    LengthFieldRow{L::MarginBottom, P::MarginPadding, kMarginBox, "Снизу", "", ""},
    LengthFieldRow{L::MarginLeft, P::MarginPadding, kMarginBox, "Слева", "", ""},
    LengthFieldRow{L::MarginRight, P::MarginPadding, kMarginBox, "Справа", "", ""},
    LengthFieldRow{L::PaddingTop, P::MarginPadding, kPaddingBox, "Сверху", "", ""},
    LengthFieldRow{L::PaddingBottom, P::MarginPadding, kPaddingBox, "Снизу", "", ""},
    LengthFieldRow{L::PaddingLeft, P::MarginPadding, kPaddingBox, "Слева", "", ""},
    LengthFieldRow{L::PaddingRight, P::MarginPadding, kPaddingBox, "Справа", "", ""},
    LengthFieldRow{L::BorderWidth, P::BBColor, kBorderBox, "Толщина", "Толщина границ", "Толщина границ"},
    LengthFieldRow{L::ClipTop, P::DisplayVis, kClipBox, "Сверху", kClip, kClip},
    LengthFieldRow{L::ClipBottom, P::DisplayVis, kClipBox, "Снизу", kClip, "Параметры обрезки от края блока"},
    LengthFieldRow{L::ClipLeft, P::DisplayVis, kClipBox, "Слева", kClip, kClip},
    LengthFieldRow{L::ClipRight, P::DisplayVis, kClipBox, "Справа", kClip, kClip},
    LengthFieldRow{L::BlockTop, P::PositionFloat, kOffsetBox, "Сверху", "", ""},
    LengthFieldRow{L::BlockBottom, P::PositionFloat, kOffsetBox, "Снизу", "", ""},
    LengthFieldRow{L::BlockLeft, P::PositionFloat, kOffsetBox, "Слева", "", ""},
    LengthFieldRow{L::BlockRight, P::PositionFloat, kOffsetBox, "Справа", "", ""},
    LengthFieldRow{L::BlockHeight, P::PositionFloat, kOffsetBox, "Высота", "Высота блока", "Высота блока"},
    LengthFieldRow{L::BlockWidth, P::PositionFloat, kOffsetBox, "Ширина", "Ширина блока", "Ширина блока"},
};

constexpr std::array kBoxRows = {
    GroupBoxRow{P::BBColor, kBorderBox, ""},
    GroupBoxRow{P::BBColor, kPictureBox, ""},
    GroupBoxRow{P::MarginPadding, kMarginBox, "Отступы границ от края блока (средние отступы)"},
    GroupBoxRow{P::MarginPadding, kPaddingBox, "Отступ контента от границ (самые внутренние)"},
    GroupBoxRow{P::DisplayVis, kDisplayBox, ""},
    GroupBoxRow{P::DisplayVis, kClipBox, ""},
    GroupBoxRow{P::PositionFloat, kFlowBox, ""},
    GroupBoxRow{P::PositionFloat, kOffsetBox, "Параметры отступов края блока от контейнера (внешние отступы)"},
};

constexpr std::array kPageRows = {
    PageRow{P::BBColor, "BBColor", "Фон и цвет"},
    PageRow{P::MarginPadding, "MarginPadding", "Отступы"},
    PageRow{P::DisplayVis, "DisplayVis", "Блок"},
    PageRow{P::PositionFloat, "PositionFloat", "Положение и размер"},
    PageRow{P::Layout, "Layout", "Раскладка"},
    PageRow{P::Effects, "Effects", "Эффекты"},
    PageRow{P::AllProperties, "AllProperties", "Все свойства"},
    PageRow{P::Variables, "Variables", "Переменные"},
};
// clang-format on

static_assert(kKeywordRows.size() == kKeywordCount);
static_assert(kLengthRows.size() == kLengthCount);

} // namespace

std::span<const KeywordButtonRow> KeywordButtonRows() {
    return kKeywordRows;
}
std::span<const LengthFieldRow> LengthFieldRows() {
    return kLengthRows;
}
std::span<const GroupBoxRow> GroupBoxRows() {
    return kBoxRows;
}
std::string_view GroupName(KeywordGroup group) {
    static constexpr std::array<std::string_view, kKeywordGroups.size()> names = {
        "TextAlign",       "TextDecoration",    "FontStyle",     "FontVariant", "VerticalAlign",
        "PicturePosition", "PictureAttachment", "PictureRepeat", "BorderStyle", "Display",
        "Visibility",      "Overflow",          "Position",      "Float"};
    return names[static_cast<size_t>(group) - 1];
}

std::span<const PageRow> PageRows() {
    return kPageRows;
}

} // namespace tesselo
