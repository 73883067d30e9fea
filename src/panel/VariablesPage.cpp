#include "panel/VariablesPage.h"
#include "panel/UiText.h"

#include "document/UserDialogs.h"
#include "editor/StyleEditor.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/ValueSyntax.h"
#include "panel/PanelDialogs.h"
#include "panel/VariableHints.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tesselo {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon SwatchIcon(const std::optional<Color>& color) {
    // A theme repeats its colours: each is drawn once.
    static QHash<quint64, QIcon> drawn;
    const quint64 key = color ? (quint64{1} << 32) | (quint64{color->Red} << 24) |
                                    (quint64{color->Green} << 16) | (quint64{color->Blue} << 8) |
                                    color->Alpha
                              : 0;
    if (auto found = drawn.constFind(key); found != drawn.constEnd())
        return *found;
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(128, 128, 128));
    if (color)
        painter.setBrush(QColor(color->Red, color->Green, color->Blue, color->Alpha));
    else
        painter.setBrush(Qt::BDiagPattern);
    painter.drawRect(1, 1, 13, 13);
    painter.end();
    return *drawn.insert(key, QIcon(picture));
}

// A colour of three channels, "13, 110, 253", read as rgb() reads it.
std::optional<Color> ColorOf(VariableKind kind, const std::string& value) {
    if (kind == VariableKind::RgbTriple)
        return ParseColor("rgb(" + value + ")");
    return ParseColor(value);
}

std::string_view KindCaption(VariableKind kind) {
    switch (kind) {
    case VariableKind::Color:
        return "цвет";
    case VariableKind::RgbTriple:
        return "цвет тремя числами для rgb()";
    case VariableKind::Length:
        return "длина";
    case VariableKind::Time:
        return "время";
    case VariableKind::Number:
        return "число";
    case VariableKind::Shadow:
        return "тень";
    case VariableKind::Keyword:
        return "ключевое слово";
    case VariableKind::Text:
        break;
    }
    return "текст";
}

// A length or a time: the number in its box, the unit in a list beside it.
class NumberWithUnit final : public QWidget {
public:
    NumberWithUnit(VariableKind kind, QWidget* parent) : QWidget(parent) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        number_ = new QLineEdit(this);
        number_->setObjectName(QStringLiteral("VariableNumber"));
        unit_ = new QComboBox(this);
        unit_->setObjectName(QStringLiteral("VariableUnit"));
        unit_->setEditable(false);
        if (kind == VariableKind::Time) {
            unit_->addItems({QStringLiteral("s"), QStringLiteral("ms")});
        } else {
            for (std::string_view unit : LengthUnits())
                unit_->addItem(FromUtf8(unit));
            unit_->addItem(QStringLiteral("%"));
        }
        layout->addWidget(number_, 1);
        layout->addWidget(unit_);
        setFocusProxy(number_);
    }
    // Shows the value; false when it is no number with a unit (calc(), a var()).
    bool Set(const QString& value) {
        const std::string whole = value.trimmed().toStdString();
        const std::string_view text = whole;
        // The number and its unit, as views of the text.
        std::string_view number = text;
        std::string_view unit;
        auto bare = [](std::string_view n) {
            const auto split = SplitNumberAndUnit(n);
            return split && split->Unit.empty();
        };
        if (text.ends_with('%') && bare(text.substr(0, text.size() - 1))) {
            number = text.substr(0, text.size() - 1);
            unit = "%";
        } else if (text.ends_with("ms") && bare(text.substr(0, text.size() - 2))) {
            number = text.substr(0, text.size() - 2);
            unit = "ms";
        } else if (text.ends_with('s') && bare(text.substr(0, text.size() - 1))) {
            number = text.substr(0, text.size() - 1);
            unit = "s";
        } else if (const auto split = SplitNumberAndUnit(text)) {
            number = text.substr(0, text.size() - split->Unit.size());
            unit = text.substr(text.size() - split->Unit.size());
        } else {
            return false;
        }
        number_->setText(FromUtf8(number));
        if (const int at = unit_->findText(FromUtf8(unit)); at >= 0)
            unit_->setCurrentIndex(at);
        else if (!unit.empty())
            return false;
        return true;
    }
    QLineEdit* Number() const { return number_; }
    QString Text() const {
        const QString number = number_->text().trimmed();
        // A number alone keeps the unit chosen; text that is no number is taken as typed.
        if (!SplitNumberAndUnit(number.toStdString()) ||
            !SplitNumberAndUnit(number.toStdString())->Unit.empty())
            return number;
        return number + unit_->currentText();
    }

