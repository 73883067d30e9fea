#include "panel/PropertyPanel.h"
#include "panel/UiText.h"

#include "document/ByteText.h"
#include "document/Hint.h"
#include "mapping/ValueSyntax.h"
#include "panel/AllPropertiesPage.h"
#include "panel/EffectsPage.h"
#include "panel/LayoutPage.h"
#include "panel/LazyIcon.h"
#include "panel/PanelControls.h"
#include "panel/PanelPages.h"
#include "panel/VariableHints.h"
#include "panel/VariablesPage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

static void InitPanelIcons() {
    Q_INIT_RESOURCE(panel_icons);
}

namespace tesselo {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetHint(QWidget* widget, std::string_view hint) {
    if (hint.empty())
        return;
    const UiHint parts = TrHint(hint);
    widget->setToolTip(parts.Short);
    widget->setStatusTip(parts.Long);
}

QIcon Picture(std::string_view themeName, std::string_view ownName) {
    return LazyIcon([theme = FromUtf8(themeName), own = FromUtf8(ownName)] {
        QIcon drawn(QStringLiteral(":/panel-icons/%1.svg").arg(own));
        return theme.isEmpty() ? drawn : QIcon::fromTheme(theme, drawn);
    });
}

QColor ToQColor(Color c) {
    return QColor(c.Red, c.Green, c.Blue, c.Alpha);
}

constexpr std::array<std::string_view, 3> kSwatchHints = {"Цвет текста", "Цвет фона",
                                                          "Цвет границ"};

// The set mark: a white field, or the button face's colour when not set.
void ShowSetMark(QWidget* widget, bool set) {
    QPalette palette = widget->palette();
    const QColor wanted = set ? QColor(Qt::white) : QApplication::palette().color(QPalette::Button);
    if (palette.color(QPalette::Base) == wanted)
        return;
    palette.setColor(QPalette::Base, wanted);
    widget->setPalette(palette);
}

void SetTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

constexpr int kLengthEditWidth = 40; // on a tool bar; on a page at least

QString EditHint(Length field) {
    for (const auto& row : LengthFieldRows())
        if (row.Field == field && !row.Hint.empty())
            return TrHint(row.Hint).Short;
    return {};
}

// The tool tip of a length field: its hint, and after it the value when the field is
// too narrow to show all of it.
void ShowWholeValue(QLineEdit& edit, const QString& hint) {
    const QMargins margins = edit.textMargins();
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    // A line edit keeps two pixels either side of its text inside the frame.
    const int room = edit.width() - 2 * frame - 4 - margins.left() - margins.right();
    const QString value = edit.text();
    QString tip = hint;
    if (edit.fontMetrics().horizontalAdvance(value) > room)
        tip = hint.isEmpty() ? value : hint + QStringLiteral(": ") + value;
    if (edit.toolTip() != tip)
        edit.setToolTip(tip);
}

constexpr std::array<ColorSwatch, 3> kSwatches = {ColorSwatch::Font, ColorSwatch::BackGround,
                                                  ColorSwatch::Border};
size_t Index(ColorSwatch swatch) {
    return static_cast<size_t>(swatch);
}

} // namespace

PropertyPanel::PropertyPanel(StyleEditor& editor, UserDialogs& dialogs, PanelDialogs& choices,
                             QWidget* window, PanelPlaces places)
    : QObject(window), editor_(editor), window_(window) {
    InitPanelIcons();
    handlers_ = std::make_unique<PanelHandlers>(editor, dialogs, choices);
    variables_ = std::make_unique<VariablesCache>(editor);
    pageServices_.reset(new PageServices{editor, dialogs, choices, Codec(), variables_.get(), {}});
    handlers_->OnStopGesture = [this] {
        for (StepButton* button : stepButtons_)
            button->Stop();
    };
    // Until the window gives the sheet's codec: the encoding the property set holds.
    decode_ = [this](std::string_view bytes) {
        return FromUtf8(captions::ToUtf8(bytes, editor_.Panel().Encoding));
    };
    encode_ = [this](const QString& text) {
        return captions::InEncoding(text.toStdString(), editor_.Panel().Encoding);
    };

    BuildToolBars(places.ToolStyle ? places.ToolStyle : window);

    pages_ = new PageTabs(places.Pages ? places.Pages : window);
    pages_->setObjectName(QStringLiteral("TABPANEL"));
    // The pages are made when first shown; the first one at once.
    for (const auto& row : PageRows())
        pages_->AddPage(FromUtf8(row.Name), Tr(row.Caption));
    BuildPage(pages_->currentIndex());
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        // The pages built from the catalogue follow the rule only while shown.
        const PanelPlace place = PageRows()[static_cast<size_t>(index)].Place;
        if (BuildPage(index) || place == PanelPlace::Layout || place == PanelPlace::Effects ||
            place == PanelPlace::AllProperties || place == PanelPlace::Variables)
            Render();
    });

    BuildChooser();
    // Children of the panel, so that they are found by name like its widgets.
    chooserTimer_.setParent(this);
    fontTimer_.setParent(this);
    chooserTimer_.setObjectName(QStringLiteral("Z_Timer"));
    chooserTimer_.setInterval(1000);
    connect(&chooserTimer_, &QTimer::timeout, this,
            [this] { Handle([this] { handlers_->Z_TimerTimer(); }); });
    fontTimer_.setObjectName(QStringLiteral("FontOffOptionTimer"));
    fontTimer_.setInterval(60);
    fontTimer_.setSingleShot(true);
    connect(&fontTimer_, &QTimer::timeout, this,
            [this] { Handle([this] { handlers_->FontOffOptionTimerTimer(); }); });
    Render();
}

