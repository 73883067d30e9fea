#include "panel/AllPropertiesPage.h"
#include "panel/UiText.h"

#include "document/ByteText.h"
#include "document/Hint.h"
#include "document/UserDialogs.h"
#include "editor/StyleEditor.h"
#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"
#include "panel/PanelControls.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tesselo {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A name a declaration can have: an identifier, or a custom property "--name".
bool IsPropertyName(std::string_view name) {
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsCssNameChar))
        return false;
    if (name.starts_with("--"))
        return name.size() > 2;
    const size_t first = name[0] == '-' ? 1 : 0;
    return first < name.size() && !(name[first] >= '0' && name[first] <= '9') && name[first] != '-';
}

QStringList CatalogueNames() {
    QStringList names;
    for (const PropertySpec& spec : PropertyCatalog())
        names << FromUtf8(spec.Name);
    names.sort();
    return names;
}

} // namespace

AllPropertiesPage::AllPropertiesPage(PageServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    // The rows fit the panel's width: a long value shows whole in its field's tool tip.
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowsHolder_ = new QWidget(scroll_);
    rowsLayout_ = new QVBoxLayout(rowsHolder_);
    rowsLayout_->setContentsMargins(2, 2, 2, 2);
    rowsLayout_->setSpacing(2);
    rowsLayout_->addStretch(1);
    scroll_->setWidget(rowsHolder_);
    layout->addWidget(scroll_, 1);

    // The row that adds a declaration.
    auto* adder = new QWidget(this);
    auto* line = new QHBoxLayout(adder);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    newName_ = new QComboBox(adder);
    newName_->setObjectName(QStringLiteral("NewPropertyName"));
    newName_->setEditable(true);
    newName_->setInsertPolicy(QComboBox::NoInsert);
    newName_->setMaxVisibleItems(20);
    newName_->addItems(CatalogueNames());
    newName_->setCurrentIndex(-1);
    newName_->lineEdit()->setPlaceholderText(Tr("свойство"));
    newName_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    newName_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    newName_->setToolTip(Tr("Имя нового свойства"));
    newName_->setStatusTip(Tr("Имя свойства, которое добавляется в конец правила; любое имя CSS, "
                              "и переменная --имя тоже"));
    line->addWidget(newName_, 1);
    newValue_ = new QLineEdit(adder);
    newValue_->setObjectName(QStringLiteral("NewPropertyValue"));
    newValue_->setPlaceholderText(Tr("значение"));
    newValue_->setToolTip(Tr("Значение нового свойства"));
    line->addWidget(newValue_, 1);
    add_ = new QPushButton(Tr("Добавить"), adder);
    add_->setObjectName(QStringLiteral("AddProperty"));
    add_->setToolTip(Tr("Добавить объявление в конец правила"));
    line->addWidget(add_);
    layout->addWidget(adder);
    connect(newValue_, &QLineEdit::returnPressed, this, [this] { Add(); });
    connect(add_, &QPushButton::clicked, this, [this] { Add(); });
    setEnabled(false); // until a rule is shown
}

AllPropertiesPage::~AllPropertiesPage() = default;

void AllPropertiesPage::Render() {
    const StyleEditor& editor = services_.Editor;
    // A rule with nested rules is edited as text only; a group has no declarations.
    if (!editor.HasCurrentStyle() || editor.GroupCurrent() || editor.NestedCurrent()) {
        DropRows();
        setEnabled(false);
        return;
    }
    setEnabled(true);
    const RuleProperties rule(editor.CurrentBlock());
    const auto& declarations = rule.Declarations();
    bool same = declarations.size() == rows_.size();
    for (size_t i = 0; same && i < rows_.size(); ++i)
        same = declarations[i].Property == rows_[i].Property;
    if (!same)
        Rebuild(rule);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const bool important = rule.ImportantAt(i);
        rows_[i].Control->Show(
            PropertyValue{std::string(rule.ValueAt(i)), i, false, important, true});
        const QSignalBlocker quiet(rows_[i].Important);
        rows_[i].Important->setChecked(important);
        MarkInactive(*rows_[i].Name, InactiveHere(services_, rows_[i].Property, true));
    }
}

