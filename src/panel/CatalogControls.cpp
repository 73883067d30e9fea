#include "panel/CatalogControls.h"
#include "panel/UiText.h"

#include "document/ByteText.h"
#include "document/Hint.h"
#include "document/UserDialogs.h"
#include "editor/InactiveDeclarations.h"
#include "editor/StyleEditor.h"
#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationList.h"
#include "mapping/DeclarationWriter.h"
#include "mapping/ValueSyntax.h"
#include "panel/LazyIcon.h"
#include "panel/PanelControls.h"
#include "panel/PanelDialogs.h"
#include "panel/VariableHints.h"
#include "panel/WebNames.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

static void InitPanelIcons() {
    Q_INIT_RESOURCE(panel_icons);
}

namespace tesselo {
namespace {

// The panel's pictures are in the library's resources, registered once.
void UsePanelPictures() {
    static const bool registered = [] {
        InitPanelIcons();
        return true;
    }();
    (void)registered;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

std::string Quoted(const QString& typed) {
    return "\"" + Utf8(typed) + "\"";
}

// A number alone, without unit: "12", "-1.5".
bool IsBareNumber(std::string_view text) {
    auto split = SplitNumberAndUnit(text);
    return split && split->Unit.empty() && !split->Number.empty();
}

// Holds a flag up while in scope, then gives it back as it was.
class FlagUp {
public:
    explicit FlagUp(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagUp() { flag_ = was_; }
    FlagUp(const FlagUp&) = delete;
    FlagUp& operator=(const FlagUp&) = delete;

private:
    bool& flag_;
    bool was_;
};

// Sets only a text that differs: a field shown again as it was keeps its caret.
void ShowText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
        field->setCursorPosition(0);
    }
}

// ---------------------------------------------------------------------------
// One button a keyword

class KeywordButtonsControl final : public PropertyControl {
public:
    KeywordButtonsControl(const PropertySpec& spec, ControlActions actions, PageServices& services,
                          QWidget* parent)
        : PropertyControl(spec, std::move(actions), services) {
        box_ = new QWidget(parent);
        box_->setObjectName(QString::fromStdString(ControlName(spec.Name)));
        auto* layout = new QHBoxLayout(box_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        auto* buttons = new QWidget(box_);
        auto* grid = new QGridLayout(buttons);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(1);
        const auto keywords = ButtonKeywords(spec);
        constexpr int kPerRow = 6;
        for (size_t i = 0; i < keywords.size(); ++i) {
            const std::string_view keyword = keywords[i];
            auto* button = new KeywordToggle(buttons);
            button->setObjectName(QString::fromStdString(ControlName(spec.Name, keyword)));
            button->setCheckable(true);
            button->setFocusPolicy(Qt::NoFocus);
            const QString picture = KeywordPicture(spec.Name, keyword);
            if (picture.isEmpty()) {
                button->setText(FromUtf8(keyword));
            } else {
                button->setIcon(LazyIcon([picture] { return QIcon(picture); }));
                button->setIconSize(QSize(20, 20));
            }
            const QString tip = ShortHint().isEmpty()
                                    ? FromUtf8(keyword)
                                    : ShortHint() + QStringLiteral(": ") + FromUtf8(keyword);
            button->setToolTip(tip);
            button->setStatusTip(LongHint());
            QObject::connect(button, &QToolButton::clicked, this,
                             [this, keyword] { Clicked(std::string(keyword)); });
            const int at = static_cast<int>(i);
            grid->addWidget(button, at / kPerRow, at % kPerRow);
            buttons_.push_back({button, keyword, tip});
        }
        layout->addWidget(buttons);
        text_ = new QLabel(box_);
        text_->setObjectName(QString::fromStdString(ControlName(spec.Name) + "Text"));
        text_->setTextFormat(Qt::PlainText);
        QPalette palette = text_->palette();
        palette.setColor(QPalette::WindowText, QColor(0x1d, 0x4f, 0x99));
        text_->setPalette(palette);
        text_->setVisible(false);
        layout->addWidget(text_);
        layout->addStretch(1);
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        const QString note = SourceNote(value);
        bool held = false;
        for (const Button& b : buttons_) {
            const bool down = value && value->Known &&
                              EqualsIgnoringAsciiCase(TrimCssBlanks(value->Value), b.Keyword);
            held = held || down;
            b.Widget->setChecked(down);
            b.Widget->setToolTip(down && !note.isEmpty() ? b.Tip + QLatin1Char('\n') + note
                                                         : b.Tip);
        }
        // A value no button stands for shows as text beside them.
        const bool asText = value && !held;
        const QString shown = asText ? Decode(value->Value) : QString();
        text_->setText(asText ? Tr("значение: ") + shown : QString());
        text_->setToolTip(note.isEmpty() ? shown : shown + QLatin1Char('\n') + note);
        text_->setVisible(asText);
    }

private:
    struct Button {
        QToolButton* Widget;
        std::string_view Keyword;
        QString Tip;
    };

    void Clicked(const std::string& keyword) {
        if (Quiet())
            return;
        const auto& now = Shown();
        // The button that is down lets the property go.
        if (now && now->Known && EqualsIgnoringAsciiCase(TrimCssBlanks(now->Value), keyword))
            ClearValue();
        else
            Change(keyword);
    }

    QWidget* box_ = nullptr;
    QLabel* text_ = nullptr;
    std::vector<Button> buttons_;
};

// ---------------------------------------------------------------------------
// A drop-down of the keywords, any value typed

class KeywordChoiceControl final : public PropertyControl {
public:
    KeywordChoiceControl(const PropertySpec& spec, ControlActions actions, PageServices& services,
                         QWidget* parent)
        : PropertyControl(spec, std::move(actions), services) {
        box_ = new QComboBox(parent);
        box_->setObjectName(QString::fromStdString(ControlName(spec.Name)));
        box_->setEditable(true);
        box_->setInsertPolicy(QComboBox::NoInsert);
        box_->setMaxVisibleItems(20);
        for (std::string_view keyword : AllKeywords(spec))
            box_->addItem(FromUtf8(keyword));
        box_->setCurrentIndex(-1);
        box_->lineEdit()->clear();
        box_->setToolTip(ShortHint());
        box_->setStatusTip(LongHint());
        TrackFieldTip(box_->lineEdit());
        QObject::connect(box_, &QComboBox::activated, this, [this](int index) {
            if (!Quiet())
                Take(box_->itemText(index));
        });
        QObject::connect(box_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
            if (!Quiet())
                Take(box_->lineEdit()->text());
        });
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        QSignalBlocker block(box_);
        showing_ = value ? Decode(value->Value).trimmed() : QString();
        box_->setCurrentIndex(box_->findText(showing_, Qt::MatchFixedString));
        ShowText(box_->lineEdit(), showing_);
        UpdateFieldTip();
    }

private:
    void Take(const QString& typed) {
        TakeTyped(typed, showing_, Fitting(ControlKind::KeywordChoice));
    }