PropertyPanel::~PropertyPanel() = default;

void PropertyPanel::SetFocusTarget(QWidget* target) {
    handlers_->OnFocusAway = [target] { target->setFocus(); };
}

void PropertyPanel::SetTextCodec(Decoder decode, Encoder encode) {
    decode_ = std::move(decode);
    encode_ = std::move(encode);
    itemsEncoding_.reset(); // the entries are shown anew
    Render();
}

template <typename F> void PropertyPanel::Handle(F&& handler) {
    if (rendering_)
        return;
    // What the handler changed the session announces; the panel draws itself.
    handler();
    Render();
}

// ---------------------------------------------------------------------------
// Building

void PropertyPanel::BuildToolBars(QWidget* parent) {
    toolStyle_ = new QWidget(parent);
    toolStyle_->setObjectName(QStringLiteral("PanelToolStyle"));
    auto* layout = new QVBoxLayout(toolStyle_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    std::array<QToolBar*, 3> bars{};
    const std::array<const char*, 3> names = {"ToolBar4", "ToolBar3", "ToolBar2"};
    for (size_t i = 0; i < bars.size(); ++i) {
        bars[i] = new QToolBar(QString::fromLatin1(names[i]), toolStyle_);
        bars[i]->setObjectName(QString::fromLatin1(names[i]));
        bars[i]->setFixedHeight(28);
        bars[i]->setIconSize(QSize(16, 16));
        layout->addWidget(bars[i]);
    }

    // Fonts.
    fontType_ = FontBox("FontType", "Тип шрифта|Выбор используемой гарнитуры шрифта", bars[0]);
    fontType2_ = FontBox("FontType2",
                         "Альтернативый тип шрифта|Этот тип шрифта будет использован если "
                         "первый тип недоступен",
                         bars[0]);
    fontWeight_ = FontBox("FontWeight",
                          "Толщина шрифта|Выбор \"жирности\" начертания шрифта. Только Normal и "
                          "Bold поддерживают все браузеры ",
                          bars[0]);
    fontSize_ =
        FontBox("FontSize", "Размер шрифта|Выбор или ввод с клавиатуры размера шрифта", bars[0]);
    fontType_->setMinimumContentsLength(12);
    fontType2_->setMinimumContentsLength(12);
    fontWeight_->setMinimumContentsLength(16);
    fontSize_->setMinimumContentsLength(6);
    // A number typed stays as typed: "2" is no start of "20" to complete.
    fontWeight_->setCompleter(nullptr);
    fontSize_->setCompleter(nullptr);
    ConnectFontBox(fontType_, &PanelHandlers::FontTypeChange, &PanelHandlers::FontTypeDblClick, 0);
    ConnectFontBox(fontType2_, &PanelHandlers::FontType2Change, &PanelHandlers::FontType2DblClick,
                   1);
    ConnectFontBox(fontWeight_, &PanelHandlers::FontWeightChange, nullptr);
    ConnectFontBox(fontSize_, &PanelHandlers::FontSizeChange, nullptr);
    connect(fontSize_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { Handle([this] { handlers_->FontSizeConfirmed(); }); });
    bars[0]->addWidget(MakeUnitButton(kFontSizeUnitButton, bars[0]));

    // Text spacing.
    for (const auto& row : LengthFieldRows()) {
        if (row.Place != PanelPlace::ToolBar3)
            continue;
        bars[1]->addWidget(MakeLengthEdit(row.Field, bars[1]));
        bars[1]->addWidget(MakeSpinner(row.Field, bars[1]));
        bars[1]->addWidget(MakeUnitButton(static_cast<int>(row.Field), bars[1]));
        bars[1]->addSeparator();
    }

    // Text style.
    fontBold_ = new KeywordToggle(bars[2]);
    fontBold_->setObjectName(QStringLiteral("FontBold"));
    fontBold_->setIcon(Picture("format-text-bold", "font-bold"));
    SetHint(fontBold_, "Полужирный|Полужирное начертание шрифт    (Font-weight: bold;)");
    connect(fontBold_, &QToolButton::clicked, this,
            [this](bool down) { Handle([this, down] { handlers_->FontBoldClick(down); }); });
    bars[2]->addWidget(fontBold_);
    std::optional<KeywordGroup> group;
    auto endGroup = [&] {
        if (group)
            groupTextActions_[static_cast<size_t>(*group)] =
                bars[2]->addWidget(GroupTextLabel(*group, bars[2]));
    };
    for (const auto& row : KeywordButtonRows()) {
        if (row.Place != PanelPlace::ToolBar2)
            continue;
        if (Info(row.Button).Group != group) {
            endGroup();
            bars[2]->addSeparator();
        }
        group = Info(row.Button).Group;
        bars[2]->addWidget(KeywordButton(row.Button, bars[2]));
    }
    endGroup();
}

bool PropertyPanel::BuildPage(int index) {
    if (index < 0 || index >= pages_->count() || built_.test(static_cast<size_t>(index)))
        return false;
    built_.set(static_cast<size_t>(index));
    QWidget* holder = pages_->widget(index);
    QWidget* page = nullptr;
    switch (PageRows()[static_cast<size_t>(index)].Place) {
    case PanelPlace::BBColor:
        page = new BBColorPage(*this, holder);
        break;
    case PanelPlace::MarginPadding:
        page = new MarginPaddingPage(*this, holder);
        break;
    case PanelPlace::DisplayVis:
        page = new DisplayVisPage(*this, holder);
        break;
    case PanelPlace::Layout:
        page = layoutPage_ = new LayoutPage(*pageServices_, holder);
        break;
    case PanelPlace::Effects:
        page = effectsPage_ = new EffectsPage(*pageServices_, holder);
        break;
    case PanelPlace::AllProperties:
        page = allPage_ = new AllPropertiesPage(*pageServices_, holder);
        break;
    case PanelPlace::Variables:
        page = variablesPage_ = new VariablesPage(*pageServices_, holder);
        break;
    default:
        page = new PositionFloatPage(*this, holder);
        break;
    }
    pages_->PlacePage(index, page);
    // Made after the rest of the window, its fields would come last in the order of Tab;
    // they take the page's place in it instead.
    QWidget* previous = holder;
    while (previous != holder->window() && !(previous->focusPolicy() & Qt::TabFocus))
        previous = previous->previousInFocusChain();
    std::vector<QWidget*> fields;
    for (QWidget* w = page; w == page || page->isAncestorOf(w); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            fields.push_back(w);
    if (previous != holder->window())
        for (QWidget* field : fields) {
            QWidget::setTabOrder(previous, field);
            previous = field;
        }
    if (holder->isVisible())
        page->show();
    return true;
}

void PropertyPanel::FillFontBoxes() {
    const FontItems& items = editor_.Panel().Items;
    rendering_ = true;
    for (auto [box, list] :
         {std::pair{fontType_, &items.FontType}, std::pair{fontType2_, &items.FontType2},
          std::pair{fontWeight_, &items.FontWeight}, std::pair{fontSize_, &items.FontSize}}) {
        QStringList names;
        names.reserve(static_cast<qsizetype>(list->size()));
        // The first entry is the program's own ("Шрифт выкл."): shown in the user's language.
        for (const auto& item : *list)
            names.append(names.isEmpty() ? TrShown(FromText(item)) : FromText(item));
        box->SetNames(names);
    }
    rendering_ = false;
    itemsEncoding_ = editor_.Panel().Encoding;
}

NameChoiceBox* PropertyPanel::FontBox(const char* name, std::string_view hint, QToolBar* bar) {
    auto* box = new NameChoiceBox(bar);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SetHint(box, hint);
    bar->addWidget(box);
    return box;
}

void PropertyPanel::ConnectFontBox(QComboBox* box, void (PanelHandlers::*change)(int, std::string),
                                   void (PanelHandlers::*doubleClick)(), int familyBox) {
    connect(box, &QComboBox::activated, this, [this, box, change](int index) {
        // The program's own entry goes back as the panel holds it, whatever it shows.
        const FontItems& items = editor_.Panel().Items;
        const LineList& list = box == fontType_     ? items.FontType
                               : box == fontType2_  ? items.FontType2
                               : box == fontWeight_ ? items.FontWeight
                                                    : items.FontSize;
        const std::string text =
            index == 0 && !list.empty() ? list.front() : ToText(box->itemText(index));
        Handle([&] { (handlers_.get()->*change)(index, text); });
    });
    if (familyBox >= 0) {
        // A family is typed in full and then confirmed: Enter, or leaving the box.
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, familyBox](const QString& text) {
                    Handle([&] { handlers_->FontFamilyTyped(familyBox, ToText(text)); });
                });
        connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                [this, familyBox] { Handle([&] { handlers_->FontFamilyConfirmed(familyBox); }); });
    } else {
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, change](const QString& text) {
            Handle([&] { (handlers_.get()->*change)(-1, ToText(text)); });
        });
    }
    // A double click on a family box switches it off.
    if (doubleClick)
        box->lineEdit()->installEventFilter(this);
}