void AllPropertiesPage::Rebuild(const RuleProperties& rule) {
    DropRows();
    rowsHolder_->setUpdatesEnabled(false);
    const auto& declarations = rule.Declarations();
    // The names stand in a column as wide as the longest.
    int nameWidth = 0;
    for (const auto& d : declarations)
        nameWidth = std::max(nameWidth, fontMetrics().horizontalAdvance(FromUtf8(d.Property)));
    nameWidth += 12;
    rows_.reserve(declarations.size());
    for (size_t i = 0; i < declarations.size(); ++i) {
        const auto& d = declarations[i];
        const std::string written = rule.Block().substr(d.Begin, d.NameEnd - d.Begin);
        QWidget* row = MakeRow(i, written, nameWidth);
        rowsLayout_->insertWidget(static_cast<int>(i), row);
    }
    rowsHolder_->setUpdatesEnabled(true);
}

void AllPropertiesPage::DropRows() {
    for (Row& row : rows_) {
        // A field left as its row goes takes no text: its control is no more the rule's.
        row.Widget->blockSignals(true);
        for (QObject* child : row.Widget->findChildren<QObject*>())
            child->blockSignals(true);
        rowsLayout_->removeWidget(row.Widget);
        row.Widget->hide();
        // Later: a row's own button or field may be what asked for the change.
        row.Widget->deleteLater();
    }
    rows_.clear();
}

QWidget* AllPropertiesPage::MakeRow(size_t index, const std::string& written, int nameWidth) {
    const std::string property = LowerAscii(written);
    const QString prefix = QStringLiteral("Row%1").arg(index);
    auto* row = new QWidget(rowsHolder_);
    row->setObjectName(prefix);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);

    const PropertySpec* known = FindProperty(property);
    const PropertySpec& spec = known ? *known : SpecOf(written);
    auto* name = new QLabel(Decode(written), row);
    name->setObjectName(prefix + QStringLiteral("Name"));
    name->setTextFormat(Qt::PlainText);
    // A long name is cut rather than the row widened; its tool tip names it whole.
    constexpr int kLongestName = 130;
    name->setMinimumWidth(std::min(nameWidth, kLongestName));
    name->setMaximumWidth(kLongestName);
    name->setToolTip(Decode(written) + QStringLiteral(": ") + TrHint(spec.Hint).Short);
    line->addWidget(name);

    ControlActions actions{[this, index, property](const std::string& value) {
                               return SetRow(index, property, value);
                           },
                           [this, index, property] { return RemoveRow(index, property); }};
    // In a row, keywords drop down from one box: a row of buttons would not fit.
    std::optional<ControlKind> kind;
    if (!known)
        kind = ControlKind::Text;
    else if (spec.Control == ControlKind::KeywordButtons)
        kind = ControlKind::KeywordChoice;
    auto control = MakeControl(spec, std::move(actions), services_, row, kind);
    line->addWidget(control->Widget(), 1);

    auto* important = new KeywordToggle(row);
    important->setObjectName(prefix + QStringLiteral("Important"));
    important->setCheckable(true);
    important->setFocusPolicy(Qt::NoFocus);
    important->setText(QStringLiteral("!"));
    important->setToolTip(Tr("Важное объявление (!important)"));
    important->setStatusTip(Tr("Важное объявление (!important) берет верх над обычными"));
    connect(important, &QToolButton::clicked, this,
            [this, index, property](bool on) { ToggleImportant(index, property, on); });
    line->addWidget(important);

    auto* remove = new QToolButton(row);
    remove->setObjectName(prefix + QStringLiteral("Remove"));
    remove->setText(QStringLiteral("✕"));
    remove->setFocusPolicy(Qt::NoFocus);
    remove->setToolTip(Tr("Удалить объявление"));
    connect(remove, &QToolButton::clicked, this, [this, index, property] {
        if (!RemoveRow(index, property))
            Tell(TrFillText("Объявление %1 не удалено: правка задела бы другие объявления "
                            "правила.\rПравило не изменено.",
                            property));
    });
    line->addWidget(remove);

    // The control goes with its row.
    control->setParent(row);
    rows_.push_back({property, row, control.release(), important, name});
    return row;
}