    QComboBox* box_ = nullptr;
    QString showing_;
};

// ---------------------------------------------------------------------------
// A number field, with a unit button for a length

class NumberControl final : public PropertyControl {
public:
    NumberControl(const PropertySpec& spec, ControlActions actions, PageServices& services,
                  QWidget* parent, ControlKind kind)
        : PropertyControl(spec, std::move(actions), services), kind_(kind) {
        const QString name = QString::fromStdString(ControlName(spec.Name));
        box_ = new QWidget(parent);
        auto* layout = new QHBoxLayout(box_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(1);
        field_ = new QLineEdit(box_);
        field_->setObjectName(name);
        field_->setMinimumWidth(56);
        field_->setStatusTip(LongHint());
        TrackFieldTip(field_); // its filter also takes the arrow keys, to step
        layout->addWidget(field_, 1);
        QObject::connect(field_, &QLineEdit::editingFinished, this, [this] {
            if (!Quiet())
                Typed();
        });

        std::vector<std::string_view> units = UnitsOf(spec);
        if ((spec.Kinds & KindPercentage) && kind == ControlKind::Length)
            units.push_back("%");
        if (kind == ControlKind::Length && !units.empty()) {
            unit_ = new QToolButton(box_);
            unit_->setObjectName(name + QLatin1Char('_'));
            unit_->setPopupMode(QToolButton::InstantPopup);
            unit_->setMinimumWidth(34);
            unit_->setToolTip(Tr("Единица измерения"));
            unit_->setStatusTip(Tr("Нажмите, чтобы выбрать единицу измерения"));
            auto* menu = new QMenu(unit_);
            for (std::string_view unit : units) {
                QAction* action = menu->addAction(FromUtf8(unit));
                QObject::connect(action, &QAction::triggered, this, [this, unit] {
                    if (!Quiet())
                        ChooseUnit(std::string(unit));
                });
            }
            unit_->setMenu(menu);
            layout->addWidget(unit_);
            defaultUnit_ = std::find(units.begin(), units.end(), "px") != units.end()
                               ? "px"
                               : std::string(units.front());
        }
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        QString number;
        QString unit;
        if (value) {
            const auto split = unit_ ? SplitNumberAndUnit(value->Value) : std::nullopt;
            if (split && !split->Unit.empty()) {
                number = Decode(split->Number);
                unit = Decode(split->Unit);
            } else {
                number = Decode(value->Value).trimmed(); // a keyword, var(), calc()...
            }
        }
        showing_ = number;
        ShowText(field_, number);
        if (unit_)
            unit_->setText(unit);
        UpdateFieldTip();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == field_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                if (!Quiet())
                    Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
        return PropertyControl::eventFilter(watched, event);
    }

private:
    // The value the typed text stands for: a number alone takes the unit shown.
    std::string WithUnit(const std::string& typed) const {
        if (!IsBareNumber(typed) || !unit_)
            return typed;
        const std::string unit = Encode(unit_->text());
        if (!unit.empty())
            return typed + unit;
        return ValueFits(spec_, typed) ? typed : typed + defaultUnit_;
    }

    void Typed() {
        TakeTyped(field_->text(), showing_,
                  [this](const std::string& typed) -> std::optional<std::string> {
                      std::string value = WithUnit(typed);
                      if (TypedValueFits(spec_, kind_, value))
                          return value;
                      return std::nullopt;
                  });
    }

    void ChooseUnit(const std::string& unit) {
        const std::string number = Encode(field_->text().trimmed());
        if (!IsBareNumber(number)) {
            // Nothing to measure yet: the unit waits for the number typed next.
            unit_->setText(Decode(unit));
            return;
        }
        const std::string value = number + unit;
        if (ValueFits(spec_, value))
            Change(value);
        else
            RefuseTyped(Decode(value));
    }

    // One step up or down of the number shown, in its unit.
    void Step(int direction) {
        std::string number = Encode(field_->text().trimmed());
        std::string unit;
        if (number.empty()) {
            number = IsBareNumber(spec_.Initial) ? std::string(spec_.Initial) : "0";
        } else if (auto split = SplitNumberAndUnit(number)) {
            number = split->Number;
            unit = split->Unit;
        } else {
            return; // a keyword or a function has no next value
        }
        const double now = std::strtod(number.c_str(), nullptr);
        // A fraction of the whole (opacity) steps by tenths.
        const bool tenths = kind_ == ControlKind::Number && unit.empty() &&
                            (spec_.Kinds & KindPercentage) && !(spec_.Kinds & KindLength);
        const double step = tenths ? 0.1 : 1.0;
        size_t decimals =
            number.find('.') == std::string::npos ? 0 : number.size() - number.find('.') - 1;
        decimals = std::max<size_t>(decimals, tenths ? 1 : 0);
        const double scale = std::pow(10.0, static_cast<double>(decimals));
        const double next = std::round((now + direction * step) * scale) / scale;
        std::string text = QString::number(next, 'f', static_cast<int>(decimals)).toStdString();
        if (text == "-0")
            text = "0";
        const std::string value = unit.empty() ? WithUnit(text) : text + unit;
        if (TypedValueFits(spec_, kind_, value))
            Change(value);
    }

    ControlKind kind_;
    QWidget* box_ = nullptr;
    QLineEdit* field_ = nullptr;
    QToolButton* unit_ = nullptr;
    std::string defaultUnit_;
    QString showing_;
};

// ---------------------------------------------------------------------------
// A control with a text field that takes what is typed when the field is left

class FieldControl : public PropertyControl {
public:
    using PropertyControl::PropertyControl;

protected:
    // The field, named `name`, taking typed text of a control of `kind`; `why` says what
    // a refused text lacks.
    QLineEdit* MakeField(QWidget* parent, const QString& name, ControlKind kind,
                         std::string why = {}) {
        field_ = new QLineEdit(parent);
        field_->setObjectName(name);
        field_->setMinimumWidth(80);
        field_->setStatusTip(LongHint());
        TrackFieldTip(field_);
        QObject::connect(field_, &QLineEdit::editingFinished, this,
                         [this, kind, why = std::move(why)] {
                             if (!Quiet())
                                 TakeTyped(field_->text(), showing_, Fitting(kind), why);
                         });
        return field_;
    }