bool PropertyPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize)
        for (size_t i = 0; i < edits_.size(); ++i)
            if (watched == edits_[i])
                ShowFieldTip(static_cast<Length>(i));
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == fontType_->lineEdit())
            Handle([this] { handlers_->FontTypeDblClick(); });
        else if (watched == fontType2_->lineEdit())
            Handle([this] { handlers_->FontType2DblClick(); });
    }
    return QObject::eventFilter(watched, event);
}

void PropertyPanel::ShowFieldTip(Length field) {
    QLineEdit* edit = edits_[static_cast<size_t>(field)];
    if (!edit)
        return;
    ShowWholeValue(*edit, EditHint(field));
    const std::string value = ToText(edit->text());
    if (!HoldsVariable(value))
        return;
    const QString what = FromText(ResolveForControl(variables_->Get(), value).Tip);
    edit->setToolTip(edit->toolTip().isEmpty() ? what : edit->toolTip() + QLatin1Char('\n') + what);
}

UnitButton* PropertyPanel::MakeUnitButton(int index, QWidget* parent) {
    auto* button = new UnitButton(parent);
    button->setObjectName(QString::fromStdString(UnitButtonName(index)));
    SetHint(button, "Единица измерения|Нажмите, чтобы выбрать единицу измерения");
    button->OnPress = [this, button, index] {
        Handle([&] {
            const QPoint corner = button->mapTo(window_, QPoint(0, 0));
            handlers_->TButton_MouseDown(
                index, {corner.x(), corner.y(), button->width(), button->height()},
                window_->width(), window_->height());
        });
        chooserTimer_.start(); // opening again starts the countdown again
    };
    units_[static_cast<size_t>(index)] = button;
    return button;
}

