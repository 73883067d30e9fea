#include "panel/EffectsPage.h"
#include "panel/UiText.h"

#include "document/ByteText.h"
#include "document/Hint.h"
#include "editor/StyleEditor.h"
#include "mapping/DeclarationList.h"
#include "mapping/Gradient.h"
#include "mapping/LayeredValue.h"
#include "mapping/ValueSyntax.h"
#include "panel/PanelControls.h"
#include "panel/PanelDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <span>
#include <string>

namespace tesselo {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Name(std::string_view property, std::string_view part = {}) {
    return QString::fromStdString(ControlName(property) + std::string(part));
}

// The short caption before each control; a property without one shows its name.
constexpr RowCaption kCaptions[] = {
    {"border-radius", "Все углы"},
    {"border-top-left-radius", "Верхний левый"},
    {"border-top-right-radius", "Верхний правый"},
    {"border-bottom-right-radius", "Нижний правый"},
    {"border-bottom-left-radius", "Нижний левый"},
    {"box-shadow", "Тень блока"},
    {"text-shadow", "Тень текста"},
    {"opacity", "Непрозрачность"},
    {"mix-blend-mode", "Смешение"},
    {"cursor", "Курсор"},
    {"pointer-events", "Мышь"},
    {"transition", "Переходы"},
    {"transform", "Функции"},
    {"transform-origin", "Точка опоры"},
    {"translate", "Сдвиг"},
    {"rotate", "Поворот"},
    {"scale", "Масштаб"},
    {"filter", "Фильтры"},
    {"backdrop-filter", "Под блоком"},
    {"outline", "Запись outline"},
    {"outline-width", "Толщина"},
    {"outline-style", "Вид"},
    {"outline-color", "Цвет"},
    {"outline-offset", "Отступ"},
    {"background-image", "Слои"},
    {"background-size", "Размер"},
    {"background-clip", "Докуда"},
    {"background-origin", "Отсчет"},
    {"text-transform", "Регистр"},
    {"white-space", "Пробелы"},
    {"text-overflow", "Не вместилось"},
    {"word-break", "Перенос в словах"},
    {"overflow-wrap", "Длинные слова"},
    {"list-style", "Запись list-style"},
    {"list-style-type", "Маркер"},
    {"list-style-position", "Место маркера"},
    {"list-style-image", "Картинка маркера"},
};

struct BoxRole {
    std::string_view Caption; // the catalogue's
    const char* Name;
};
constexpr std::string_view kBackgroundBox = "Фон слоями";
constexpr BoxRole kBoxRoles[] = {
    {"Углы", "CornersBox"},
    {"Тени", "ShadowsBox"},
    {"Прозрачность и мышь", "BlendBox"},
    {"Переходы", "TransitionsBox"},
    {"Преобразования", "TransformsBox"},
    {"Фильтры", "FiltersBox"},
    {"Контур", "OutlineBox"},
    {kBackgroundBox, "BackgroundBox"},
    {"Текст и списки", "TextBox"},
};

constexpr std::string_view kCorners[] = {"border-top-left-radius", "border-top-right-radius",
                                         "border-bottom-right-radius", "border-bottom-left-radius"};

QToolButton* SmallButton(QWidget* parent, const QString& name, const QString& text,
                         const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

// A length typed without unit is in pixels; 0 stays as it is.
std::string WithPixels(std::string typed) {
    if (auto split = SplitNumberAndUnit(typed); split && split->Unit.empty() && !typed.empty()) {
        const double number = std::strtod(split->Number.c_str(), nullptr);
        if (number != 0)
            typed += "px";
    }
    return typed;
}

// ---------------------------------------------------------------------------
// Opacity: a number field beside a slider

class OpacityControl final : public PropertyControl {
public:
    OpacityControl(const PropertySpec& spec, PageServices& services, QWidget* parent)
        : PropertyControl(spec, PropertyActions(services.Editor, spec.Name), services) {
        box_ = new QWidget(parent);
        auto* layout = new QHBoxLayout(box_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        field_ = new QLineEdit(box_);
        field_->setObjectName(Name(spec.Name));
        field_->setMaximumWidth(56);
        field_->setStatusTip(LongHint());
        TrackFieldTip(field_);
        slider_ = new QSlider(Qt::Horizontal, box_);
        slider_->setObjectName(Name(spec.Name, "Slider"));
        slider_->setRange(0, 100);
        slider_->setToolTip(ShortHint() + Tr(": от 0 (прозрачный) до 1"));
        slider_->setStatusTip(LongHint());
        layout->addWidget(field_);
        layout->addWidget(slider_, 1);
        QObject::connect(field_, &QLineEdit::editingFinished, this, [this] {
            if (!Quiet())
                TakeTyped(field_->text(), showing_, Fitting(ControlKind::Number));
        });
        // Each position is written as the slider moves; the window takes the writes of
        // one drag as one step.
        QObject::connect(slider_, &QSlider::valueChanged, this, [this](int value) {
            if (!Quiet())
                Change(QString::number(value / 100.0).toStdString());
        });
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        showing_ = value ? Decode(value->Value).trimmed() : QString();
        if (field_->text() != showing_)
            field_->setText(showing_);
        UpdateFieldTip();
        double shown = 1;
        if (value) {
            const std::string text(TrimCssBlanks(value->Value));
            char* end = nullptr;
            shown = std::strtod(text.c_str(), &end);
            if (end && *end == '%')
                shown /= 100;
        }
        const QSignalBlocker block(slider_);
        slider_->setValue(static_cast<int>(std::lround(std::clamp(shown, 0.0, 1.0) * 100)));
    }

private:
    QWidget* box_ = nullptr;
    QLineEdit* field_ = nullptr;
    QSlider* slider_ = nullptr;
    QString showing_;
};

// ---------------------------------------------------------------------------
// A list of comma layers: one row a layer, buttons to add, remove and move them, and the
// selected layer's parts below

class LayerList : public PropertyControl {
public:
    LayerList(const PropertySpec& spec, PageServices& services, QWidget* parent,
              const QString& objectName = {})
        : PropertyControl(spec, PropertyActions(services.Editor, spec.Name), services) {
        const QString name = objectName.isEmpty() ? Name(spec.Name) : objectName;
        box_ = new QWidget(parent);
        auto* column = new QVBoxLayout(box_);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        list_ = new QListWidget(box_);
        list_->setObjectName(name);
        list_->setIconSize(QSize(32, 20));
        // A long layer is cut short in its row, whole in its tip: the page stays narrow.
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list_->setTextElideMode(Qt::ElideRight);
        list_->setMaximumHeight(86);
        list_->setToolTip(ShortHint() + Tr(": один слой в строке"));
        list_->setStatusTip(LongHint());
        row->addWidget(list_, 1);
        auto* buttons = new QVBoxLayout;
        buttons->setSpacing(1);
        add_ = SmallButton(box_, name + QStringLiteral("Add"), QStringLiteral("+"),
                           Tr("Добавить слой"));
        remove_ = SmallButton(box_, name + QStringLiteral("Remove"), QStringLiteral("−"),
                              Tr("Убрать выбранный слой"));
        up_ = SmallButton(box_, name + QStringLiteral("Up"), QStringLiteral("↑"),
                          Tr("Выше: слой рисуется раньше"));
        down_ = SmallButton(box_, name + QStringLiteral("Down"), QStringLiteral("↓"),
                            Tr("Ниже: слой рисуется позже"));
        for (QToolButton* button : {add_, remove_, up_, down_})
            buttons->addWidget(button);
        buttons->addStretch(1);
        row->addLayout(buttons);
        column->addLayout(row);
        editor_ = new QWidget(box_);
        parts_ = new QGridLayout(editor_);
        parts_->setContentsMargins(0, 0, 0, 0);
        parts_->setSpacing(2);
        column->addWidget(editor_);

        QObject::connect(list_, &QListWidget::currentRowChanged, this, [this](int at) {
            if (Quiet() || at < 0)
                return;
            selected_ = static_cast<size_t>(at);
            ShowSelected();
        });
        QObject::connect(add_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Add();
        });
        QObject::connect(remove_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Remove();
        });
        QObject::connect(up_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Move(-1);
        });
        QObject::connect(down_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Move(1);
        });
    }

    QWidget* Widget() const override { return box_; }