private:
    QLineEdit* number_;
    QComboBox* unit_;
};

// The value column's editors: a number with its unit for lengths and times, a plain box
// for the rest; colours have the colour dialog instead. The page writes what is typed.
class ValueDelegate final : public QStyledItemDelegate {
public:
    ValueDelegate(VariablesPage& page, QObject* parent)
        : QStyledItemDelegate(parent), page_(page) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        page_.EditorOpened();
        const auto kind = static_cast<VariableKind>(index.data(VariablesPage::KindRole).toInt());
        if (kind == VariableKind::Length || kind == VariableKind::Time) {
            // calc() and the like are typed as text.
            auto* editor = new NumberWithUnit(kind, parent);
            editor->setObjectName(QStringLiteral("VariableValueEditor"));
            if (editor->Set(index.data(Qt::EditRole).toString())) {
                // Enter in the number takes the value, as in a plain box.
                auto* self = const_cast<ValueDelegate*>(this);
                connect(editor->Number(), &QLineEdit::returnPressed, self, [self, editor] {
                    emit self->commitData(editor);
                    emit self->closeEditor(editor);
                });
                return editor;
            }
            delete editor;
        }
        if (kind == VariableKind::Keyword) {
            // The keywords of the properties that read the variable, and what it holds.
            auto* box = new QComboBox(parent);
            box->setObjectName(QStringLiteral("VariableValueEditor"));
            box->setEditable(true);
            box->addItems(page_.KeywordChoices(
                index.siblingAtColumn(0).data(VariablesPage::NameRole).toString()));
            return box;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setObjectName(QStringLiteral("VariableValueEditor"));
        return editor;
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        page_.EditorClosed();
        QStyledItemDelegate::destroyEditor(editor, index);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* unit = dynamic_cast<NumberWithUnit*>(editor)) {
            unit->Set(index.data(Qt::EditRole).toString());
            return;
        }
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->setCurrentText(index.data(Qt::EditRole).toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        QString typed;
        if (auto* unit = dynamic_cast<NumberWithUnit*>(editor))
            typed = unit->Text();
        else if (auto* line = qobject_cast<QLineEdit*>(editor))
            typed = line->text();
        else if (auto* box = qobject_cast<QComboBox*>(editor))
            typed = box->currentText();
        auto* tree = qobject_cast<QTreeWidget*>(parent());
        if (!tree)
            return;
        QTreeWidgetItem* item = tree->itemFromIndex(index);
        if (item)
            page_.TakeValue(item, typed);
    }

private:
    VariablesPage& page_;
};

} // namespace

VariablesPage::VariablesPage(PageServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("VariablesPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("VariablesFilter"));
    filter_->setPlaceholderText(Tr("Найти переменную по имени или значению"));
    filter_->setClearButtonEnabled(true);
    filter_->setStatusTip(Tr("Показывает только переменные, в имени или значении "
                             "которых есть набранный текст"));
    layout->addWidget(filter_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("VariablesTree"));
    tree_->setColumnCount(3);
    tree_->setHeaderLabels({Tr("Переменная"), Tr("Значение"), Tr("Используют")});
    tree_->setUniformRowHeights(true);
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tree_->setItemDelegateForColumn(ValueColumn, new ValueDelegate(*this, tree_));
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->header()->setSectionResizeMode(NameColumn, QHeaderView::Interactive);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    tree_->header()->setSectionResizeMode(UsesColumn, QHeaderView::ResizeToContents);
    tree_->setIndentation(12);
    tree_->setStatusTip(
        Tr("Переменные таблицы стилей. Двойной щелчок по значению изменяет его, по числу "
           "использований — показывает стили, которые её читают; правая кнопка — переименование"));
    layout->addWidget(tree_, 1);

    connect(filter_, &QLineEdit::textChanged, this, [this] { Filter(); });
    connect(tree_->header(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == NameColumn && !rendering_)
            nameWidthChosen_ = true;
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int column) {
                if (item->data(NameColumn, RowRole).isNull())
                    return;
                if (column == UsesColumn)
                    ShowUses(item);
                else if (column == NameColumn)
                    GoToDefinition(item);
                else
                    EditValue(item);
            });
    connect(tree_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ContextMenu(at); });
}