LengthEdit* PropertyPanel::MakeLengthEdit(Length field, QWidget* parent) {
    auto* edit = new LengthEdit(parent);
    edit->setObjectName(FromUtf8(Info(field).Name));
    edit->setFixedWidth(kLengthEditWidth);
    edit->setAutoFillBackground(true);
    for (const auto& row : LengthFieldRows())
        if (row.Field == field)
            SetHint(edit, row.Hint);
    // A value too long for the field shows whole in its tool tip.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field] { ShowFieldTip(field); });
    // The right button offers the sheet's lengths, and the definition of a var() held.
    const std::string property = LowerAscii(Info(field).Property);
    if (!property.empty()) {
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this,
                [this, edit, property](const QPoint& at) {
                    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
                    menu->addSeparator();
                    AddVariableActions(
                        *menu, variables_->Get(), {VariableKind::Length}, ToText(edit->text()),
                        [this, property](const std::string& value) {
                            // A change of the panel's own is not shown to it again.
                            if (editor_.SetProperty(property, value))
                                Render();
                        },
                        editor_);
                    menu->exec(edit->mapToGlobal(at));
                });
    }
    edit->installEventFilter(this);
    // The field's text reaches the handlers once per change, through textEdited.
    edit->OnKeyPress = [this, edit, field](QKeyEvent* event) {
        const char16_t typed = event->text()[0].unicode();
        // A CSS value is ASCII: anything else is refused like a stray sign.
        const char key = typed < 0x80 ? static_cast<char>(typed) : '\x7f';
        const std::string before = handlers_->ShownText(field);
        KeyVerdict verdict = handlers_->TEditKeyPress(field, key);
        if (verdict.Retyped) {
            rendering_ = true;
            edit->setText(FromText(verdict.Text));
            rendering_ = false;
            // A new minus stands in front and the caret after it.
            edit->setCursorPosition(verdict.Text.size() > before.size() ? 1 : 0);
        }
        if (verdict.Accepted && verdict.Key != key) {
            edit->insert(QString(QChar(verdict.Key)));
            return false;
        }
        return verdict.Accepted;
    };
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        if (!rendering_)
            handlers_->TEditTextEdited(field, ToText(text));
    });
    edit->OnKeyRelease = [this, field] { Handle([&] { handlers_->TEditKeyUp(field); }); };
    edit->OnLeave = [this, field] { Handle([&] { handlers_->TEditExit(field); }); };
    edit->OnClick = [this, field] { Handle([&] { handlers_->TEditClick(field); }); };
    edit->OnDoubleClick = [this, field] { Handle([&] { handlers_->TEditDblClick(field); }); };
    edits_[static_cast<size_t>(field)] = edit;
    return edit;
}