protected:
    // A layer's row: its text and picture.
    virtual QIcon Picture(std::string_view layer) const = 0;
    // The layer a click on "+" adds.
    virtual std::string NewLayer() const = 0;
    // The selected layer's parts into the fields; empty for none.
    virtual void ShowLayer(std::string_view layer) = 0;
    // Whether the rows may be added, removed and moved (a value written otherwise is
    // edited part by part only).
    virtual QString Fixed() const { return {}; }
    // Where a new layer goes: after the last one.
    virtual size_t AddedAt() const { return layers_.size(); }

    void Display(const std::optional<PropertyValue>& value) override {
        known_ = !value || value->Known;
        value_ = value ? std::string(TrimCssBlanks(value->Value)) : std::string();
        layers_.clear();
        whole_ = value_.empty() || EqualsIgnoringAsciiCase(value_, "none") ||
                 IsCssWideKeyword(value_) || IsMathOrVarFunction(value_) || !known_;
        if (!whole_)
            for (const ValuePiece& layer : SplitLayers(value_))
                layers_.emplace_back(layer.Text);
        {
            const QSignalBlocker block(list_);
            list_->clear();
            if (whole_ && !value_.empty()) {
                auto* item = new QListWidgetItem(Decode(value_), list_);
                item->setToolTip(Tr("Значение целиком: ") + Decode(value_) +
                                 (known_ ? QString() : QStringLiteral("\n") + SourceNote(value)));
            }
            for (const std::string& layer : layers_) {
                auto* item = new QListWidgetItem(Picture(layer), Decode(layer), list_);
                item->setToolTip(Decode(layer));
            }
            if (selected_ >= layers_.size())
                selected_ = layers_.empty() ? 0 : layers_.size() - 1;
            list_->setCurrentRow(layers_.empty() ? -1 : static_cast<int>(selected_));
        }
        const QString fixed = Fixed();
        const bool movable = fixed.isEmpty() && known_;
        // A var() or a CSS-wide keyword for the whole value is not replaced by a layer.
        const bool replaceable = value_.empty() || EqualsIgnoringAsciiCase(value_, "none");
        add_->setEnabled(movable && (!whole_ || replaceable));
        remove_->setEnabled(movable && (!layers_.empty() || !value_.empty()));
        for (QToolButton* button : {add_, remove_, up_, down_})
            button->setStatusTip(fixed);
        ShowSelected();
    }

    // The selected layer, empty without one.
    std::string_view Selected() const {
        return selected_ < layers_.size() ? std::string_view(layers_[selected_])
                                          : std::string_view();
    }
    size_t SelectedIndex() const { return selected_; }
    size_t LayerCount() const { return layers_.size(); }
    const std::string& Value() const { return value_; }
    // The selected layer written as `layer`, the other layers as they are.
    bool SetSelected(const std::string& layer) {
        if (selected_ >= layers_.size())
            return false;
        return Change(WithLayer(value_, selected_, layer));
    }
    // A row of the editor: a caption and the part's widget.
    void AddPart(const QString& caption, QWidget* widget) {
        const int row = parts_->rowCount();
        parts_->addWidget(new QLabel(caption, editor_), row, 0);
        parts_->addWidget(widget, row, 1);
    }
    QWidget* Editor() const { return editor_; }
    // A field of the editor that takes what is typed when left.
    QLineEdit* PartField(const QString& name, const QString& tip,
                         std::function<void(const std::string&)> typed) {
        auto* field = new QLineEdit(editor_);
        field->setObjectName(name);
        field->setToolTip(tip);
        field->setStatusTip(LongHint());
        QObject::connect(field, &QLineEdit::editingFinished, this,
                         [this, field, typed = std::move(typed)] {
                             if (Quiet() || !field->isModified())
                                 return;
                             field->setModified(false);
                             typed(Encode(field->text().trimmed()));
                         });
        return field;
    }

private:
    void ShowSelected() {
        const bool editable = !whole_ && selected_ < layers_.size();
        editor_->setEnabled(editable);
        ShowLayer(editable ? Selected() : std::string_view());
        const bool movable = Fixed().isEmpty() && known_ && !whole_;
        up_->setEnabled(movable && selected_ > 0);
        down_->setEnabled(movable && selected_ + 1 < layers_.size());
    }

    void Add() {
        const std::string layer = NewLayer();
        const size_t at = AddedAt();
        selected_ = whole_ ? 0 : at;
        Change(whole_ ? layer : WithLayerAdded(value_, at, layer));
    }

    void Remove() {
        if (whole_ || layers_.size() <= 1) {
            ClearValue();
            return;
        }
        const size_t at = selected_;
        if (selected_ > 0 && selected_ + 1 == layers_.size())
            --selected_;
        Change(WithoutLayer(value_, at));
    }

    void Move(int by) {
        if (whole_ || selected_ >= layers_.size())
            return;
        const long to = static_cast<long>(selected_) + by;
        if (to < 0 || static_cast<size_t>(to) >= layers_.size())
            return;
        const size_t from = selected_;
        selected_ = static_cast<size_t>(to);
        if (!Change(WithLayerMoved(value_, from, selected_)))
            selected_ = from;
    }

    QWidget* box_ = nullptr;
    QListWidget* list_ = nullptr;
    QToolButton* add_ = nullptr;
    QToolButton* remove_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QWidget* editor_ = nullptr;
    QGridLayout* parts_ = nullptr;
    std::string value_;
    std::vector<std::string> layers_;
    size_t selected_ = 0;
    bool whole_ = true;
    bool known_ = true;
};

// ---------------------------------------------------------------------------
// Shadows

class ShadowList final : public LayerList {
public:
    ShadowList(const PropertySpec& spec, PageServices& services, QWidget* parent)
        : LayerList(spec, services, parent), forBox_(spec.Name == "box-shadow") {
        const QString name = Name(spec.Name);
        constexpr std::array<std::pair<ShadowPart, const char*>, 4> kLengths = {
            {{ShadowPart::X, "X"},
             {ShadowPart::Y, "Y"},
             {ShadowPart::Blur, "Blur"},
             {ShadowPart::Spread, "Spread"}}};
        const QString captions[] = {Tr("Сдвиг X"), Tr("Сдвиг Y"), Tr("Размытие"), Tr("Растяжение")};
        for (size_t i = 0; i < kLengths.size(); ++i) {
            if (kLengths[i].first == ShadowPart::Spread && !forBox_)
                continue;
            const ShadowPart part = kLengths[i].first;
            QLineEdit* field =
                PartField(name + QLatin1String(kLengths[i].second), captions[i],
                          [this, part](const std::string& typed) {
                              SetPart(part, typed.empty() ? typed : WithPixels(typed));
                          });
            fields_[i] = field;
            AddPart(captions[i], field);
        }
        auto* colorRow = new QWidget(Editor());
        auto* colorLayout = new QHBoxLayout(colorRow);
        colorLayout->setContentsMargins(0, 0, 0, 0);
        swatch_ = new ColorSwatchFrame(colorRow);
        swatch_->setObjectName(name + QStringLiteral("Color"));
        swatch_->setFixedSize(40, 20);
        swatch_->setCursor(Qt::PointingHandCursor);
        swatch_->setToolTip(Tr("Цвет тени, с прозрачностью"));
        swatch_->OnClick = [this] {
            if (!Quiet())
                ChooseColor();
        };
        colorLayout->addWidget(swatch_);
        colorText_ =
            PartField(name + QStringLiteral("ColorText"), Tr("Цвет тени"),
                      [this](const std::string& typed) { SetPart(ShadowPart::Color, typed); });
        colorLayout->addWidget(colorText_, 1);
        AddPart(Tr("Цвет"), colorRow);
        if (forBox_) {
            inset_ = new QCheckBox(Tr("Внутренняя (inset)"), Editor());
            inset_->setObjectName(name + QStringLiteral("Inset"));
            inset_->setToolTip(Tr("Тень внутри блока, а не снаружи"));
            QObject::connect(inset_, &QCheckBox::clicked, this, [this](bool checked) {
                if (!Quiet())
                    SetPart(ShadowPart::Inset, checked ? "inset" : "");
            });
            AddPart(QString(), inset_);
        }
    }

protected:
    QIcon Picture(std::string_view layer) const override {
        QPixmap picture(32, 20);
        picture.fill(Qt::transparent);
        const auto shadow = ParseShadow(layer);
        if (!shadow)
            return QIcon(picture);
        auto px = [](const ValuePiece& piece) {
            auto split = SplitNumberAndUnit(piece.Text);
            const double value = split ? std::strtod(split->Number.c_str(), nullptr) : 0;
            return std::clamp(value, -6.0, 6.0);
        };
        const auto color = shadow->Color.Begin != std::string::npos
                               ? ParseColor(shadow->Color.Text)
                               : std::optional<Color>(Color{0, 0, 0, 255});
        const QColor shade = color ? QColor(color->Red, color->Green, color->Blue, color->Alpha)
                                   : QColor(0, 0, 0, 128);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF block(9, 4, 14, 12);
        const QPointF offset(px(shadow->Lengths[0]) / 2, px(shadow->Lengths[1]) / 2);
        const double blur = shadow->Lengths[2].Begin != std::string::npos
                                ? std::clamp(px(shadow->Lengths[2]) / 2, 0.0, 3.0)
                                : 0;
        if (forBox_) {
            painter.fillRect(QRectF(0, 0, 32, 20), QColor(250, 250, 250));
            if (shadow->Has(ShadowPart::Inset)) {
                painter.fillRect(block, shade);
                painter.fillRect(block.adjusted(2, 2, -2, -2).translated(offset),
                                 QColor(255, 255, 255));
            } else {
                for (int ring = static_cast<int>(blur); ring >= 0; --ring) {
                    QColor faded = shade;
                    faded.setAlphaF(shade.alphaF() / static_cast<float>(ring + 1));
                    painter.fillRect(block.translated(offset).adjusted(-ring, -ring, ring, ring),
                                     faded);
                }
                painter.fillRect(block, QColor(255, 255, 255));
                painter.setPen(QColor(160, 160, 160));
                painter.drawRect(block);
            }
        } else {
            QFont font = painter.font();
            font.setPixelSize(16);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(shade);
            painter.drawText(QRectF(0, 0, 32, 20).translated(offset), Qt::AlignCenter,
                             QStringLiteral("Aa"));
            painter.setPen(QColor(40, 40, 40));
            painter.drawText(QRectF(0, 0, 32, 20), Qt::AlignCenter, QStringLiteral("Aa"));
        }
        return QIcon(picture);
    }