    QLineEdit* field_ = nullptr;
    QString showing_; // the value the field shows, to tell a typed change from none
};

// ---------------------------------------------------------------------------
// A colour: the swatch with the dialog, and the colour as text

class ColorControl final : public FieldControl {
public:
    ColorControl(const PropertySpec& spec, ControlActions actions, PageServices& services,
                 QWidget* parent)
        : FieldControl(spec, std::move(actions), services) {
        const QString name = QString::fromStdString(ControlName(spec.Name));
        box_ = new QWidget(parent);
        auto* layout = new QHBoxLayout(box_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        swatch_ = new ColorSwatchFrame(box_);
        swatch_->setObjectName(name);
        swatch_->setFixedSize(40, 20);
        swatch_->setCursor(Qt::PointingHandCursor);
        swatch_->setStatusTip(LongHint());
        swatch_->OnClick = [this] {
            if (!Quiet())
                Choose();
        };
        layout->addWidget(swatch_);
        layout->addWidget(MakeField(box_, name + QStringLiteral("Text"), ControlKind::Color), 1);
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        showing_ = value ? Decode(value->Value).trimmed() : QString();
        auto color = value ? ParseColor(value->Value) : std::nullopt;
        // A var() shows the colour it stands for.
        if (!color && value && services_.Variables && HoldsVariable(value->Value))
            if (const auto resolved = services_.Variables->Get().Resolve(value->Value))
                color = ParseColor(*resolved);
        if (color)
            swatch_->SetColor(QColor(color->Red, color->Green, color->Blue, color->Alpha));
        else // not set shows the checkerboard; a colour held as text the hatching
            swatch_->SetColor(QColor(0, 0, 0, 0), showing_);
        const QString note = SourceNote(value);
        QString tip = ShortHint();
        if (!showing_.isEmpty())
            tip += QStringLiteral(": ") + showing_;
        if (value && services_.Variables && HoldsVariable(value->Value))
            tip += QLatin1Char('\n') +
                   Decode(ResolveForControl(services_.Variables->Get(), value->Value).Tip);
        if (!note.isEmpty())
            tip += QLatin1Char('\n') + note;
        swatch_->setToolTip(tip);
        ShowText(field_, showing_);
        UpdateFieldTip();
    }

private:
    void Choose() {
        const std::string old = Shown() ? Shown()->Value : std::string();
        const auto initial = ParseColor(old);
        const auto chosen = services_.Choices.ChooseColor(initial.value_or(Color{0, 0, 0}));
        if (!chosen)
            return;
        // The colour in the notation the rule wrote it in.
        Change(WriteColor(*chosen, NotationOf(old)));
    }

    QWidget* box_ = nullptr;
    ColorSwatchFrame* swatch_ = nullptr;
};

// ---------------------------------------------------------------------------
// A picture: its url as text, and the file dialog

class PictureControl final : public FieldControl {
public:
    PictureControl(const PropertySpec& spec, ControlActions actions, PageServices& services,
                   QWidget* parent)
        : FieldControl(spec, std::move(actions), services) {
        const QString name = QString::fromStdString(ControlName(spec.Name));
        box_ = new QWidget(parent);
        auto* layout = new QHBoxLayout(box_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        layout->addWidget(MakeField(box_, name, ControlKind::Picture), 1);
        auto* open = new QToolButton(box_);
        open->setObjectName(name + QStringLiteral("Open"));
        open->setIcon(LazyIcon([] {
            UsePanelPictures();
            return QIcon::fromTheme(QStringLiteral("document-open"),
                                    QIcon(QStringLiteral(":/panel-icons/open-picture.svg")));
        }));
        open->setToolTip(Tr("Выбрать рисунок"));
        open->setStatusTip(Tr("Выбор файла рисунка; путь к нему пишется "
                              "относительно таблицы стилей"));
        QObject::connect(open, &QToolButton::clicked, this, [this] {
            if (!Quiet())
                Open();
        });
        layout->addWidget(open);
    }

    QWidget* Widget() const override { return box_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        showing_ = value ? Decode(value->Value).trimmed() : QString();
        ShowText(field_, showing_);
        UpdateFieldTip();
    }

private:
    void Open() {
        const auto path = services_.Choices.ChooseBackgroundPicture();
        if (!path)
            return;
        // The page finds the picture beside its sheet, wherever the site is served.
        const std::string written =
            PicturePathForSheet(*path, services_.Editor.Document().FileName);
        Change(Encode(FromUtf8(PictureValue(written))));
    }

    QWidget* box_ = nullptr;
};

// ---------------------------------------------------------------------------
// Text kept as written

class TextControl final : public FieldControl {
public:
    TextControl(const PropertySpec& spec, ControlActions actions, PageServices& services,
                QWidget* parent)
        : FieldControl(spec, std::move(actions), services) {
        MakeField(parent, QString::fromStdString(ControlName(spec.Name)), ControlKind::Text,
                  "в нем \";\", \"{\" или \"}\" вне кавычек либо незакрытая скобка, "
                  "кавычка или комментарий");
    }