const SheetVariables& VariablesPage::Variables() const {
    return services_.Variables->Get();
}

void VariablesPage::Render() {
    if (rendering_)
        return;
    // A value being typed keeps its row until its editor has closed.
    if (openEditors_ > 0) {
        QTimer::singleShot(0, this, [this] { Render(); });
        return;
    }
    rendering_ = true;
    const StyleDocument& document = services_.Editor.Document();
    const SheetVariables& variables = Variables();
    // Selecting a rule changes no variable: the tree shown stays.
    if (shownGeneration_ == services_.Variables->Generation()) {
        rendering_ = false;
        return;
    }
    shownGeneration_ = services_.Variables->Generation();
    // The item chosen and the place scrolled to stay where they were.
    std::pair<int, QString> chosen{-1, {}};
    if (QTreeWidgetItem* current = tree_->currentItem();
        current && !current->data(NameColumn, RowRole).isNull())
        chosen = {current->data(NameColumn, RowRole).toInt(), current->text(NameColumn)};
    const int scrolled = tree_->verticalScrollBar()->value();
    tree_->setUpdatesEnabled(false);
    tree_->clear();
    QList<QTreeWidgetItem*> rules;
    QTreeWidgetItem* rule = nullptr;
    int ruleRow = -1;
    QTreeWidgetItem* current = nullptr;
    QString longest; // measured once: shaping every name would cost more than the rest
    QFont struck = tree_->font();
    struck.setStrikeOut(true);
    for (const VariableDefinition& d : variables.Definitions()) {
        if (d.Row != ruleRow) {
            ruleRow = d.Row;
            rule = new QTreeWidgetItem();
            rule->setText(NameColumn, services_.Codec.Decode(RulePlace(document, d.Row, " › ")));
            rule->setFirstColumnSpanned(true);
            rule->setFlags(Qt::ItemIsEnabled);
            rules.append(rule);
        }
        auto* item = new QTreeWidgetItem(rule);
        const VariableKind kind = variables.KindOf(d);
        item->setText(NameColumn, services_.Codec.Decode(d.Name));
        if (item->text(NameColumn).size() > longest.size())
            longest = item->text(NameColumn);
        item->setText(ValueColumn, services_.Codec.Decode(d.Value));
        item->setData(NameColumn, RowRole, d.Row);
        item->setData(NameColumn, IndexRole, static_cast<qulonglong>(d.Index));
        item->setData(NameColumn, NameRole, QString::fromStdString(d.Name));
        item->setData(ValueColumn, KindRole, static_cast<int>(kind));
        item->setData(NameColumn, KindRole, static_cast<int>(kind));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                       (kind == VariableKind::Color || kind == VariableKind::RgbTriple
                            ? Qt::NoItemFlags
                            : Qt::ItemIsEditable));
        QString tip = QStringLiteral("%1: %2").arg(item->text(NameColumn), Tr(KindCaption(kind)));
        if (kind == VariableKind::Color || kind == VariableKind::RgbTriple) {
            const auto resolved = variables.Resolve(d.Value);
            item->setIcon(ValueColumn,
                          SwatchIcon(resolved ? ColorOf(kind, *resolved) : std::nullopt));
            if (resolved && *resolved != d.Value)
                tip += QStringLiteral("\n") + services_.Codec.Decode(d.Value + " = " + *resolved);
        }
        const size_t uses = variables.UseCount(d.Name);
        if (uses == 0) {
            item->setText(UsesColumn, Tr("нет"));
            item->setForeground(UsesColumn, palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(UsesColumn, Tr("Не используется: ни одно var() таблицы "
                                            "стилей не читает эту переменную"));
            item->setForeground(NameColumn, palette().brush(QPalette::Disabled, QPalette::Text));
        } else {
            item->setText(UsesColumn, QString::number(uses));
            item->setToolTip(UsesColumn, Tr("Сколько раз var() читает переменную; "
                                            "двойной щелчок покажет стили"));
        }
        if (d.Shadowed) {
            item->setFont(NameColumn, struck);
            item->setFont(ValueColumn, struck);
            tip += Tr("\nПерекрыта следующим объявлением этого же стиля");
        }
        item->setToolTip(NameColumn, tip);
        item->setToolTip(ValueColumn, tip);
        if (d.Row == chosen.first && item->text(NameColumn) == chosen.second)
            current = item;
    }
    tree_->addTopLevelItems(rules);
    tree_->expandAll();
    // The names as wide as they need, up to half the tree: the values take the rest.
    if (!nameWidthChosen_)
        tree_->setColumnWidth(NameColumn, std::min(tree_->fontMetrics().horizontalAdvance(longest) +
                                                       2 * tree_->indentation() + 12,
                                                   std::max(120, tree_->viewport()->width() / 2)));
    if (current)
        tree_->setCurrentItem(current);
    Filter();
    tree_->verticalScrollBar()->setValue(scrolled);
    tree_->setUpdatesEnabled(true);
    rendering_ = false;
}