const PropertySpec& AllPropertiesPage::SpecOf(const std::string& written) {
    auto found = ownSpecs_.find(written);
    if (found == ownSpecs_.end()) {
        auto own = std::make_unique<OwnSpec>();
        own->Name = written;
        own->Hint = written.starts_with("--")
                        ? "Переменная|Переменная (пользовательское свойство): значение "
                          "пишется как введено"
                        : "Свойство не из каталога|Свойство, которого панель не знает: "
                          "значение пишется как введено";
        own->Spec.Name = own->Name;
        own->Spec.Kinds = KindText;
        own->Spec.Control = ControlKind::Text;
        own->Spec.Hint = own->Hint;
        found = ownSpecs_.emplace(written, std::move(own)).first;
    }
    return found->second->Spec;
}

bool AllPropertiesPage::Holds(const RuleProperties& rule, size_t index,
                              const std::string& property) const {
    return index < rule.Declarations().size() && rule.Declarations()[index].Property == property;
}

bool AllPropertiesPage::SetRow(size_t index, const std::string& property,
                               const std::string& value) {
    const RuleProperties rule(services_.Editor.CurrentBlock());
    return Holds(rule, index, property) &&
           services_.Editor.SetDeclaration(index, value, rule.ImportantAt(index));
}

bool AllPropertiesPage::RemoveRow(size_t index, const std::string& property) {
    const RuleProperties rule(services_.Editor.CurrentBlock());
    return Holds(rule, index, property) && services_.Editor.RemoveDeclaration(index);
}

void AllPropertiesPage::ToggleImportant(size_t index, const std::string& property, bool on) {
    const RuleProperties rule(services_.Editor.CurrentBlock());
    if (Holds(rule, index, property) &&
        services_.Editor.SetDeclaration(index, rule.ValueAt(index), on))
        return;
    if (index < rows_.size()) {
        const QSignalBlocker quiet(rows_[index].Important);
        rows_[index].Important->setChecked(!on);
    }
    Tell(TrFillText("Приоритет объявления %1 не изменен: правка задела бы другие объявления "
                    "правила.\rПравило не изменено.",
                    property));
}

void AllPropertiesPage::Add() {
    const QString name = newName_->currentText().trimmed();
    const QString value = newValue_->text().trimmed();
    const std::string nameText = services_.Codec.Encode(name);
    if (name.isEmpty()) {
        Tell(TrFillText("Введите имя свойства, которое нужно добавить."));
        return;
    }
    if (!IsPropertyName(nameText)) {
        Tell(TrFillText("\"%1\" — не имя свойства CSS.\rПравило не изменено.", name));
        return;
    }
    if (value.isEmpty()) {
        Tell(TrFillText("Введите значение свойства %1.", name));
        return;
    }
    const std::string valueText = services_.Codec.Encode(value);
    const PropertySpec* spec = nameText.starts_with("--") ? nullptr : FindProperty(nameText);
    // A property the panel knows takes what its control takes; any other any value that
    // stays in its declaration.
    const bool fits =
        spec ? TypedValueFits(*spec, spec->Control, valueText) : IsSafeValue(valueText);
    if (!fits) {
        Tell(TrFillText("Значение \"%1\" не подходит для свойства %2.\rПравило не изменено.", value,
                        name));
        return;
    }
    if (!services_.Editor.AddDeclaration(nameText, valueText)) {
        Tell(TrFillText("Объявление %1: %2 не добавлено: правка задела бы другие объявления "
                        "правила.\rПравило не изменено.",
                        name, value));
        return;
    }
    newName_->setCurrentIndex(-1);
    newName_->clearEditText();
    newValue_->clear();
}

void AllPropertiesPage::Tell(const std::string& text) {
    services_.Dialogs.Show({"Tesselo", text, MessageIcon::Error, MessageButtons::Ok});
}

} // namespace tesselo