    QWidget* Widget() const override { return field_; }

protected:
    void Display(const std::optional<PropertyValue>& value) override {
        showing_ = value ? Decode(value->Value).trimmed() : QString();
        ShowText(field_, showing_);
        UpdateFieldTip();
    }
};

} // namespace

// ---------------------------------------------------------------------------
// PropertyControl

PropertyControl::PropertyControl(const PropertySpec& spec, ControlActions actions,
                                 PageServices& services)
    : spec_(spec), actions_(std::move(actions)), services_(services) {}

void PropertyControl::Show(const std::optional<PropertyValue>& value) {
    const FlagUp quiet(quiet_);
    shown_ = value;
    Display(value);
    ShowVariable(value);
}

void PropertyControl::ShowVariable(const std::optional<PropertyValue>& value) {
    if (!services_.Variables)
        return;
    if (!variableMenu_)
        InstallVariableMenu();
    ResolvedValue resolved;
    if (value && HoldsVariable(value->Value))
        resolved = ResolveForControl(services_.Variables->Get(), value->Value);
    if (!varField_) {
        varField_ = qobject_cast<QLineEdit*>(Widget());
        if (!varField_)
            varField_ = Widget()->findChild<QLineEdit*>();
        if (!varField_) {
            if (resolved.HoldsVar)
                Widget()->setToolTip(QString::fromStdString(resolved.Tip));
            return;
        }
        varField_->installEventFilter(this);
    }
    if (!resolved.HoldsVar) {
        if (varLabel_) {
            varLabel_->hide();
            varField_->setTextMargins(0, 0, 0, 0);
        }
        return;
    }
    if (!varLabel_) {
        varLabel_ = new QLabel(varField_);
        varLabel_->setObjectName(varField_->objectName() + QStringLiteral("Var"));
        varLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    const bool nowhere = !resolved.Undefined.empty() || !resolved.Value;
    QString shown = nowhere ? Tr("не задана") : QStringLiteral("= ") + Decode(*resolved.Value);
    if (shown.size() > 24)
        shown = shown.left(23) + QChar(0x2026);
    varLabel_->setText(shown);
    QPalette palette = varLabel_->palette();
    palette.setColor(QPalette::WindowText,
                     nowhere ? QColor(200, 0, 0)
                             : varField_->palette().color(QPalette::Disabled, QPalette::Text));
    varLabel_->setPalette(palette);
    varLabel_->setToolTip(Decode(resolved.Tip));
    varLabel_->show();
    PlaceVariableLabel();
}

void PropertyControl::PlaceVariableLabel() {
    if (!varLabel_ || !varLabel_->isVisibleTo(varField_))
        return;
    // At most half the field, so that the var() itself stays readable.
    const int width = std::min(varLabel_->sizeHint().width(), varField_->width() / 2);
    varLabel_->setGeometry(varField_->width() - width - 4, 0, width, varField_->height());
    varField_->setTextMargins(0, 0, width + 4, 0);
}

void PropertyControl::InstallVariableMenu() {
    variableMenu_ = true;
    QList<QWidget*> widgets{Widget()};
    for (QLineEdit* field : Widget()->findChildren<QLineEdit*>())
        widgets.append(field);
    for (QWidget* widget : widgets) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](const QPoint& at) { VariableMenu(widget, at); });
    }
}

void PropertyControl::VariableMenu(QWidget* on, const QPoint& at) {
    std::unique_ptr<QMenu> menu;
    if (auto* field = qobject_cast<QLineEdit*>(on)) {
        menu.reset(field->createStandardContextMenu());
        menu->addSeparator();
    } else {
        menu = std::make_unique<QMenu>();
    }
    std::vector<VariableKind> kinds;
    if (!(spec_.Kinds & KindText) && spec_.Control != ControlKind::Text) {
        if (spec_.Kinds & KindColor)
            kinds.push_back(VariableKind::Color);
        if (spec_.Kinds & (KindLength | KindPercentage))
            kinds.push_back(VariableKind::Length);
        if (spec_.Kinds & (KindNumber | KindInteger))
            kinds.push_back(VariableKind::Number);
        if (spec_.Kinds & KindTime)
            kinds.push_back(VariableKind::Time);
        if (kinds.empty())
            kinds.push_back(VariableKind::Text);
    }
    AddVariableActions(
        *menu, services_.Variables->Get(), kinds, shown_ ? shown_->Value : "",
        [this](const std::string& value) { Change(value); }, services_.Editor);
    menu->exec(on->mapToGlobal(at));
}

void PropertyControl::SetUnusable(const QString& reason) {
    Widget()->setEnabled(reason.isEmpty());
    Widget()->setToolTip(reason);
    if (reason.isEmpty())
        UpdateFieldTip(); // the field's own tip again, where the field is the widget
}

bool PropertyControl::Change(const std::string& value) {
    if (!actions_.Set)
        return false;
    const std::optional<PropertyValue> before = shown_;
    // The control shows what it asked for at once; the rule, shown again after the
    // change, has the last word.
    PropertyValue asked = before.value_or(PropertyValue{});
    asked.Value = value;
    asked.FromShorthand = false;
    asked.Known = true;
    Show(asked);
    bool written = false;
    {
        const FlagUp quiet(quiet_);
        written = actions_.Set(value);
    }
    if (written)
        return true;
    Show(before);
    Tell(TrFillText("Значение %1 не записано в свойство %2: правка задела бы другие "
                    "объявления правила.\rПравило не изменено.",
                    Quoted(Decode(value)), spec_.Name));
    return false;
}

bool PropertyControl::ClearValue() {
    if (!actions_.Clear)
        return false;
    const std::optional<PropertyValue> before = shown_;
    Show(std::nullopt);
    bool written = false;
    {
        const FlagUp quiet(quiet_);
        written = actions_.Clear();
    }
    if (written)
        return true;
    Show(before);
    Tell(TrFillText("Свойство %1 не удалено: правка задела бы другие объявления правила."
                    "\rПравило не изменено.",
                    spec_.Name));
    return false;
}

void PropertyControl::TakeTyped(const QString& typed, const QString& showing,
                                const TypedValue& value, const std::string& why) {
    const QString text = typed.trimmed();
    if (text == showing)
        return;
    if (text.isEmpty()) {
        if (shown_)
            ClearValue();
        return;
    }
    if (const auto written = value(Encode(text)))
        Change(*written);
    else
        RefuseTyped(text, why);
}

PropertyControl::TypedValue PropertyControl::Fitting(ControlKind kind) const {
    return [this, kind](const std::string& typed) -> std::optional<std::string> {
        if (TypedValueFits(spec_, kind, typed))
            return typed;
        return std::nullopt;
    };
}

void PropertyControl::RefuseTyped(const QString& typed, const std::string& why) {
    Show(shown_);
    Tell(why.empty() ? TrFillText("Значение %1 не подходит для свойства %2.\rПравило не изменено.",
                                  Quoted(typed.trimmed()), spec_.Name)
                     : TrFillText("Значение %1 нельзя записать в свойство %2: %3.\rПравило не "
                                  "изменено.",
                                  Quoted(typed.trimmed()), spec_.Name, Tr(why)));
}

void PropertyControl::Tell(const std::string& text) {
    // The box takes the focus: the field it leaves must not take its text once more.
    const FlagUp quiet(quiet_);
    services_.Dialogs.Show({"Tesselo", text, MessageIcon::Error, MessageButtons::Ok});
}

QString PropertyControl::Decode(std::string_view bytes) const {
    return services_.Codec.Decode ? services_.Codec.Decode(bytes) : FromUtf8(bytes);
}

std::string PropertyControl::Encode(const QString& text) const {
    return services_.Codec.Encode ? services_.Codec.Encode(text) : Utf8(text);
}

QString PropertyControl::ShortHint() const {
    return TrHint(spec_.Hint).Short;
}

QString PropertyControl::LongHint() const {
    return TrHint(spec_.Hint).Long;
}

QString PropertyControl::SourceNote(const std::optional<PropertyValue>& value) const {
    if (!value || !value->FromShorthand)
        return {};
    const RuleProperties rule(services_.Editor.CurrentBlock());
    if (value->Declaration < rule.Declarations().size()) {
        const auto& d = rule.Declarations()[value->Declaration];
        return Tr("Из объявления ") + FromUtf8(d.Property) + QStringLiteral(": ") +
               Decode(rule.ValueAt(value->Declaration));
    }
    const auto shorthands = Words(spec_.Shorthands);
    return shorthands.empty() ? QString() : Tr("Из объявления ") + FromUtf8(shorthands.front());
}

void PropertyControl::TrackFieldTip(QLineEdit* field) {
    tipField_ = field;
    field->installEventFilter(this);
    UpdateFieldTip();
}

void PropertyControl::UpdateFieldTip() {
    if (!tipField_)
        return;
    QStringList parts;
    const QString text = tipField_->text();
    const int room = tipField_->contentsRect().width() - 8;
    if (!text.isEmpty() && tipField_->fontMetrics().horizontalAdvance(text) > room)
        parts << text;
    if (const QString note = SourceNote(shown_); !note.isEmpty())
        parts << note;
    if (!ShortHint().isEmpty())
        parts << ShortHint();
    tipField_->setToolTip(parts.join(QLatin1Char('\n')));
}

bool PropertyControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tipField_ && event->type() == QEvent::Resize)
        UpdateFieldTip();
    if (watched == varField_ && event->type() == QEvent::Resize)
        PlaceVariableLabel();
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------

ControlActions PropertyActions(StyleEditor& editor, std::string_view property) {
    const std::string name(property);
    return {[&editor, name](const std::string& value) { return editor.SetProperty(name, value); },
            [&editor, name] { return editor.RemoveProperty(name); }};
}

std::unique_ptr<PropertyControl> MakeControl(const PropertySpec& spec, ControlActions actions,
                                             PageServices& services, QWidget* parent,
                                             std::optional<ControlKind> kind) {
    const ControlKind made = kind.value_or(spec.Control);
    switch (made) {
    case ControlKind::KeywordButtons:
        return std::make_unique<KeywordButtonsControl>(spec, std::move(actions), services, parent);
    case ControlKind::KeywordChoice:
        return std::make_unique<KeywordChoiceControl>(spec, std::move(actions), services, parent);
    case ControlKind::Length:
    case ControlKind::Number:
    case ControlKind::Integer:
        return std::make_unique<NumberControl>(spec, std::move(actions), services, parent, made);
    case ControlKind::Color:
        return std::make_unique<ColorControl>(spec, std::move(actions), services, parent);
    case ControlKind::Picture:
        return std::make_unique<PictureControl>(spec, std::move(actions), services, parent);
    case ControlKind::Text:
        break;
    }
    return std::make_unique<TextControl>(spec, std::move(actions), services, parent);
}

QString KeywordPicture(std::string_view property, std::string_view keyword) {
    UsePanelPictures();
    const QString path =
        QStringLiteral(":/panel-icons/layout/%1-%2.svg").arg(FromUtf8(property), FromUtf8(keyword));
    return QFile::exists(path) ? path : QString();
}

std::string PictureValue(std::string_view path) {
    return QuotedPictureUrl(path);
}

bool TypedValueFits(const PropertySpec& spec, ControlKind kind, std::string_view value) {
    if (!IsSafeValue(value))
        return false;
    // A vendor's keyword is the fallback an old browser takes: -webkit-box, -moz-available.
    return kind == ControlKind::Text || ValueFits(spec, value) ||
           ((spec.Kinds & KindKeyword) && IsVendorKeyword(TrimCssBlanks(value)));
}

ScrolledColumn MakeScrolledColumn(QWidget& page, const QString& name) {
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    ScrolledColumn made;
    made.Scroll = new QScrollArea(&page);
    made.Scroll->setObjectName(name + QStringLiteral("Scroll"));
    made.Scroll->setFrameShape(QFrame::NoFrame);
    made.Scroll->setWidgetResizable(true);
    layout->addWidget(made.Scroll);
    made.Content = new QWidget(made.Scroll);
    made.Content->setObjectName(name + QStringLiteral("Content"));
    made.Column = new QVBoxLayout(made.Content);
    made.Column->setContentsMargins(2, 2, 2, 2);
    made.Column->setSpacing(2);
    return made;
}

QString CaptionOf(std::span<const RowCaption> captions, std::string_view property) {
    for (const RowCaption& caption : captions)
        if (caption.Property == property)
            return Tr(caption.Text);
    return QString::fromUtf8(property.data(), static_cast<qsizetype>(property.size()));
}

QString InactiveHere(const PageServices& services, std::string_view property, bool declared) {
    if (!declared || !services.Facts)
        return {};
    const std::optional<ElementFacts> facts = services.Facts();
    return facts ? TrMessage(InactiveReason(property, *facts)) : QString();
}

void MarkInactive(QLabel& caption, const QString& reason) {
    const char* kOwnTip = "tesselo-own-tip";
    const bool marked = caption.property(kOwnTip).isValid();
    if (reason.isEmpty() && !marked)
        return;
    if (!marked)
        caption.setProperty(kOwnTip, caption.toolTip());
    const QString ownTip = caption.property(kOwnTip).toString();
    QFont font = caption.font();
    font.setItalic(!reason.isEmpty());
    caption.setFont(font);
    if (reason.isEmpty()) {
        caption.setPalette(QPalette());
        caption.setAttribute(Qt::WA_SetPalette, false); // the page's palette again
        caption.setToolTip(ownTip);
        caption.setProperty(kOwnTip, QVariant());
        return;
    }
    QPalette greyed = caption.palette();
    greyed.setColor(QPalette::WindowText, QColor(0x99, 0x66, 0x00));
    caption.setPalette(greyed);
    QString tip = Tr("Не действует здесь: ");
    tip += reason;
    if (!ownTip.isEmpty()) {
        tip += QLatin1Char('\n');
        tip += ownTip;
    }
    caption.setToolTip(tip);
}

} // namespace tesselo