    std::string NewLayer() const override {
        return forBox_ ? "0 2px 4px rgba(0, 0, 0, 0.2)" : "1px 1px 2px rgba(0, 0, 0, 0.5)";
    }

    void ShowLayer(std::string_view layer) override {
        const auto shadow = layer.empty() ? std::nullopt : ParseShadow(layer);
        Editor()->setEnabled(shadow.has_value());
        for (size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i]) {
                const QString text = shadow ? Decode(shadow->Lengths[i].Text) : QString();
                if (fields_[i]->text() != text)
                    fields_[i]->setText(text);
            }
        const std::string_view colorText = shadow ? shadow->Color.Text : std::string_view();
        const auto color = ParseColor(colorText);
        // A colour the swatch cannot show (var(), currentColor) is hatched, its text the tip.
        swatch_->SetColor(color ? QColor(color->Red, color->Green, color->Blue, color->Alpha)
                                : QColor(0, 0, 0, 0),
                          color ? QString() : Decode(colorText));
        if (colorText_->text() != Decode(colorText))
            colorText_->setText(Decode(colorText));
        if (inset_)
            inset_->setChecked(shadow && shadow->Has(ShadowPart::Inset));
    }

private:
    void SetPart(ShadowPart part, const std::string& value) {
        const std::string layer(Selected());
        if (layer.empty())
            return;
        const auto written = WithShadowPart(layer, part, value);
        if (!written || !IsSafeValue(*written)) {
            RefuseTyped(Decode(value), "в тени два-четыре размера подряд, цвет и inset");
            return;
        }
        if (*written != layer)
            SetSelected(*written);
    }

    void ChooseColor() {
        const auto shadow = ParseShadow(Selected());
        if (!shadow)
            return;
        const std::string old(shadow->Color.Text);
        const auto chosen =
            services_.Choices.ChooseColor(ParseColor(old).value_or(Color{0, 0, 0, 128}));
        if (!chosen)
            return;
        // The colour in the notation the layer wrote it in; a new one with its alpha.
        SetPart(ShadowPart::Color,
                WriteColor(*chosen, old.empty() ? ColorNotation::Rgb : NotationOf(old)));
    }

    bool forBox_;
    std::array<QLineEdit*, 4> fields_{};
    ColorSwatchFrame* swatch_ = nullptr;
    QLineEdit* colorText_ = nullptr;
    QCheckBox* inset_ = nullptr;
};

// ---------------------------------------------------------------------------
// Lists of functions: transform, filter

struct FunctionTemplate {
    std::string_view Text;
    std::string_view Caption;
};
constexpr FunctionTemplate kTransforms[] = {
    {"translate(0px, 0px)", "Сдвиг"},  {"translateX(0px)", "Сдвиг по X"},
    {"translateY(0px)", "Сдвиг по Y"}, {"rotate(0deg)", "Поворот"},
    {"scale(1)", "Масштаб"},           {"scaleX(1)", "Масштаб по X"},
    {"scaleY(1)", "Масштаб по Y"},     {"skew(0deg, 0deg)", "Наклон"},
    {"skewX(0deg)", "Наклон по X"},    {"skewY(0deg)", "Наклон по Y"},
};
constexpr FunctionTemplate kFilters[] = {
    {"blur(2px)", "Размытие"},
    {"brightness(1)", "Яркость"},
    {"contrast(1)", "Контраст"},
    {"grayscale(1)", "Оттенки серого"},
    {"sepia(1)", "Сепия"},
    {"saturate(1)", "Насыщенность"},
    {"hue-rotate(0deg)", "Сдвиг оттенка"},
    {"invert(1)", "Инверсия"},
    {"opacity(1)", "Непрозрачность"},
    {"drop-shadow(0 2px 4px rgba(0, 0, 0, 0.5))", "Тень по контуру"},
};

class FunctionList final : public PropertyControl {
public:
    FunctionList(const PropertySpec& spec, PageServices& services, QWidget* parent)
        : PropertyControl(spec, PropertyActions(services.Editor, spec.Name), services) {
        const QString name = Name(spec.Name);
        box_ = new QWidget(parent);
        auto* column = new QVBoxLayout(box_);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        auto* row = new QHBoxLayout;
        list_ = new QListWidget(box_);
        list_->setObjectName(name);
        list_->setMaximumHeight(86);
        list_->setToolTip(ShortHint() + Tr(": одна функция в строке, по порядку"));
        list_->setStatusTip(LongHint());
        row->addWidget(list_, 1);
        auto* buttons = new QVBoxLayout;
        buttons->setSpacing(1);
        add_ = SmallButton(box_, name + QStringLiteral("Add"), QStringLiteral("+"),
                           Tr("Добавить функцию"));
        add_->setPopupMode(QToolButton::InstantPopup);
        auto* menu = new QMenu(add_);
        const bool filter = spec.Name != "transform";
        for (const FunctionTemplate& t : filter ? std::span(kFilters) : std::span(kTransforms)) {
            QAction* action =
                menu->addAction(Tr(t.Caption) + QStringLiteral("  ") + FromUtf8(t.Text));
            action->setObjectName(name + QStringLiteral("Add_") +
                                  FromUtf8(t.Text.substr(0, t.Text.find('('))));
            const std::string text(t.Text);
            QObject::connect(action, &QAction::triggered, this, [this, text] {
                if (!Quiet())
                    Add(text);
            });
        }
        add_->setMenu(menu);
        remove_ = SmallButton(box_, name + QStringLiteral("Remove"), QStringLiteral("−"),
                              Tr("Убрать выбранную функцию"));
        up_ = SmallButton(box_, name + QStringLiteral("Up"), QStringLiteral("↑"),
                          Tr("Раньше в списке"));
        down_ = SmallButton(box_, name + QStringLiteral("Down"), QStringLiteral("↓"),
                            Tr("Позже в списке"));
        for (QToolButton* button : {add_, remove_, up_, down_})
            buttons->addWidget(button);
        buttons->addStretch(1);
        row->addLayout(buttons);
        column->addLayout(row);
        auto* args = new QHBoxLayout;
        args->setSpacing(2);
        for (size_t i = 0; i < args_.size(); ++i) {
            auto* field = new QLineEdit(box_);
            field->setObjectName(name + QStringLiteral("Arg") + QString::number(i));
            field->setMinimumWidth(40);
            field->setToolTip(Tr("Значение функции"));
            QObject::connect(field, &QLineEdit::editingFinished, this, [this, field, i] {
                if (Quiet() || !field->isModified())
                    return;
                field->setModified(false);
                SetArgument(i, Encode(field->text().trimmed()));
            });
            args->addWidget(field);
            args_[i] = field;
        }
        note_ = new QLabel(box_);
        note_->setObjectName(name + QStringLiteral("Note"));
        args->addWidget(note_, 1);
        column->addLayout(args);

        QObject::connect(list_, &QListWidget::currentRowChanged, this, [this](int at) {
            if (Quiet() || at < 0)
                return;
            selected_ = static_cast<size_t>(at);
            ShowSelected();
        });
        QObject::connect(remove_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Remove();
        });
        QObject::connect(up_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Move(-1);
        });
        QObject::connect(down_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Move(1);
        });
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        value_ = value ? std::string(TrimCssBlanks(value->Value)) : std::string();
        functions_ = value_.empty() ? std::nullopt : SplitFunctions(value_);
        known_ = !value || value->Known;
        const bool none = value_.empty() || EqualsIgnoringAsciiCase(value_, "none");
        const QSignalBlocker block(list_);
        list_->clear();
        if (functions_) {
            for (const FunctionPiece& function : *functions_)
                list_->addItem(Decode(function.Whole.Text));
            selected_ = std::min(selected_, functions_->size() - 1);
            list_->setCurrentRow(static_cast<int>(selected_));
        } else if (!none) {
            list_->addItem(Decode(value_)); // a var(), a keyword: the value as a whole
        }
        add_->setEnabled(known_ && (functions_ || none));
        remove_->setEnabled(known_ && !value_.empty());
        ShowSelected();
    }