QStringList VariablesPage::KeywordChoices(const QString& name) const {
    QStringList choices;
    for (const std::string& property : Variables().PropertiesUsing(name.toStdString()))
        if (const PropertySpec* spec = FindProperty(property))
            for (std::string_view keyword : AllKeywords(*spec))
                if (!choices.contains(FromUtf8(keyword)))
                    choices.append(FromUtf8(keyword));
    return choices;
}

void VariablesPage::Filter() {
    const QString wanted = filter_->text().trimmed();
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* rule = tree_->topLevelItem(i);
        bool any = false;
        for (int k = 0; k < rule->childCount(); ++k) {
            QTreeWidgetItem* item = rule->child(k);
            const bool shown = wanted.isEmpty() ||
                               item->text(NameColumn).contains(wanted, Qt::CaseInsensitive) ||
                               item->text(ValueColumn).contains(wanted, Qt::CaseInsensitive);
            item->setHidden(!shown);
            any = any || shown;
        }
        rule->setHidden(!any && !rule->text(NameColumn).contains(wanted, Qt::CaseInsensitive));
    }
}

void VariablesPage::EditValue(QTreeWidgetItem* item) {
    const auto kind = static_cast<VariableKind>(item->data(NameColumn, KindRole).toInt());
    if (kind != VariableKind::Color && kind != VariableKind::RgbTriple) {
        tree_->setCurrentItem(item, ValueColumn);
        tree_->editItem(item, ValueColumn);
        return;
    }
    const std::string value = services_.Codec.Encode(item->text(ValueColumn));
    const auto resolved = Variables().Resolve(value);
    const Color initial = resolved ? ColorOf(kind, *resolved).value_or(Color{}) : Color{};
    const auto chosen = services_.Choices.ChooseColor(initial);
    if (!chosen)
        return;
    std::string written;
    if (kind == VariableKind::RgbTriple) {
        written = std::to_string(chosen->Red) + ", " + std::to_string(chosen->Green) + ", " +
                  std::to_string(chosen->Blue);
    } else {
        // As the author writes this colour; a var() or a keyword becomes #rrggbb (rgba()
        // when not opaque).
        const ColorNotation notation = ParseColor(value) ? NotationOf(value) : ColorNotation::Hex;
        written = WriteColor(*chosen, notation);
    }
    TakeValue(item, services_.Codec.Decode(written));
}

bool VariablesPage::TakeValue(QTreeWidgetItem* item, const QString& typed) {
    const std::string name = item->data(NameColumn, NameRole).toString().toStdString();
    const auto kind = static_cast<VariableKind>(item->data(NameColumn, KindRole).toInt());
    const std::string value = services_.Codec.Encode(typed.trimmed());
    if (value == services_.Codec.Encode(item->text(ValueColumn)))
        return false;
    // The same value taken twice (Enter, then the editor closing) is written once.
    const int defining = item->data(NameColumn, RowRole).toInt();
    const size_t declaration = item->data(NameColumn, IndexRole).toULongLong();
    if (defining < services_.Editor.Document().StyleCount()) {
        const std::string block = services_.Editor.Document().Record(defining).BlockText();
        const auto declarations = ParseBlock(block).Declarations;
        if (declaration < declarations.size() &&
            block.substr(declarations[declaration].ValueBegin,
                         declarations[declaration].ValueEnd -
                             declarations[declaration].ValueBegin) == value)
            return true;
    }
    // A value of another kind would change what every var() of it gives; text holding
    // var() or a function is the author's to decide.
    const VariableKind now = KindOfValue(value);
    const bool fits = kind == VariableKind::Text || kind == VariableKind::Shadow || now == kind ||
                      HoldsVariable(value) ||
                      (kind == VariableKind::Length && IsMathOrVarFunction(value));
    auto tell = [this](const std::string& text) {
        services_.Dialogs.Show({"Error", text, MessageIcon::Error, MessageButtons::Ok});
    };
    if (value.empty() || !fits) {
        tell(TrFillText("Значение переменной %1 не записано: «%2» — не %3.", name, typed.trimmed(),
                        Tr(KindCaption(kind))));
        Render();
        return false;
    }
    const int row = item->data(NameColumn, RowRole).toInt();
    const size_t index = item->data(NameColumn, IndexRole).toULongLong();
    if (!services_.Editor.SetDeclarationOf(row, index, value)) {
        tell(TrFillText("Значение переменной %1 не записано: оно вышло бы за пределы своего "
                        "объявления (точка с запятой, фигурная скобка или незакрытая кавычка).",
                        name));
        Render();
        return false;
    }
    // A change of the panel's own is not shown to it again by the window.
    Render();
    return true;
}