UpDownSpinner* PropertyPanel::MakeSpinner(Length field, QWidget* parent) {
    auto* spinner = new UpDownSpinner(parent);
    spinner->setObjectName(FromUtf8(Info(field).Name) + QStringLiteral("UpDown"));
    for (const auto& row : LengthFieldRows()) {
        if (row.Field == field) {
            SetHint(spinner->Up, row.SpinnerHint);
            SetHint(spinner->Down, row.SpinnerHint);
            SetHint(spinner, row.SpinnerHint);
        }
    }
    // Steps show at once; the text is written once, when the arrow is let go.
    spinner->Up->OnStep = [this, field] {
        Handle([&] { handlers_->TEDitUpDownClick(field, true); });
    };
    spinner->Down->OnStep = [this, field] {
        Handle([&] { handlers_->TEDitUpDownClick(field, false); });
    };
    spinner->Up->OnRelease = [this] { Handle([this] { handlers_->AllMouseUp(); }); };
    spinner->Down->OnRelease = spinner->Up->OnRelease;
    stepButtons_.push_back(spinner->Up);
    stepButtons_.push_back(spinner->Down);
    return spinner;
}

void PropertyPanel::BuildChooser() {
    chooser_ = new QFrame(window_);
    chooser_->setObjectName(QStringLiteral("Z_Select"));
    chooser_->setFixedSize(UnitChooser::kWidth, UnitChooser::kHeight);
    chooser_->setAutoFillBackground(true);
    QPalette palette = chooser_->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0)); // silver
    chooser_->setPalette(palette);
    chooser_->hide();
    for (const auto& b : ChooserButtons()) {
        auto* button = new QToolButton(chooser_);
        button->setObjectName(FromUtf8(b.Name));
        button->setText(Tr(b.Caption));
        button->setGeometry(b.Left, b.Top, b.Width, UnitChooser::kButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        SetHint(button, b.Hint);
        if (b.Name == "Z_cancel") {
            chooserCancel_ = button;
            connect(button, &QToolButton::clicked, this,
                    [this] { Handle([this] { handlers_->Z_cancelClick(); }); });
            continue;
        }
        const std::string unit(b.Caption);
        // The click applies the unit; letting the mouse go announces the change.
        connect(button, &QToolButton::clicked, this, [this, unit] {
            Handle([&] {
                handlers_->Z_AnyRazmClick(unit);
                handlers_->AllMouseUp();
            });
        });
    }
}

// ---------------------------------------------------------------------------
// PanelBuilder

QToolButton* PropertyPanel::KeywordButton(Keyword button, QWidget* parent) {
    auto* b = new KeywordToggle(parent);
    b->setObjectName(FromUtf8(Info(button).Name));
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(22, 22);
    b->setIconSize(QSize(16, 16));
    for (const auto& row : KeywordButtonRows()) {
        if (row.Button == button) {
            b->setIcon(Picture(row.ThemeIcon, row.OwnIcon));
            SetHint(b, row.Hint);
        }
    }
    connect(b, &QToolButton::clicked, this,
            [this, button] { Handle([&] { handlers_->AllSpButMouseClick(button); }); });
    keywords_[static_cast<size_t>(button)] = b;
    return b;
}

QToolButton* PropertyPanel::BorderSideButton(BorderSide side, QWidget* parent) {
    struct SideRow {
        const char* Name;
        const char* Caption;
        std::string_view Hint;
    };
    static constexpr std::array<SideRow, 5> rows = {{
        {"BorderSideAll", "Все", "Все стороны|Граница всех четырех сторон    (Border)"},
        {"BorderSideTop", "Верх", "Верхняя граница|Граница только верхней стороны    (Border-top)"},
        {"BorderSideRight", "Право",
         "Правая граница|Граница только правой стороны    (Border-right)"},
        {"BorderSideBottom", "Низ",
         "Нижняя граница|Граница только нижней стороны    (Border-bottom)"},
        {"BorderSideLeft", "Лево", "Левая граница|Граница только левой стороны    (Border-left)"},
    }};
    const SideRow& row = rows[static_cast<size_t>(side)];
    auto* b = new KeywordToggle(parent);
    b->setObjectName(QString::fromLatin1(row.Name));
    b->setText(Tr(row.Caption));
    b->setFocusPolicy(Qt::NoFocus);
    SetHint(b, row.Hint);
    connect(b, &QToolButton::clicked, this,
            [this, side] { Handle([&] { handlers_->BorderSideClick(side); }); });
    borderSides_[static_cast<size_t>(side)] = b;
    return b;
}