private:
    void ShowSelected() {
        const FunctionPiece* function =
            functions_ && selected_ < functions_->size() ? &(*functions_)[selected_] : nullptr;
        // A matrix is kept as it is written: its numbers say little one by one.
        const bool matrix = function && StartsWithMatrix(function->Name);
        const size_t count =
            function && !matrix ? std::min(function->Args.size(), args_.size()) : 0;
        for (size_t i = 0; i < args_.size(); ++i) {
            args_[i]->setVisible(i < count);
            const QString text = i < count ? Decode(function->Args[i].Text) : QString();
            if (args_[i]->text() != text)
                args_[i]->setText(text);
            args_[i]->setModified(false);
        }
        note_->setText(matrix ? Tr("%1() правится как текст").arg(Decode(function->Name))
                              : QString());
        const bool movable = known_ && functions_.has_value();
        up_->setEnabled(movable && selected_ > 0);
        down_->setEnabled(movable && functions_ && selected_ + 1 < functions_->size());
    }

    static bool StartsWithMatrix(std::string_view name) {
        return EqualsIgnoringAsciiCase(name, "matrix") || EqualsIgnoringAsciiCase(name, "matrix3d");
    }

    void Add(const std::string& function) {
        selected_ = functions_ ? functions_->size() : 0;
        Change(WithFunctionAdded(value_, function));
    }

    void Remove() {
        if (!functions_ || functions_->size() <= 1) {
            ClearValue();
            return;
        }
        const size_t at = selected_;
        if (selected_ + 1 == functions_->size())
            --selected_;
        if (auto written = WithoutFunction(value_, at))
            Change(*written);
    }

    void Move(int by) {
        if (!functions_)
            return;
        const long to = static_cast<long>(selected_) + by;
        if (to < 0 || static_cast<size_t>(to) >= functions_->size())
            return;
        const size_t from = selected_;
        selected_ = static_cast<size_t>(to);
        const auto written = WithFunctionMoved(value_, from, selected_);
        if (!written || !Change(*written))
            selected_ = from;
    }

    // A number typed alone takes the unit the function measures in: degrees for a turn
    // or a slant, pixels for a shift or a blur; a scale or an amount stays a number.
    std::string WithUnit(const std::string& typed) const {
        auto split = SplitNumberAndUnit(typed);
        if (!split || !split->Unit.empty() || !functions_ || selected_ >= functions_->size())
            return typed;
        const std::string name = LowerAscii((*functions_)[selected_].Name);
        for (std::string_view angled : {"rotate", "skew", "hue-rotate"})
            if (name.starts_with(angled))
                return typed + "deg";
        const bool zero = std::strtod(split->Number.c_str(), nullptr) == 0;
        for (std::string_view shifted : {"translate", "blur", "drop-shadow", "perspective"})
            if (name.starts_with(shifted) && !zero)
                return typed + "px";
        return typed;
    }

    void SetArgument(size_t arg, const std::string& typedText) {
        const std::string typed = WithUnit(typedText);
        const auto written = typed.empty() || !IsSafeValue(typed)
                                 ? std::nullopt
                                 : WithArgument(value_, selected_, arg, typed);
        if (!written) {
            RefuseTyped(Decode(typed), "значение функции не может быть пустым или содержать "
                                       "запятую и скобку вне своих скобок");
            return;
        }
        Change(*written);
    }

    QWidget* box_ = nullptr;
    QListWidget* list_ = nullptr;
    QToolButton* add_ = nullptr;
    QToolButton* remove_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    std::array<QLineEdit*, 4> args_{};
    QLabel* note_ = nullptr;
    std::string value_;
    std::optional<std::vector<FunctionPiece>> functions_;
    size_t selected_ = 0;
    bool known_ = true;
};

// ---------------------------------------------------------------------------
// Gradients drawn

QColor QColorOf(std::string_view text) {
    const auto color = ParseColor(text);
    return color ? QColor(color->Red, color->Green, color->Blue, color->Alpha)
                 : QColor(128, 128, 128, 128); // var() and its kin: no one colour
}

std::vector<GradientStopBar::Stop> BarStops(const Gradient& gradient) {
    std::vector<GradientStopBar::Stop> stops;
    const auto fractions = StopFractions(gradient);
    const auto indexes = ColorStopIndexes(gradient);
    for (size_t i = 0; i < indexes.size(); ++i)
        stops.push_back({fractions[i], QColorOf(gradient.Stops[indexes[i]].Color.Text)});
    return stops;
}

QGradientStops QtStops(const std::vector<GradientStopBar::Stop>& stops) {
    QGradientStops qt;
    for (const auto& stop : stops)
        qt.append({stop.At, stop.Color});
    return qt;
}

void PaintChecks(QPainter& painter, const QRectF& rect) {
    painter.fillRect(rect, QColor(255, 255, 255));
    const int cell = 4;
    for (int y = 0; y * cell < rect.height(); ++y)
        for (int x = 0; x * cell < rect.width(); ++x)
            if ((x + y) % 2)
                painter.fillRect(QRectF(rect.left() + x * cell, rect.top() + y * cell, cell, cell)
                                     .intersected(rect),
                                 QColor(204, 204, 204));
}

// The gradient over the rectangle as a browser lays it out, near enough for a picture.
void PaintGradient(QPainter& painter, const QRectF& rect, const Gradient& gradient) {
    const QGradientStops stops = QtStops(BarStops(gradient));
    const QPointF center = rect.center();
    if (gradient.Shape == GradientShape::Linear) {
        const double radians = GradientDegrees(gradient).value_or(180) * std::numbers::pi / 180;
        const QPointF direction(std::sin(radians), -std::cos(radians));
        const double length =
            std::abs(rect.width() * direction.x()) + std::abs(rect.height() * direction.y());
        QLinearGradient linear(center - direction * length / 2, center + direction * length / 2);
        linear.setStops(stops);
        linear.setSpread(gradient.Repeating ? QGradient::RepeatSpread : QGradient::PadSpread);
        painter.fillRect(rect, linear);
    } else if (gradient.Shape == GradientShape::Radial) {
        QRadialGradient radial(center, std::max(rect.width(), rect.height()) / 2);
        radial.setStops(stops);
        painter.fillRect(rect, radial);
    } else {
        // Qt turns anticlockwise from the east, CSS clockwise from the top.
        QConicalGradient conic(center, 90 - GradientDegrees(gradient).value_or(0));
        QGradientStops reversed;
        for (auto it = stops.rbegin(); it != stops.rend(); ++it)
            reversed.append({1 - it->first, it->second});
        conic.setStops(reversed);
        painter.fillRect(rect, conic);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Transitions: layers of the shorthand, or of the longhands where the author wrote those

class EffectsPage::TransitionList final : public LayerList {
public:
    TransitionList(const PropertySpec& spec, PageServices& services, QWidget* parent)
        : LayerList(spec, services, parent) {
        const QString name = Name(spec.Name);
        property_ = new QComboBox(Editor());
        property_->setObjectName(name + QStringLiteral("Property"));
        property_->setEditable(true);
        property_->setInsertPolicy(QComboBox::NoInsert);
        property_->setToolTip(Tr("Свойство, которое меняется плавно; all — все"));
        QStringList names{QStringLiteral("all")};
        for (const PropertySpec& row : PropertyCatalog())
            names << FromUtf8(row.Name);
        property_->addItems(names);
        property_->completer()->setCompletionMode(QCompleter::PopupCompletion);
        QObject::connect(property_, &QComboBox::activated, this, [this](int index) {
            if (!Quiet())
                SetPart(TransitionPart::Property, Encode(property_->itemText(index)));
        });
        QObject::connect(property_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
            if (!Quiet() && property_->lineEdit()->isModified()) {
                property_->lineEdit()->setModified(false);
                SetPart(TransitionPart::Property, Encode(property_->currentText().trimmed()));
            }
        });
        AddPart(Tr("Свойство"), property_);
        AddPart(Tr("Длительность"), PartField(name + QStringLiteral("Duration"),
                                              Tr("Длительность перехода: .3s, 200ms"),
                                              [this](const std::string& typed) {
                                                  SetPart(TransitionPart::Duration, typed);
                                              }));
        timing_ = new QComboBox(Editor());
        timing_->setObjectName(name + QStringLiteral("Timing"));
        timing_->setEditable(true);
        timing_->setInsertPolicy(QComboBox::NoInsert);
        timing_->setToolTip(Tr("Ход перехода во времени"));
        for (const char* timing : {"ease", "linear", "ease-in", "ease-out", "ease-in-out",
                                   "steps(4, end)", "cubic-bezier(0.25, 0.1, 0.25, 1)"})
            timing_->addItem(QString::fromLatin1(timing));
        QObject::connect(timing_, &QComboBox::activated, this, [this](int index) {
            if (!Quiet())
                SetPart(TransitionPart::Timing, Encode(timing_->itemText(index)));
        });
        QObject::connect(timing_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
            if (!Quiet() && timing_->lineEdit()->isModified()) {
                timing_->lineEdit()->setModified(false);
                SetPart(TransitionPart::Timing, Encode(timing_->currentText().trimmed()));
            }
        });
        AddPart(Tr("Ход"), timing_);
        curve_ = new BezierCurveEditor(Editor());
        curve_->setObjectName(name + QStringLiteral("Curve"));
        curve_->setToolTip(Tr("Кривая cubic-bezier(): перетащите точки"));
        curve_->OnDrag = [this](const std::array<double, 4>& handles) {
            if (!Quiet())
                SetPart(TransitionPart::Timing, CubicBezierText(handles));
        };
        AddPart(QString(), curve_);
        AddPart(
            Tr("Задержка"),
            PartField(name + QStringLiteral("Delay"), Tr("Задержка перед переходом: 0s, 100ms"),
                      [this](const std::string& typed) { SetPart(TransitionPart::Delay, typed); }));
    }

    // Shows the rule's transition: its shorthand, or its longhands as layers.
    void ShowRule(const RuleProperties& rule) {
        longhands_ = {};
        longhandMode_ = false;
        mixed_ = false;
        const auto shorthand = rule.Read("transition");
        size_t layers = 0;
        for (size_t i = 0; i < kLonghands.size(); ++i) {
            const auto part = rule.Read(kLonghands[i]);
            if (!part || part->FromShorthand)
                continue;
            if (shorthand)
                mixed_ = true; // both: the parts are not the shorthand's layers
            longhands_[i] = part->Value;
            longhandMode_ = true;
            layers = std::max(layers, SplitLayers(part->Value).size());
        }
        if (!longhandMode_ || mixed_) {
            Show(shorthand);
            return;
        }
        // Layer i of the longhands written together, each list repeated as it runs out.
        std::string value;
        for (size_t layer = 0; layer < layers; ++layer) {
            std::string text;
            for (const std::string& list : longhands_) {
                const auto parts = SplitLayers(list);
                if (parts.empty())
                    continue;
                // In steps: a literal + a temporary string makes GCC 12 at -O3 warn
                // falsely of overlapping copies (-Wrestrict).
                if (!text.empty())
                    text += ' ';
                text += parts[layer % parts.size()].Text;
            }
            if (!value.empty())
                value += ", ";
            value += text;
        }
        PropertyValue composed;
        composed.Value = value;
        Show(composed);
    }

protected:
    QIcon Picture(std::string_view layer) const override {
        QPixmap picture(32, 20);
        picture.fill(Qt::transparent);
        const auto transition = ParseTransition(layer);
        const std::string_view timing =
            transition ? transition->Piece(TransitionPart::Timing).Text : std::string_view();
        // Without a timing function the transition eases.
        const auto curve =
            transition ? CubicBezierOf(timing.empty() ? "ease" : timing) : std::nullopt;
        if (!curve)
            return QIcon(picture);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF square(8, 2, 16, 16);
        auto at = [&](double x, double y) {
            return QPointF(square.left() + x * square.width(),
                           square.bottom() - y * square.height());
        };
        QPainterPath path(at(0, 0));
        path.cubicTo(at((*curve)[0], (*curve)[1]), at((*curve)[2], (*curve)[3]), at(1, 1));
        painter.setPen(QPen(QColor(0x1d, 0x4f, 0x99), 1.5));
        painter.drawPath(path);
        return QIcon(picture);
    }

    std::string NewLayer() const override { return "all 0.3s ease"; }

    QString Fixed() const override {
        if (mixed_)
            return Tr("Переход записан и свойством transition, и отдельными "
                      "свойствами: правьте его в тексте правила");
        if (longhandMode_)
            return Tr("Переходы записаны отдельными свойствами transition-*: слои "
                      "добавляются и переставляются в тексте правила");
        return {};
    }

    void ShowLayer(std::string_view layer) override {
        const auto transition = layer.empty() ? std::nullopt : ParseTransition(layer);
        Editor()->setEnabled(transition.has_value() && !mixed_);
        auto text = [&](TransitionPart part) {
            return transition ? Decode(transition->Piece(part).Text) : QString();
        };
        property_->setEditText(text(TransitionPart::Property));
        for (auto [name, part] : {std::pair{"Duration", TransitionPart::Duration},
                                  std::pair{"Delay", TransitionPart::Delay}}) {
            auto* field = Editor()->findChild<QLineEdit*>(Name(spec_.Name) + QLatin1String(name));
            if (field && field->text() != text(part))
                field->setText(text(part));
        }
        const QString timing = text(TransitionPart::Timing);
        timing_->setEditText(timing);
        const auto curve = CubicBezierOf(timing.isEmpty() ? "ease" : Encode(timing));
        curve_->setEnabled(transition.has_value() && (timing.isEmpty() || curve.has_value()));
        if (curve)
            curve_->SetHandles(*curve);
    }

private:
    static constexpr std::array<std::string_view, 4> kLonghands = {
        "transition-property", "transition-duration", "transition-timing-function",
        "transition-delay"};
    static constexpr std::array<std::string_view, 4> kInitial = {"all", "0s", "ease", "0s"};

    void SetPart(TransitionPart part, const std::string& value) {
        const std::string layer(Selected());
        if (layer.empty() || mixed_)
            return;
        const auto written = WithTransitionPart(layer, part, value);
        if (!written || !IsSafeValue(*written)) {
            RefuseTyped(Decode(value), "в переходе свойство, длительность, ход и задержка");
            return;
        }
        if (*written == layer)
            return;
        if (!longhandMode_) {
            SetSelected(*written);
            return;
        }
        // The longhand of the part, its layer changed in its place.
        const size_t index = static_cast<size_t>(part);
        const std::string property(kLonghands[index]);
        const std::string list = LonghandWith(index, value);
        const bool changed = list.empty() ? services_.Editor.RemoveProperty(property)
                                          : services_.Editor.SetProperty(property, list);
        if (!changed)
            Tell(TrFillText("Свойство %1 не изменено: правка задела бы другие объявления "
                            "правила.\rПравило не изменено.",
                            property));
    }

    // The longhand's list with the selected layer's item set to `value` (taken away when
    // empty): in its place where the list has an item for each layer, else written out
    // for every layer, each as the list repeats it or as the initial value.
    std::string LonghandWith(size_t index, const std::string& value) const {
        const std::string& list = longhands_[index];
        const auto items = SplitLayers(list);
        const size_t at = SelectedIndex();
        if (items.size() == LayerCount())
            return value.empty() ? WithoutLayer(list, at) : WithLayer(list, at, value);
        std::string written;
        for (size_t layer = 0; layer < LayerCount(); ++layer) {
            std::string item = layer == at     ? value
                               : items.empty() ? std::string(kInitial[index])
                                               : std::string(items[layer % items.size()].Text);
            if (item.empty())
                item = kInitial[index];
            written += (written.empty() ? "" : ", ") + item;
        }
        return written;
    }

    QComboBox* property_ = nullptr;
    QComboBox* timing_ = nullptr;
    BezierCurveEditor* curve_ = nullptr;
    std::array<std::string, 4> longhands_;
    bool longhandMode_ = false;
    bool mixed_ = false;
};

