#include "panel/LayoutPage.h"
#include "panel/UiText.h"

#include "document/ByteText.h"
#include "document/Hint.h"
#include "editor/StyleEditor.h"
#include "mapping/ValueSyntax.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QIconEngine>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>

namespace tesselo {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a box's controls need of the rule's display to work.
enum class Needs { Nothing, Flex, Grid, FlexOrGrid };

struct BoxRole {
    std::string_view Caption;
    const char* Name;
    Needs Container;
};
constexpr std::array<BoxRole, 5> kBoxRoles = {{
    {"Гибкий контейнер", "FlexContainerBox", Needs::Flex},
    {"Гибкий элемент", "FlexItemBox", Needs::Nothing},
    {"Сетка", "GridContainerBox", Needs::Grid},
    {"Ячейка сетки", "GridItemBox", Needs::Nothing},
    {"Размеры", "SizesBox", Needs::Nothing},
}};

const BoxRole* RoleOf(std::string_view caption) {
    for (const BoxRole& role : kBoxRoles)
        if (role.Caption == caption)
            return &role;
    return nullptr;
}

// The short caption before each control; a property without one shows its name.
constexpr RowCaption kCaptions[] = {
    {"flex-direction", "Направление"},
    {"flex-wrap", "Перенос"},
    {"justify-content", "По главной оси"},
    {"align-items", "Поперек оси"},
    {"align-content", "Линии"},
    {"row-gap", "Между строками"},
    {"column-gap", "Между столбцами"},
    {"gap", "Промежуток"},
    {"flex-grow", "Рост"},
    {"flex-shrink", "Сжатие"},
    {"flex-basis", "Основа"},
    {"flex", "Запись flex"},
    {"order", "Порядок"},
    {"align-self", "Сам элемент"},
    {"grid-template-columns", "Шаблон столбцов"},
    {"grid-template-rows", "Шаблон строк"},
    {"grid-template-areas", "Области"},
    {"grid-auto-flow", "Заполнение"},
    {"grid-auto-columns", "Новые столбцы"},
    {"grid-auto-rows", "Новые строки"},
    {"justify-items", "В ячейках"},
    {"grid-column", "Столбцы"},
    {"grid-row", "Строки"},
    {"grid-area", "Область"},
    {"justify-self", "В ячейке"},
    {"box-sizing", "Модель размера"},
    {"min-width", "Мин. ширина"},
    {"max-width", "Макс. ширина"},
    {"min-height", "Мин. высота"},
    {"max-height", "Макс. высота"},
    {"aspect-ratio", "Пропорции"},
    {"object-fit", "Вписывание"},
    {"object-position", "Положение"},
    {"z-index", "Слой"},
    {"overflow-x", "Переполнение X"},
    {"overflow-y", "Переполнение Y"},
};

// The flex container's properties that a grid container takes too: the gaps and the
// alignment of its items and lines.
bool AppliesToGridToo(std::string_view property) {
    for (std::string_view shared :
         {"gap", "row-gap", "column-gap", "justify-content", "align-items", "align-content"})
        if (property == shared)
            return true;
    return false;
}

// The pictures drawn for a row that turn with a column's main axis.
constexpr std::array<std::string_view, 4> kTurnedProperties = {"justify-content", "align-items",
                                                               "align-content", "align-self"};

// The container the rule's display makes of the element; Unknown where the rule does
// not say for sure (no display, a var(), inherit): the element may get one elsewhere.
enum class Container { Unknown, Flex, Grid, Other };

Container ContainerOf(const std::optional<PropertyValue>& display) {
    if (!display || !display->Known)
        return Container::Unknown;
    const std::string value = LowerAscii(display->Value);
    const auto words = SplitValue(value);
    if (words.empty() || (words.size() == 1 && IsCssWideKeyword(words[0])) || HoldsVariable(value))
        return Container::Unknown;
    // "flex", "inline-flex", or the inner type of two: "inline flex", "block grid".
    for (std::string_view word : words) {
        if (word == "flex" || word == "inline-flex" || word == "-webkit-flex" ||
            word == "-webkit-inline-flex")
            return Container::Flex;
        if (word == "grid" || word == "inline-grid")
            return Container::Grid;
    }
    return Container::Other;
}

QString ReasonFor(Needs needs, Container container, const QString& display) {
    const QString tail = Tr(". У этого стиля display: ") + display;
    switch (needs) {
    case Needs::Nothing:
        break;
    case Needs::Flex:
        if (container == Container::Other || container == Container::Grid)
            return Tr("Свойства гибкого контейнера действуют, когда display: flex или "
                      "inline-flex") +
                   tail;
        break;
    case Needs::Grid:
        if (container == Container::Other || container == Container::Flex)
            return Tr("Свойства сетки действуют, когда display: grid или inline-grid") + tail;
        break;
    case Needs::FlexOrGrid:
        if (container == Container::Other)
            return Tr("Промежутки и выравнивание действуют, когда display: flex, "
                      "inline-flex, grid "
                      "или inline-grid") +
                   tail;
        break;
    }
    return {};
}

PictureTurn TurnOf(const std::optional<PropertyValue>& direction) {
    if (!direction || !direction->Known)
        return PictureTurn::None;
    const auto words = SplitValue(direction->Value);
    if (words.size() != 1)
        return PictureTurn::None;
    if (EqualsIgnoringAsciiCase(words[0], "column"))
        return PictureTurn::Transposed;
    if (EqualsIgnoringAsciiCase(words[0], "column-reverse"))
        return PictureTurn::CounterClockwise;
    return PictureTurn::None;
}

// The picture's pixels moved as the turn moves them; its width becomes its height.
QImage Turned(const QImage& drawn, PictureTurn turn) {
    const QImage source = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage turned(source.height(), source.width(), QImage::Format_ARGB32_Premultiplied);
    const int width = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            // (x, y) goes to (y, x); turned counter-clockwise, to (y, width - 1 - x).
            const int row = turn == PictureTurn::CounterClockwise ? width - 1 - x : x;
            reinterpret_cast<QRgb*>(turned.scanLine(row))[y] = from[x];
        }
    }
    turned.setDevicePixelRatio(drawn.devicePixelRatio());
    return turned;
}