void PropertyPanel::LengthRow(Length field, QGridLayout* grid, int row, QWidget* parent) {
    for (const auto& r : LengthFieldRows()) {
        if (r.Field == field && !r.Label.empty()) {
            auto* label = new QLabel(Tr(r.Label), parent);
            label->setObjectName(FromUtf8(Info(field).Name) + QStringLiteral("Label"));
            lengthLabels_[static_cast<size_t>(field)] = label;
            grid->addWidget(label, row, 0);
        }
    }
    // On a page the field takes the room the row has: a long value shows more of itself.
    LengthEdit* edit = MakeLengthEdit(field, parent);
    edit->setMaximumWidth(QWIDGETSIZE_MAX);
    edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->setColumnStretch(1, 1);
    grid->addWidget(edit, row, 1);
    grid->addWidget(MakeSpinner(field, parent), row, 2);
    grid->addWidget(MakeUnitButton(static_cast<int>(field), parent), row, 3);
}

QLabel* PropertyPanel::GroupTextLabel(KeywordGroup group, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(FromUtf8(GroupName(group)) + QStringLiteral("Text"));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x1d, 0x4f, 0x99));
    label->setPalette(palette);
    label->setVisible(false);
    groupTexts_[static_cast<size_t>(group)] = label;
    return label;
}

QGroupBox* PropertyPanel::GroupBox(std::string_view caption, QWidget* parent) {
    auto* box = new QGroupBox(Tr(caption), parent);
    for (const auto& row : GroupBoxRows())
        if (row.Caption == caption)
            SetHint(box, row.Hint);
    return box;
}

ColorSwatchFrame* PropertyPanel::Swatch(ColorSwatch swatch, QWidget* parent) {
    static constexpr std::array<const char*, 3> names = {"FontColor", "BackGroundColor",
                                                         "BorderColor"};
    auto* frame = new ColorSwatchFrame(parent);
    frame->setObjectName(QString::fromLatin1(names[Index(swatch)]));
    SetHint(frame, kSwatchHints[Index(swatch)]);
    frame->OnClick = [this, swatch] { Handle([&] { handlers_->ColorClick(swatch); }); };
    // The right button offers the sheet's colours, and the definition of a var() held;
    // the border's colour is that of all four sides.
    static constexpr std::array<const char*, 3> properties = {"color", "background-color",
                                                              "border-color"};
    frame->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(frame, &QWidget::customContextMenuRequested, this,
            [this, frame, property = std::string(properties[Index(swatch)])](const QPoint& at) {
                QMenu menu;
                AddVariableActions(
                    menu, variables_->Get(), {VariableKind::Color}, ToText(frame->ValueText()),
                    [this, property](const std::string& value) {
                        // A change of the panel's own is not shown to it again.
                        if (editor_.SetProperty(property, value))
                            Render();
                    },
                    editor_);
                menu.exec(frame->mapToGlobal(at));
            });
    swatches_[Index(swatch)] = frame;
    return frame;
}

QCheckBox* PropertyPanel::ColorCheck(ColorSwatch swatch, QWidget* parent) {
    static constexpr std::array<const char*, 3> names = {"FontColorCheck", "BackGroundColorCheck",
                                                         "BorderColorCheck"};
    static constexpr std::array<std::string_view, 3> captions = {"Цвет текста", "Фон", "Цвет"};
    static constexpr std::array<std::string_view, 3> hints = {"Цвет текста", "Цвет фона",
                                                              "Цвет границ"};
    auto* check = new QCheckBox(Tr(captions[Index(swatch)]), parent);
    check->setObjectName(QString::fromLatin1(names[Index(swatch)]));
    SetHint(check, hints[Index(swatch)]);
    connect(check, &QCheckBox::clicked, this, [this, swatch](bool checked) {
        Handle([&] { handlers_->ColorCheckClick(swatch, checked); });
    });
    colorChecks_[Index(swatch)] = check;
    return check;
}