// ---------------------------------------------------------------------------
// Background layers: of the shorthand where the author wrote it, else of background-image
// with the other longhands' lists; a gradient's stops on a strip

class EffectsPage::BackgroundList final : public LayerList {
public:
    BackgroundList(const PropertySpec& spec, PageServices& services, QWidget* parent)
        : LayerList(spec, services, parent, QStringLiteral("Background")) {
        // The layers are those of the property the author wrote.
        actions_ = {[this](const std::string& value) {
                        // Layers that read as a background stay so: the colour stays in
                        // the last one.
                        if (layersRead_ && !LayersRead(value))
                            return false;
                        return services_.Editor.SetProperty(Property(), value);
                    },
                    [this] { return services_.Editor.RemoveProperty(Property()); }};
        image_ = PartField(
            QStringLiteral("BackgroundLayerImage"), Tr("Рисунок слоя: url(...) или градиент"),
            [this](const std::string& typed) { SetPart(BackgroundPart::Image, typed); });
        AddPart(Tr("Рисунок"), image_);

        stops_ = new GradientStopBar(Editor());
        stops_->setObjectName(QStringLiteral("BackgroundStops"));
        stops_->setToolTip(Tr("Точки градиента: перетащите точку, щелкните по полосе, "
                              "чтобы добавить точку"));
        stops_->OnSelect = [this](int stop) {
            selectedStop_ = static_cast<size_t>(stop);
            ShowStop();
        };
        stops_->OnDrag = [this](int stop, double at) {
            if (!Quiet())
                MoveStop(static_cast<size_t>(stop), at);
        };
        stops_->OnAdd = [this](double at) {
            if (!Quiet())
                AddStop(at);
        };
        AddPart(Tr("Градиент"), stops_);

        auto* stopRow = new QWidget(Editor());
        auto* stopLayout = new QHBoxLayout(stopRow);
        stopLayout->setContentsMargins(0, 0, 0, 0);
        stopLayout->setSpacing(2);
        swatch_ = new ColorSwatchFrame(stopRow);
        swatch_->setObjectName(QStringLiteral("BackgroundStopColor"));
        swatch_->setFixedSize(32, 20);
        swatch_->setCursor(Qt::PointingHandCursor);
        swatch_->setToolTip(Tr("Цвет выбранной точки, с прозрачностью"));
        swatch_->OnClick = [this] {
            if (!Quiet())
                ChooseStopColor();
        };
        stopLayout->addWidget(swatch_);
        stopColor_ =
            PartField(QStringLiteral("BackgroundStopColorText"), Tr("Цвет выбранной точки"),
                      [this](const std::string& typed) { SetStopColor(typed); });
        stopColor_->setMinimumWidth(40);
        stopLayout->addWidget(stopColor_, 1);
        removeStop_ = SmallButton(stopRow, QStringLiteral("BackgroundStopRemove"),
                                  QStringLiteral("−"), Tr("Убрать выбранную точку"));
        QObject::connect(removeStop_, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                RemoveStop();
        });
        stopLayout->addWidget(removeStop_);
        AddPart(Tr("Точка"), stopRow);
        angle_ =
            PartField(QStringLiteral("BackgroundAngle"), Tr("Угол градиента: 45deg, .25turn, 1rad"),
                      [this](const std::string& typed) { SetAngle(typed); });
        AddPart(Tr("Угол"), angle_);