// Draws the icon it holds turned, each time it is asked: that icon keeps the pixmaps.
class TurnedIconEngine final : public QIconEngine {
public:
    TurnedIconEngine(QIcon icon, PictureTurn turn) : icon_(std::move(icon)), turn_(turn) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap shown = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
        shown.setDevicePixelRatio(scale);
        QRect target(QPoint(), shown.deviceIndependentSize().toSize());
        target.moveCenter(rect.center());
        painter->drawPixmap(target, shown);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (turn_ == PictureTurn::None)
            return icon_.pixmap(size, 1.0, mode, state);
        return QPixmap::fromImage(
            Turned(icon_.pixmap(size.transposed(), 1.0, mode, state).toImage(), turn_));
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap shown = pixmap((QSizeF(size) * scale).toSize(), mode, state);
        shown.setDevicePixelRatio(scale);
        return shown;
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon_.actualSize(size.transposed(), mode, state).transposed();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes = icon_.availableSizes(mode, state);
        for (QSize& size : sizes)
            size.transpose();
        return sizes;
    }
    bool isNull() override { return icon_.isNull(); }
    QString key() const override { return QStringLiteral("tesselo-turned"); }
    QIconEngine* clone() const override { return new TurnedIconEngine(*this); }

private:
    QIcon icon_;
    PictureTurn turn_;
};

} // namespace

QIcon TurnedIcon(const QIcon& icon, PictureTurn turn) {
    if (turn == PictureTurn::None || icon.isNull())
        return icon;
    return QIcon(new TurnedIconEngine(icon, turn));
}

LayoutPage::LayoutPage(PageServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    const ScrolledColumn page = MakeScrolledColumn(*this, QStringLiteral("Layout"));
    content_ = page.Content;
    QVBoxLayout* column = page.Column;

    // The boxes in the order the catalogue first names them, each with its rows.
    std::vector<std::string_view> captions;
    for (const PropertySpec& spec : PropertyCatalog())
        if (spec.Page == CatalogPage::Layout &&
            std::find(captions.begin(), captions.end(), spec.Box) == captions.end())
            captions.push_back(spec.Box);
    for (std::string_view caption : captions) {
        auto* box = new QGroupBox(Tr(caption), content_);
        if (const BoxRole* role = RoleOf(caption))
            box->setObjectName(QString::fromLatin1(role->Name));
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(4, 4, 4, 4);
        grid->setSpacing(2);
        grid->setColumnStretch(1, 1);
        const size_t boxIndex = boxes_.size();
        boxes_.push_back({box, caption, {}});
        for (const PropertySpec& spec : PropertyCatalog()) {
            if (spec.Page != CatalogPage::Layout || spec.Box != caption)
                continue;
            auto control =
                MakeControl(spec, PropertyActions(services_.Editor, spec.Name), services_, box);
            if (!control)
                continue;
            auto* label = new QLabel(CaptionOf(kCaptions, spec.Name), box);
            label->setObjectName(QString::fromStdString(ControlName(spec.Name) + "Label"));
            label->setToolTip(TrHint(spec.Hint).Short);
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(control->Widget(), row, 1);
            rows_.push_back({std::move(control), label, boxIndex, {}});
        }
        column->addWidget(box);
    }
    // The fields of every box start in one column.
    int widest = 0;
    for (const Row& row : rows_)
        widest = std::max(widest, row.Label->sizeHint().width());
    for (const Box& box : boxes_)
        static_cast<QGridLayout*>(box.Widget->layout())->setColumnMinimumWidth(0, widest);
    column->addStretch(1);
    page.Scroll->setWidget(content_);
}