void VariablesPage::Rename(QTreeWidgetItem* item) {
    const std::string name = item->data(NameColumn, NameRole).toString().toStdString();
    const auto typed =
        services_.Choices.AskName(TrFillText("Переименование переменной"),
                                  TrFillText("Новое имя переменной %1:", name), name);
    if (!typed || *typed == name)
        return;
    const std::string to = std::string(TrimCssBlanks(*typed));
    auto tell = [this](const std::string& text) {
        services_.Dialogs.Show({"Error", text, MessageIcon::Error, MessageButtons::Ok});
    };
    if (!IsCustomPropertyName(to)) {
        tell(TrFillText("«%1» — не имя переменной: оно начинается с двух дефисов, за которыми "
                        "идут буквы, цифры, дефисы или подчёркивания (--main-color).",
                        to));
        return;
    }
    const SheetVariables& variables = Variables();
    if (variables.Defines(to) || variables.UseCount(to) > 0) {
        tell(TrFillText("Переменная %1 уже есть в таблице стилей: переименование слило бы две "
                        "переменные в одну.",
                        to));
        return;
    }
    const size_t places = variables.DefinitionsOf(name).size() + variables.UseCount(name);
    const Answer answer =
        services_.Dialogs.Show({TrFillText("Переименование переменной"),
                                TrFillText("Переименовать %1 в %2? Изменится мест в таблице "
                                           "стилей: %3 (определения и var()).",
                                           name, to, std::to_string(places)),
                                MessageIcon::Exclamation, MessageButtons::YesNo});
    if (answer != Answer::Yes)
        return;
    if (services_.Editor.RenameVariable(name, to) > 0)
        Render();
}

void VariablesPage::ShowUses(QTreeWidgetItem* item) {
    const std::string name = item->data(NameColumn, NameRole).toString().toStdString();
    const StyleDocument& document = services_.Editor.Document();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("VariableUsesMenu"));
    const std::vector<int> rows = Variables().RowsUsing(name);
    if (rows.empty())
        menu.addAction(Tr("Ни один стиль не читает эту переменную"))->setEnabled(false);
    for (int row : rows) {
        QAction* action = menu.addAction(services_.Codec.Decode(RulePlace(document, row, " › ")));
        connect(action, &QAction::triggered, this, [this, row] { services_.Editor.Select(row); });
    }
    menu.exec(tree_->viewport()->mapToGlobal(tree_->visualItemRect(item).bottomLeft()));
}

void VariablesPage::GoToDefinition(QTreeWidgetItem* item) {
    services_.Editor.Select(item->data(NameColumn, RowRole).toInt());
}

void VariablesPage::ContextMenu(const QPoint& at) {
    QTreeWidgetItem* item = tree_->itemAt(at);
    if (!item || item->data(NameColumn, RowRole).isNull())
        return;
    QMenu menu(this);
    connect(menu.addAction(Tr("Изменить значение")), &QAction::triggered, this,
            [this, item] { EditValue(item); });
    connect(menu.addAction(Tr("Переименовать…")), &QAction::triggered, this,
            [this, item] { Rename(item); });
    connect(menu.addAction(Tr("Где используется…")), &QAction::triggered, this,
            [this, item] { ShowUses(item); });
    connect(menu.addAction(Tr("Перейти к стилю, где задана")), &QAction::triggered, this,
            [this, item] { GoToDefinition(item); });
    menu.exec(tree_->viewport()->mapToGlobal(at));
}

} // namespace tesselo