        position_ = PartField(
            QStringLiteral("BackgroundLayerPosition"),
            Tr("Положение слоя: center, left 10px top, 50% 0"),
            [this](const std::string& typed) { SetPart(BackgroundPart::Position, typed); });
        AddPart(Tr("Положение"), position_);
        struct Choice {
            BackgroundPart Part;
            const char* Name;
            const char* Caption;
            const char* Tip;
            std::initializer_list<const char*> Items;
        };
        const Choice choices[] = {
            {BackgroundPart::Size,
             "BackgroundLayerSize",
             "Размер",
             "Размер слоя: cover, contain, auto или длины",
             {"", "auto", "cover", "contain", "100% 100%"}},
            {BackgroundPart::Repeat,
             "BackgroundLayerRepeat",
             "Повтор",
             "Повтор слоя",
             {"", "repeat", "no-repeat", "repeat-x", "repeat-y", "space", "round"}},
            {BackgroundPart::Attachment,
             "BackgroundLayerAttachment",
             "Прокрутка",
             "Прокрутка слоя",
             {"", "scroll", "fixed", "local"}},
            {BackgroundPart::Origin,
             "BackgroundLayerOrigin",
             "Отсчет",
             "От чего отсчитывается положение слоя",
             {"", "padding-box", "border-box", "content-box"}},
            {BackgroundPart::Clip,
             "BackgroundLayerClip",
             "Докуда",
             "Докуда рисуется слой",
             {"", "border-box", "padding-box", "content-box", "text"}},
        };
        for (const Choice& choice : choices) {
            auto* box = new QComboBox(Editor());
            box->setObjectName(QString::fromLatin1(choice.Name));
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setToolTip(Tr(choice.Tip));
            for (const char* item : choice.Items)
                box->addItem(QString::fromLatin1(item));
            const BackgroundPart part = choice.Part;
            QObject::connect(box, &QComboBox::activated, this, [this, box, part](int index) {
                if (!Quiet())
                    SetPart(part, Encode(box->itemText(index)));
            });
            QObject::connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box, part] {
                if (!Quiet() && box->lineEdit()->isModified()) {
                    box->lineEdit()->setModified(false);
                    SetPart(part, Encode(box->currentText().trimmed()));
                }
            });
            choices_[static_cast<size_t>(part)] = box;
            AddPart(Tr(choice.Caption), box);
        }
    }

    // Shows the rule's background: the shorthand's layers where the author wrote the
    // shorthand last, else background-image's with the other longhands.
    void ShowRule(const RuleProperties& rule) {
        std::optional<size_t> shorthand, image;
        for (size_t i = 0; i < rule.Declarations().size(); ++i) {
            const std::string& name = rule.Declarations()[i].Property;
            if (name == "background")
                shorthand = i;
            else if (name == "background-image")
                image = i;
        }
        shorthand_ = shorthand && (!image || *image < *shorthand);
        longhands_ = {};
        layersRead_ = false;
        if (shorthand_) {
            PropertyValue whole;
            whole.Value = std::string(rule.ValueAt(*shorthand));
            layersRead_ = LayersRead(whole.Value);
            whole.Declaration = *shorthand;
            Show(whole);
            return;
        }
        for (size_t i = 0; i < kLonghands.size(); ++i)
            if (const auto list = rule.Read(kLonghands[i]); list && !list->FromShorthand)
                longhands_[i] = list->Value;
        if (image) {
            PropertyValue own;
            own.Value = std::string(rule.ValueAt(*image));
            own.Declaration = *image;
            Show(own);
        } else {
            Show(std::nullopt);
        }
    }

protected:
    QIcon Picture(std::string_view layer) const override {
        QPixmap picture(32, 20);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        const QRectF rect(1, 1, 30, 18);
        PaintChecks(painter, rect);
        const std::string image = ImageOf(layer, IsLast(layer));
        if (shorthand_)
            if (const auto parsed = ParseBackgroundLayer(layer, IsLast(layer));
                parsed && parsed->Has(BackgroundPart::Color))
                painter.fillRect(rect, QColorOf(parsed->Piece(BackgroundPart::Color).Text));
        if (const auto gradient = ParseGradient(image)) {
            PaintGradient(painter, rect, *gradient);
        } else if (!image.empty() && !EqualsIgnoringAsciiCase(image, "none")) {
            // A picture of a picture: a hill under a sun.
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x5a, 0x8f, 0xd0));
            painter.drawPolygon(QPolygonF({{4, 18}, {13, 8}, {20, 14}, {24, 11}, {30, 18}}));
            painter.setBrush(QColor(0xe0, 0xa0, 0x20));
            painter.drawEllipse(QPointF(24, 5), 2.5, 2.5);
        }
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        return QIcon(picture);
    }

    std::string NewLayer() const override {
        return "linear-gradient(to bottom, rgba(255, 255, 255, 0.5), rgba(255, 255, 255, 0))";
    }

    void ShowLayer(std::string_view layer) override {
        const bool last = SelectedIndex() + 1 == LayerCount();
        const auto parsed =
            shorthand_ && !layer.empty() ? ParseBackgroundLayer(layer, last) : std::nullopt;
        const bool usable = !layer.empty() && (!shorthand_ || parsed);
        Editor()->setEnabled(usable);
        Editor()->setToolTip(usable || layer.empty()
                                 ? QString()
                                 : Tr("Части этого слоя не разобрать: правьте его "
                                      "в тексте правила"));
        const std::string image = usable ? ImageOf(layer, last) : std::string();
        SetText(image_, Decode(image));
        SetText(position_,
                usable ? Decode(PartOf(layer, last, BackgroundPart::Position)) : QString());
        for (size_t i = 0; i < choices_.size(); ++i)
            if (choices_[i])
                choices_[i]->setEditText(
                    usable ? Decode(PartOf(layer, last, static_cast<BackgroundPart>(i)))
                           : QString());
        // The gradient's pieces point into its own copy of the text.
        gradientText_ = image;
        gradient_ = ParseGradient(gradientText_);
        const auto stops = gradient_ ? BarStops(*gradient_) : std::vector<GradientStopBar::Stop>();
        if (selectedStop_ >= stops.size())
            selectedStop_ = 0;
        stops_->SetStops(stops, stops.empty() ? -1 : static_cast<int>(selectedStop_));
        stops_->setEnabled(gradient_.has_value());
        angle_->setEnabled(gradient_ && gradient_->Shape != GradientShape::Radial);
        SetText(angle_, gradient_ ? Decode(gradient_->Angle.Text) : QString());
        ShowStop();
    }