LayoutPage::~LayoutPage() = default;

void LayoutPage::Render() {
    const StyleEditor& editor = services_.Editor;
    // A rule with nested rules, or a group, is edited as text only.
    const bool usable =
        editor.HasCurrentStyle() && !editor.NestedCurrent() && !editor.GroupCurrent();
    content_->setEnabled(usable);
    content_->setToolTip(editor.NestedCurrent()  ? Tr(NestedRulesHint())
                         : editor.GroupCurrent() ? Tr(GroupRowHint())
                                                 : QString());
    const RuleProperties rule(usable ? editor.CurrentBlock() : std::string());
    for (Row& row : rows_) {
        const std::string_view name = row.Control->Spec().Name;
        row.Control->Show(rule.Read(name));
        MarkInactive(*row.Label, InactiveHere(services_, name, row.Control->Shown().has_value()));
    }
    ShowWhatApplies(rule.Read("display"));
    TurnPictures(TurnOf(rule.Read("flex-direction")));
}

QString LayoutPage::Decode(std::string_view bytes) const {
    return services_.Codec.Decode ? services_.Codec.Decode(bytes) : FromUtf8(bytes);
}

void LayoutPage::ShowWhatApplies(const std::optional<PropertyValue>& display) {
    const Container container = ContainerOf(display);
    const QString shown = display ? Decode(display->Value).trimmed() : QString();
    std::vector<size_t> unusable(boxes_.size(), 0);
    std::vector<size_t> rowsOf(boxes_.size(), 0);
    for (Row& row : rows_) {
        const std::string_view name = row.Control->Spec().Name;
        const BoxRole* role = RoleOf(row.Control->Spec().Box);
        const Needs boxNeeds = role ? role->Container : Needs::Nothing;
        const Needs needs =
            AppliesToGridToo(name) && boxNeeds != Needs::Nothing ? Needs::FlexOrGrid : boxNeeds;
        const QString reason = ReasonFor(needs, container, shown);
        ++rowsOf[row.Box];
        if (!reason.isEmpty())
            ++unusable[row.Box];
        // Only a change: in use again, a control shows its own tool tips.
        if (reason == row.Reason)
            continue;
        row.Reason = reason;
        row.Label->setEnabled(reason.isEmpty());
        row.Control->SetUnusable(reason);
    }
    for (size_t i = 0; i < boxes_.size(); ++i) {
        Box& box = boxes_[i];
        const BoxRole* role = RoleOf(box.Caption);
        const QString reason =
            unusable[i] > 0 && role ? ReasonFor(role->Container, container, shown) : QString();
        if (reason == box.Reason)
            continue;
        box.Reason = reason;
        box.Widget->setToolTip(reason);
        // A box none of whose controls works greys as a whole, its caption too.
        box.Widget->setEnabled(unusable[i] == 0 || unusable[i] < rowsOf[i]);
    }
}

void LayoutPage::TurnPictures(PictureTurn turn) {
    if (turn == turn_)
        return;
    if (turned_.empty()) {
        for (const Row& row : rows_) {
            const PropertySpec& spec = row.Control->Spec();
            if (std::find(kTurnedProperties.begin(), kTurnedProperties.end(), spec.Name) ==
                kTurnedProperties.end())
                continue;
            for (std::string_view keyword : ButtonKeywords(spec)) {
                const QString name = QString::fromStdString(ControlName(spec.Name, keyword));
                if (auto* button = row.Control->Widget()->findChild<QAbstractButton*>(name))
                    turned_.push_back({button, button->icon()});
            }
        }
    }
    turn_ = turn;
    for (const TurnedButton& b : turned_)
        b.Button->setIcon(TurnedIcon(b.Drawn, turn));
}

} // namespace tesselo