QCheckBox* PropertyPanel::TransparentCheck(QWidget* parent) {
    transparent_ = new QCheckBox(Tr("Прозрачный"), parent);
    transparent_->setObjectName(QStringLiteral("BackGroundTransparent"));
    SetHint(transparent_, "Прозрачный фон");
    connect(transparent_, &QCheckBox::clicked, this, [this](bool checked) {
        Handle([&] { handlers_->BackGroundTransparentClick(checked); });
    });
    return transparent_;
}

QPushButton* PropertyPanel::OpenPictureButton(QWidget* parent) {
    auto* button = new QPushButton(Picture("document-open", "open-picture"), Tr("Выбрать"), parent);
    button->setObjectName(QStringLiteral("OpenBackGround"));
    button->setCursor(Qt::PointingHandCursor);
    SetHint(button, "Выбор фонового рисунка");
    connect(button, &QPushButton::clicked, this,
            [this] { Handle([this] { handlers_->OpenBackGroundClick(); }); });
    return button;
}

QCheckBox* PropertyPanel::PictureCheck(QWidget* parent) {
    pictureCheck_ = new QCheckBox(parent);
    pictureCheck_->setObjectName(QStringLiteral("BackGroundAttCheck"));
    connect(pictureCheck_, &QCheckBox::clicked, this,
            [this](bool checked) { Handle([&] { handlers_->BackGroundAttCheckClick(checked); }); });
    return pictureCheck_;
}

// ---------------------------------------------------------------------------
// Showing the state

TextCodec PropertyPanel::Codec() {
    return {[this](std::string_view bytes) { return FromText(bytes); },
            [this](const QString& text) { return ToText(text); }};
}

void PropertyPanel::UseElementFacts(std::function<std::optional<ElementFacts>()> facts) {
    pageServices_->Facts = std::move(facts);
}