private:
    static constexpr std::array<std::string_view, kBackgroundParts> kLonghands = {
        "background-image",      "background-position", "background-size", "background-repeat",
        "background-attachment", "background-origin",   "background-clip", "background-color"};
    static constexpr std::array<std::string_view, kBackgroundParts> kInitial = {
        "none", "0% 0%", "auto", "repeat", "scroll", "padding-box", "border-box", "transparent"};

    std::string Property() const { return shorthand_ ? "background" : "background-image"; }

    // Whether every layer of the shorthand's value reads as a background layer.
    static bool LayersRead(std::string_view value) {
        const auto layers = SplitLayers(value);
        for (size_t i = 0; i < layers.size(); ++i)
            if (!ParseBackgroundLayer(layers[i].Text, i + 1 == layers.size()))
                return false;
        return !layers.empty();
    }

    // A new layer goes before a last layer that holds the colour.
    size_t AddedAt() const override {
        if (!shorthand_ || LayerCount() == 0)
            return LayerCount();
        const auto layers = SplitLayers(Value());
        const auto last = ParseBackgroundLayer(layers.back().Text, true);
        return last && last->Has(BackgroundPart::Color) ? LayerCount() - 1 : LayerCount();
    }

    // A row's picture knows its layer by its text alone.
    bool IsLast(std::string_view layer) const { return LastLayerText() == layer; }
    std::string_view LastLayerText() const {
        const auto layers = SplitLayers(Value());
        return layers.empty() ? std::string_view() : layers.back().Text;
    }

    static void SetText(QLineEdit* field, const QString& text) {
        if (field->text() != text)
            field->setText(text);
        field->setModified(false);
    }

    // The layer's picture: the shorthand's image part, or the layer itself.
    std::string ImageOf(std::string_view layer, bool last) const {
        if (!shorthand_)
            return std::string(layer);
        const auto parsed = ParseBackgroundLayer(layer, last);
        return parsed ? std::string(parsed->Piece(BackgroundPart::Image).Text) : std::string();
    }

    // A part of the layer: the shorthand's, or the item of the longhand's list.
    std::string PartOf(std::string_view layer, bool last, BackgroundPart part) const {
        if (shorthand_) {
            const auto parsed = ParseBackgroundLayer(layer, last);
            return parsed ? std::string(parsed->Piece(part).Text) : std::string();
        }
        const auto items = SplitLayers(longhands_[static_cast<size_t>(part)]);
        return items.empty() ? std::string()
                             : std::string(items[SelectedIndex() % items.size()].Text);
    }

    void SetPart(BackgroundPart part, const std::string& value) {
        const std::string layer(Selected());
        if (layer.empty())
            return;
        if (shorthand_) {
            const auto written =
                WithBackgroundPart(layer, SelectedIndex() + 1 == LayerCount(), part, value);
            if (!written) {
                RefuseTyped(Decode(value), "в слое фона рисунок, положение / размер, повтор, "
                                           "прокрутка, области и цвет последнего слоя");
                return;
            }
            if (*written != layer)
                SetSelected(*written);
            return;
        }
        if (part == BackgroundPart::Image) {
            if (value.empty() || !IsSafeValue(value) || SplitLayers(value).size() != 1) {
                RefuseTyped(Decode(value), "рисунок слоя: url(...), градиент или none");
                return;
            }
            if (value != layer)
                SetSelected(value);
            return;
        }
        // The longhand of the part, its layer's item changed in its place.
        const size_t index = static_cast<size_t>(part);
        if (!value.empty() && (!IsSafeValue(value) || SplitLayers(value).size() != 1)) {
            RefuseTyped(Decode(value));
            return;
        }
        const std::string property(kLonghands[index]);
        const std::string list = LonghandWith(index, value);
        const bool changed = list.empty() ? services_.Editor.RemoveProperty(property)
                                          : services_.Editor.SetProperty(property, list);
        if (!changed)
            Tell(TrFillText("Свойство %1 не изменено: правка задела бы другие объявления "
                            "правила.\rПравило не изменено.",
                            property));
    }

    // The longhand's list with the selected layer's item set to `value`: in its place
    // where the list has an item for each layer, else written out for every layer.
    std::string LonghandWith(size_t index, const std::string& value) const {
        const std::string& list = longhands_[index];
        const auto items = SplitLayers(list);
        const size_t at = SelectedIndex();
        if (items.size() == LayerCount())
            return value.empty() && LayerCount() == 1
                       ? std::string()
                       : WithLayer(list, at, value.empty() ? kInitial[index] : value);
        std::string written;
        for (size_t layer = 0; layer < LayerCount(); ++layer) {
            std::string item = layer == at     ? value
                               : items.empty() ? std::string(kInitial[index])
                                               : std::string(items[layer % items.size()].Text);
            if (item.empty())
                item = kInitial[index];
            written += (written.empty() ? "" : ", ") + item;
        }
        return written;
    }

    std::string GradientText() const {
        const std::string layer(Selected());
        return layer.empty() ? std::string() : ImageOf(layer, SelectedIndex() + 1 == LayerCount());
    }

    // The colour stop's index into the gradient's items.
    std::optional<size_t> StopItem(size_t stop) const {
        if (!gradient_)
            return std::nullopt;
        const auto indexes = ColorStopIndexes(*gradient_);
        return stop < indexes.size() ? std::optional(indexes[stop]) : std::nullopt;
    }

    void ShowStop() {
        const auto item = StopItem(selectedStop_);
        const std::string_view color =
            item ? gradient_->Stops[*item].Color.Text : std::string_view();
        swatch_->SetColor(item ? QColorOf(color) : QColor(0, 0, 0, 0),
                          ParseColor(color) ? QString() : Decode(color));
        swatch_->setEnabled(item.has_value());
        SetText(stopColor_, Decode(color));
        stopColor_->setEnabled(item.has_value());
        removeStop_->setEnabled(gradient_ && ColorStopIndexes(*gradient_).size() > 2);
    }

    void MoveStop(size_t stop, double at) {
        selectedStop_ = stop;
        const auto item = StopItem(stop);
        if (!item)
            return;
        const auto written = WithStopPosition(GradientText(), *item, PercentText(at));
        if (written)
            SetPart(BackgroundPart::Image, *written);
    }

    void AddStop(double at) {
        if (!gradient_)
            return;
        const auto fractions = StopFractions(*gradient_);
        size_t before = 0;
        while (before + 2 < fractions.size() && fractions[before + 1] <= at)
            ++before;
        const auto item = StopItem(before);
        const auto added = item ? WithStopAdded(GradientText(), *item, at) : std::nullopt;
        if (!added)
            return;
        const auto again = ParseGradient(added->Text);
        selectedStop_ = 0;
        if (again) {
            const auto indexes = ColorStopIndexes(*again);
            selectedStop_ = static_cast<size_t>(
                std::find(indexes.begin(), indexes.end(), added->Index) - indexes.begin());
        }
        SetPart(BackgroundPart::Image, added->Text);
    }

    void RemoveStop() {
        const auto item = StopItem(selectedStop_);
        const auto written = item ? WithoutStop(GradientText(), *item) : std::nullopt;
        if (!written) {
            Tell(TrFillText("В градиенте остаются хотя бы две точки.\rПравило не изменено."));
            return;
        }
        if (selectedStop_ > 0)
            --selectedStop_;
        SetPart(BackgroundPart::Image, *written);
    }

    void SetStopColor(const std::string& color) {
        const auto item = StopItem(selectedStop_);
        const auto written = item ? WithStopColor(GradientText(), *item, color) : std::nullopt;
        if (!written || !IsSafeValue(color)) {
            RefuseTyped(Decode(color), "цвет точки градиента");
            return;
        }
        SetPart(BackgroundPart::Image, *written);
    }

    void ChooseStopColor() {
        const auto item = StopItem(selectedStop_);
        if (!item)
            return;
        const std::string old(gradient_->Stops[*item].Color.Text);
        const auto chosen = services_.Choices.ChooseColor(ParseColor(old).value_or(Color{}));
        if (!chosen)
            return;
        // In the notation the stop was written in; a name with alpha becomes rgba().
        SetStopColor(WriteColor(*chosen, ParseColor(old) ? NotationOf(old) : ColorNotation::Rgb));
    }

    void SetAngle(const std::string& typed) {
        std::string angle = typed;
        if (auto split = SplitNumberAndUnit(typed); split && split->Unit.empty() && !typed.empty())
            angle += "deg";
        const auto written =
            gradient_ && !typed.empty() ? WithGradientAngle(GradientText(), angle) : std::nullopt;
        if (!written) {
            RefuseTyped(Decode(typed), "угол: число с deg, turn, rad или grad");
            return;
        }
        SetPart(BackgroundPart::Image, *written);
    }

    QLineEdit* image_ = nullptr;
    GradientStopBar* stops_ = nullptr;
    ColorSwatchFrame* swatch_ = nullptr;
    QLineEdit* stopColor_ = nullptr;
    QToolButton* removeStop_ = nullptr;
    QLineEdit* angle_ = nullptr;
    QLineEdit* position_ = nullptr;
    std::array<QComboBox*, kBackgroundParts> choices_{};
    std::array<std::string, kBackgroundParts> longhands_;
    bool layersRead_ = false;          // the shorthand's layers as the rule has them all read
    std::string gradientText_;         // the selected layer's picture
    std::optional<Gradient> gradient_; // of gradientText_, its pieces into it
    size_t selectedStop_ = 0;
    bool shorthand_ = false;
};

// ---------------------------------------------------------------------------
// BezierCurveEditor

BezierCurveEditor::BezierCurveEditor(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 120);
    setCursor(Qt::CrossCursor);
}

QSize BezierCurveEditor::sizeHint() const {
    return {140, 140};
}

void BezierCurveEditor::SetHandles(const std::array<double, 4>& handles) {
    if (dragged_ >= 0 || handles == handles_)
        return; // a drag shows where the mouse is
    handles_ = handles;
    update();
}

QRectF BezierCurveEditor::Square() const {
    // The y of a handle may go past 0..1: room above and below the square.
    const double side = std::min(width() - 16.0, (height() - 16.0) / 1.6);
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

QPointF BezierCurveEditor::ToWidget(double x, double y) const {
    const QRectF square = Square();
    return {square.left() + x * square.width(), square.bottom() - y * square.height()};
}

QPoint BezierCurveEditor::HandlePoint(int handle) const {
    const size_t at = handle == 0 ? 0 : 2;
    return ToWidget(handles_[at], handles_[at + 1]).toPoint();
}

void BezierCurveEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square = Square();
    painter.fillRect(square, palette().base());
    painter.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    painter.drawRect(square);
    const QPointF start = ToWidget(0, 0), end = ToWidget(1, 1);
    const QPointF first = ToWidget(handles_[0], handles_[1]);
    const QPointF second = ToWidget(handles_[2], handles_[3]);
    painter.setPen(QPen(palette().mid().color(), 1));
    painter.drawLine(start, first);
    painter.drawLine(end, second);
    QPainterPath path(start);
    path.cubicTo(first, second, end);
    painter.setPen(QPen(isEnabled() ? QColor(0x1d, 0x4f, 0x99) : palette().mid().color(), 2));
    painter.drawPath(path);
    painter.setBrush(isEnabled() ? QColor(0xe0, 0x6c, 0x00) : palette().mid().color());
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(first, 4, 4);
    painter.drawEllipse(second, 4, 4);
}

void BezierCurveEditor::mousePressEvent(QMouseEvent* event) {
    dragged_ = -1;
    double nearest = 10;
    for (int handle = 0; handle < 2; ++handle) {
        const double distance = QLineF(event->position(), HandlePoint(handle)).length();
        if (distance < nearest) {
            nearest = distance;
            dragged_ = handle;
        }
    }
}

void BezierCurveEditor::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ < 0)
        return;
    const QRectF square = Square();
    const size_t at = dragged_ == 0 ? 0 : 2;
    // x stays in 0..1, as cubic-bezier() wants; y may overshoot for a bounce.
    const double x = std::clamp((event->position().x() - square.left()) / square.width(), 0.0, 1.0);
    const double y =
        std::clamp((square.bottom() - event->position().y()) / square.height(), -0.3, 1.3);
    handles_[at] = std::round(x * 100) / 100;
    handles_[at + 1] = std::round(y * 100) / 100;
    update();
    if (OnDrag)
        OnDrag(handles_);
}

void BezierCurveEditor::mouseReleaseEvent(QMouseEvent*) {
    dragged_ = -1;
}

// ---------------------------------------------------------------------------
// GradientStopBar

GradientStopBar::GradientStopBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(34);
    setCursor(Qt::PointingHandCursor);
}

QSize GradientStopBar::sizeHint() const {
    return {160, 34};
}

QSize GradientStopBar::minimumSizeHint() const {
    return {80, 34};
}

void GradientStopBar::SetStops(std::vector<Stop> stops, int selected) {
    if (dragged_ >= 0)
        return; // a drag shows where the mouse is
    stops_ = std::move(stops);
    selected_ = selected;
    update();
}

QRectF GradientStopBar::Strip() const {
    return {6, 2, std::max(10.0, width() - 12.0), 18};
}