void PropertyPanel::Render() {
    // The pages built from the catalogue read the rule's text: only the one shown does.
    QWidget* currentPage = pages_->currentWidget();
    if (layoutPage_ && currentPage && currentPage->isAncestorOf(layoutPage_))
        layoutPage_->Render();
    if (effectsPage_ && currentPage && currentPage->isAncestorOf(effectsPage_))
        effectsPage_->Render();
    if (allPage_ && currentPage && currentPage->isAncestorOf(allPage_))
        allPage_->Render();
    if (variablesPage_ && currentPage && currentPage->isAncestorOf(variablesPage_))
        variablesPage_->Render();
    const PropertySet& p = editor_.Panel();
    if (itemsEncoding_ != p.Encoding)
        FillFontBoxes();
    rendering_ = true;
    // The controls of a page not made yet are null: the page shows the state when made.
    for (size_t i = 0; i < kLengthCount; ++i) {
        if (!edits_[i])
            continue;
        SetTextIfChanged(edits_[i], FromText(handlers_->ShownText(static_cast<Length>(i))));
        ShowSetMark(edits_[i], p.Lengths[i].Set);
        if (QLabel* label = lengthLabels_[i]) {
            const std::string property = LowerAscii(Info(static_cast<Length>(i)).Property);
            if (!property.empty())
                MarkInactive(*label, InactiveHere(*pageServices_, property, p.Lengths[i].Set));
        }
    }
    for (int i = 0; i < kUnitButtonCount; ++i)
        if (UnitButton* unit = units_[static_cast<size_t>(i)])
            unit->setText(FromText(handlers_->UnitCaption(i)));
    for (size_t i = 0; i < kKeywordCount; ++i)
        if (keywords_[i])
            keywords_[i]->setChecked(p.Down[i]);
    for (const auto& row : KeywordButtonRows()) {
        const auto group = Info(row.Button).Group;
        QToolButton* button = keywords_[static_cast<size_t>(row.Button)];
        if (button &&
            (group == KeywordGroup::PicturePosition || group == KeywordGroup::PictureAttachment ||
             group == KeywordGroup::PictureRepeat))
            button->setEnabled(p.PictureButtonsEnabled());
    }
    fontBold_->setChecked(p.FontBold);
    // The chosen side is down; a side with a border of its own has its caption in bold.
    for (size_t i = 0; i < borderSides_.size(); ++i) {
        if (!borderSides_[i])
            continue;
        const auto side = static_cast<BorderSide>(i);
        const BorderValues values = p.BorderOf(side);
        QFont font = borderSides_[i]->font();
        font.setBold(
            side != BorderSide::All &&
            (values.Width.Set || values.ColorCheck || !values.StyleText.empty() ||
             std::find(values.Style.begin(), values.Style.end(), true) != values.Style.end()));
        borderSides_[i]->setFont(font);
        borderSides_[i]->setChecked(p.ShownBorderSide == side);
    }
    for (KeywordGroup group : kKeywordGroups) {
        const std::string& text = p.Text(group);
        QLabel* label = groupTexts_[static_cast<size_t>(group)];
        if (!label)
            continue;
        const QString shown = text.empty() ? QString() : Tr("значение: ") + FromText(text);
        label->setText(shown);
        label->setToolTip(shown);
        if (QAction* action = groupTextActions_[static_cast<size_t>(group)])
            action->setVisible(!text.empty());
        else
            label->setVisible(!text.empty());
    }

    const std::string shownSize = handlers_->ShownFontSize();
    const std::array<const std::string*, 4> shownText = {nullptr, nullptr, &p.FontWeight.Text,
                                                         &shownSize};
    const std::array<std::pair<NameChoiceBox*, const TextChoiceField*>, 4> boxes = {
        std::pair{fontType_, &p.FontType}, std::pair{fontType2_, &p.FontType2},
        std::pair{fontWeight_, &p.FontWeight}, std::pair{fontSize_, &p.FontSize}};
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto [box, field] = boxes[i];
        box->SetChosen(field->ItemIndex);
        const std::string text =
            shownText[i] ? *shownText[i] : handlers_->ShownFamily(static_cast<int>(i));
        // A field not set shows the program's own caption ("Размер"), in the user's language.
        SetTextIfChanged(box->lineEdit(), field->Set ? FromText(text) : TrShown(FromText(text)));
        ShowSetMark(box->lineEdit(), field->Set);
    }
    fontType2_->setEnabled(p.FontType2Enabled);

    const std::array<const Color*, 3> colors = {&p.FontColor, &p.BackGroundColor, &p.BorderColor};
    const std::array<bool, 3> checks = {p.FontColorCheck, p.BackGroundColorCheck,
                                        p.BorderColorCheck};
    const std::array<const std::string*, 3> colorTexts = {&p.FontColorText, &p.BackGroundColorText,
                                                          &p.BorderColorText};
    for (ColorSwatch s : kSwatches) {
        ColorSwatchFrame* swatch = swatches_[Index(s)];
        if (!swatch)
            continue;
        const QString text = FromText(*colorTexts[Index(s)]);
        // A var() shows the colour it stands for, and says so in the tip.
        const std::string& held = *colorTexts[Index(s)];
        QString resolvedTip;
        std::optional<Color> resolved;
        if (HoldsVariable(held)) {
            const ResolvedValue var = ResolveForControl(variables_->Get(), held);
            resolvedTip = FromText(var.Tip);
            if (var.Value)
                resolved = ParseColor(*var.Value);
        }
        if (resolved)
            swatch->SetColor(ToQColor(*resolved));
        else
            swatch->SetColor(ToQColor(*colors[Index(s)]), text);
        // A colour the swatch cannot show tells what it is.
        const QString hint = TrHint(kSwatchHints[Index(s)]).Short;
        swatch->setToolTip(text.isEmpty() ? hint : hint + QStringLiteral(": ") + text);
        if (!resolvedTip.isEmpty())
            swatch->setToolTip(swatch->toolTip() + QLatin1Char('\n') + resolvedTip);
        colorChecks_[Index(s)]->setChecked(checks[Index(s)]);
    }
    if (transparent_) { // the background's page
        transparent_->setChecked(p.BackGroundTransparent);
        colorChecks_[Index(ColorSwatch::BackGround)]->setEnabled(p.BackGroundColorCheckEnabled());
        swatches_[Index(ColorSwatch::BackGround)]->setVisible(!p.BackGroundTransparent);
        pictureCheck_->setChecked(p.BackGroundAttCheck);
        pictureCheck_->setEnabled(p.BackGroundAttEnabled);
        pictureCheck_->setText(TrShown(FromText(p.BackGroundAttCaption)));
        if (p.BackGroundAttPath.empty())
            SetHint(pictureCheck_, "Фоновый рисунок");
        else
            pictureCheck_->setToolTip(FromText(p.BackGroundAttPath));
    }

    const UnitChooser& chooser = handlers_->Chooser;
    if (chooser.Visible) {
        chooser_->move(chooser.Bounds.Left, chooser.Bounds.Top);
        chooserCancel_->setText(Tr(chooser.CancelCaption));
        chooser_->raise();
        chooser_->show();
        if (!chooserTimer_.isActive())
            chooserTimer_.start();
    } else {
        chooser_->hide();
        chooserTimer_.stop();
    }
    if (handlers_->FontOffOptionTimerOn && !fontTimer_.isActive())
        fontTimer_.start();
    else if (!handlers_->FontOffOptionTimerOn)
        fontTimer_.stop();
    rendering_ = false;
}

} // namespace tesselo