QPoint GradientStopBar::HandlePoint(int stop) const {
    const QRectF strip = Strip();
    const double at = stop >= 0 && static_cast<size_t>(stop) < stops_.size()
                          ? stops_[static_cast<size_t>(stop)].At
                          : 0;
    return QPointF(strip.left() + at * strip.width(), strip.bottom() + 7).toPoint();
}

QPoint GradientStopBar::StripPoint(double at) const {
    const QRectF strip = Strip();
    return QPointF(strip.left() + at * strip.width(), strip.center().y()).toPoint();
}

double GradientStopBar::AtOf(double x) const {
    const QRectF strip = Strip();
    return std::round(std::clamp((x - strip.left()) / strip.width(), 0.0, 1.0) * 100) / 100;
}

void GradientStopBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF strip = Strip();
    PaintChecks(painter, strip);
    if (!stops_.empty()) {
        QLinearGradient line(strip.topLeft(), strip.topRight());
        line.setStops(QtStops(stops_));
        painter.fillRect(strip, line);
    }
    painter.setPen(palette().mid().color());
    painter.drawRect(strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < stops_.size(); ++i) {
        const QPointF at = HandlePoint(static_cast<int>(i));
        const QPolygonF handle({at + QPointF(0, -6), at + QPointF(5, -1), at + QPointF(5, 5),
                                at + QPointF(-5, 5), at + QPointF(-5, -1)});
        const bool selected = static_cast<int>(i) == selected_;
        painter.setPen(QPen(selected ? palette().highlight().color() : palette().dark().color(),
                            selected ? 2 : 1));
        painter.setBrush(isEnabled() ? stops_[i].Color : palette().mid().color());
        painter.drawPolygon(handle);
    }
}

void GradientStopBar::mousePressEvent(QMouseEvent* event) {
    dragged_ = -1;
    double nearest = 8;
    for (size_t i = 0; i < stops_.size(); ++i) {
        const double distance =
            QLineF(event->position(), HandlePoint(static_cast<int>(i))).length();
        if (distance < nearest) {
            nearest = distance;
            dragged_ = static_cast<int>(i);
        }
    }
    if (dragged_ >= 0) {
        selected_ = dragged_;
        update();
        if (OnSelect)
            OnSelect(dragged_);
    } else if (Strip().contains(event->position()) && OnAdd) {
        OnAdd(AtOf(event->position().x()));
    }
}

void GradientStopBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ < 0)
        return;
    const double at = AtOf(event->position().x());
    Stop& stop = stops_[static_cast<size_t>(dragged_)];
    if (stop.At == at)
        return;
    stop.At = at;
    update();
    if (OnDrag)
        OnDrag(dragged_, at);
}

void GradientStopBar::mouseReleaseEvent(QMouseEvent*) {
    dragged_ = -1;
}

// ---------------------------------------------------------------------------
// EffectsPage

EffectsPage::EffectsPage(PageServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    const ScrolledColumn page = MakeScrolledColumn(*this, QStringLiteral("Effects"));
    content_ = page.Content;
    QVBoxLayout* column = page.Column;

    // The boxes in their order, then any other box of the page's rows.
    std::vector<std::string_view> captions;
    for (const BoxRole& role : kBoxRoles)
        captions.push_back(role.Caption);
    for (const PropertySpec& spec : PropertyCatalog())
        if (spec.Page == CatalogPage::Effects &&
            std::find(captions.begin(), captions.end(), spec.Box) == captions.end())
            captions.push_back(spec.Box);
    for (std::string_view caption : captions) {
        auto* box = new QGroupBox(Tr(caption), content_);
        for (const BoxRole& role : kBoxRoles)
            if (role.Caption == caption)
                box->setObjectName(QString::fromLatin1(role.Name));
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(4, 4, 4, 4);
        grid->setSpacing(2);
        grid->setColumnStretch(1, 1);
        // The background's layers come first in their box, the longhands' controls after.
        if (box->objectName() == QLatin1String("BackgroundBox")) {
            auto list =
                std::make_unique<BackgroundList>(*FindProperty("background-image"), services_, box);
            backgrounds_ = list.get();
            AddRow(box, std::move(list), "background-image");
        }
        std::vector<const PropertySpec*> rows;
        for (const PropertySpec& spec : PropertyCatalog())
            if (spec.Page == CatalogPage::Effects && spec.Box == caption)
                rows.push_back(&spec);
        // The block's shadow before the text's.
        std::stable_sort(rows.begin(), rows.end(),
                         [](const PropertySpec* a, const PropertySpec* b) {
                             return a->Name == "box-shadow" && b->Name != "box-shadow";
                         });
        for (const PropertySpec* row : rows) {
            const PropertySpec& spec = *row;
            // The transition's longhands are its list's parts.
            if (spec.Name.starts_with("transition-"))
                continue;
            std::unique_ptr<PropertyControl> control;
            if (spec.Name == "box-shadow" || spec.Name == "text-shadow")
                control = std::make_unique<ShadowList>(spec, services_, box);
            else if (spec.Name == "transform" || spec.Name == "filter" ||
                     spec.Name == "backdrop-filter")
                control = std::make_unique<FunctionList>(spec, services_, box);
            else if (spec.Name == "opacity")
                control = std::make_unique<OpacityControl>(spec, services_, box);
            else if (spec.Name == "transition") {
                auto list = std::make_unique<TransitionList>(spec, services_, box);
                transitions_ = list.get();
                control = std::move(list);
            } else
                control =
                    MakeControl(spec, PropertyActions(services_.Editor, spec.Name), services_, box);
            AddRow(box, std::move(control), spec.Name);
            if (spec.Name == "border-radius") {
                linked_ = new QToolButton(box);
                linked_->setObjectName(QStringLiteral("BorderRadiusLinked"));
                linked_->setCheckable(true);
                linked_->setChecked(true);
                linked_->setIcon(QIcon::fromTheme(QStringLiteral("insert-link")));
                if (linked_->icon().isNull())
                    linked_->setText(QStringLiteral("="));
                linked_->setToolTip(Tr("Все углы одним значением; отожмите, чтобы "
                                       "задать каждый угол"));
                grid->addWidget(linked_, grid->rowCount() - 1, 2);
                connect(linked_, &QToolButton::clicked, this, [this](bool checked) {
                    linkChosen_ = true;
                    ShowCorners(!checked);
                });
            }
        }
        column->addWidget(box);
    }
    column->addStretch(1);
    // A drop-down as wide as its longest item (a property's name, a timing function)
    // would widen the page past the panel: each takes the room the column gives it.
    for (QComboBox* choice : content_->findChildren<QComboBox*>()) {
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(6);
    }
    page.Scroll->setWidget(content_);
    ShowCorners(false);
}

EffectsPage::~EffectsPage() = default;

void EffectsPage::AddRow(QWidget* box, std::unique_ptr<PropertyControl> control,
                         std::string_view property) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    auto* label = new QLabel(CaptionOf(kCaptions, property), box);
    label->setObjectName(QString::fromStdString(ControlName(property) + "Label"));
    label->setToolTip(TrHint(control->Spec().Hint).Short);
    const int row = grid->rowCount();
    const bool list = property.find("shadow") != std::string_view::npos ||
                      property == "transition" || property == "transform" ||
                      property == "background-image" || property.ends_with("filter");
    grid->addWidget(label, row, 0,
                    list ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(control->Widget(), row, 1);
    if (std::find(std::begin(kCorners), std::end(kCorners), property) != std::end(kCorners)) {
        corners_.push_back(label);
        corners_.push_back(control->Widget());
    }
    controls_.push_back(std::move(control));
}

void EffectsPage::ShowCorners(bool shown) {
    for (QWidget* widget : corners_)
        widget->setVisible(shown);
}

void EffectsPage::Render() {
    const StyleEditor& editor = services_.Editor;
    // A rule with nested rules, or a group, is edited as text only.
    const bool usable =
        editor.HasCurrentStyle() && !editor.NestedCurrent() && !editor.GroupCurrent();
    content_->setEnabled(usable);
    content_->setToolTip(editor.NestedCurrent()  ? Tr(NestedRulesHint())
                         : editor.GroupCurrent() ? Tr(GroupRowHint())
                                                 : QString());
    const RuleProperties rule(usable ? editor.CurrentBlock() : std::string());
    for (auto& control : controls_) {
        if (control.get() == transitions_)
            transitions_->ShowRule(rule);
        else if (control.get() == backgrounds_)
            backgrounds_->ShowRule(rule);
        else if (control->Spec().Box == kBackgroundBox) {
            // A part of layers the shorthand holds is edited in its layer above.
            const auto value = rule.Read(control->Spec().Name);
            const bool layered = value && value->FromShorthand && !value->Known;
            control->Show(layered ? std::nullopt : value);
            control->SetUnusable(layered ? Tr("Фон записан свойством background: "
                                              "это часть каждого слоя выше")
                                         : QString());
        } else
            control->Show(rule.Read(control->Spec().Name));
    }
    // Until the user chooses, corners that differ are shown each in its field.
    if (!linkChosen_) {
        std::optional<std::string> first;
        bool same = true;
        for (std::string_view corner : kCorners) {
            const auto value = rule.Read(corner);
            const std::string text = value ? LowerAscii(value->Value) : std::string("0");
            same = same && (!first || *first == text);
            first = text;
        }
        const auto whole = rule.Read("border-radius");
        same = same && (!whole || whole->Value.find('/') == std::string::npos);
        linked_->setChecked(same);
        ShowCorners(!same);
    }
}

} // namespace tesselo
