#include "dialogs/CreateSelectorDlg.h"
#include "panel/UiText.h"

#include "document/Hint.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tesselo {
namespace {

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// "short|long": the short text is the tool tip, the long one goes to the hint line.
void SetHint(QWidget* widget, std::string_view hint) {
    const UiHint parts = TrHint(hint);
    widget->setToolTip(parts.Short);
    widget->setStatusTip(parts.Long);
}

QListWidget* ListOf(QWidget* parent, const char* name, const std::vector<std::string_view>& rows) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (auto row : rows)
        list->addItem(Text(row));
    return list;
}

QPushButton* Button(QWidget* parent, const char* name, std::string_view caption,
                    std::string_view hint) {
    auto* button = new QPushButton(Tr(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    SetHint(button, hint);
    return button;
}

} // namespace

TCreateSelector::TCreateSelector(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CreateSelector"));
    setWindowTitle(QStringLiteral("CreateSelector"));
    setModal(true);
    // Three columns side by side (the tags, the simple selector, the group) above the
    // hint line, each control under its label.
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);
    auto* tags = new QVBoxLayout;
    tags->addWidget(new QLabel(Tr("Список тегов HTML"), this));
    BuildTagPages();
    tags->addWidget(PageControl1, 1);
    columns->addLayout(tags, 1);
    auto* detail = new QVBoxLayout;
    BuildDetail(detail);
    columns->addLayout(detail);
    auto* group = new QVBoxLayout;
    BuildGroup(group);
    columns->addLayout(group);
    labelHint_ = new QLabel(TrMessage(builder_.LabelHint), this);
    labelHint_->setObjectName(QStringLiteral("LabelHint"));
    labelHint_->setTextFormat(Qt::PlainText);
    layout->addWidget(labelHint_);
    setFixedSize(sizeHint().expandedTo(QSize(640, 420)));
}

void TCreateSelector::BuildTagPages() {
    static const char* const kNames[] = {"ListTagHTML", "ListBox1", "ListBox2",
                                         "ListBox3",    "ListBox4", "ListBox5"};
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Wide enough for the six page tabs and two columns of tags.
    PageControl1->setMinimumWidth(420);
    for (size_t i = 0; i < TagLists().size(); ++i) {
        std::vector<std::string_view> rows{kNoTag};
        rows.insert(rows.end(), TagLists()[i].Tags.begin(), TagLists()[i].Tags.end());
        QListWidget* list = ListOf(PageControl1, kNames[i], rows);
        // Two columns of tags.
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            builder_.TagClick(item->text().toStdString());
            Render();
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            builder_.TagDoubleClick(item->text().toStdString());
            Render();
        });
        connect(list, &QListWidget::itemEntered, this, [this, list](QListWidgetItem* item) {
            // The tag under the pointer is shown with its purpose; it is no click.
            list->setFocus();
            list->setCurrentItem(item);
            builder_.TagHover(item->text().toStdString());
            labelHint_->setText(TrMessage(builder_.LabelHint));
        });
        tagLists_.push_back(list);
        PageControl1->addTab(list, Tr(TagLists()[i].Page));
    }
    tagLists_[0]->setCurrentRow(0);
    PageControl1->setCurrentIndex(1); // "Текст" at the first showing
}

void TCreateSelector::BuildDetail(QVBoxLayout* column) {
    column->addWidget(new QLabel(Tr("Текущий селектор"), this));
    CurrentSelector = new QLineEdit(this);
    CurrentSelector->setObjectName(QStringLiteral("CurrentSelector"));
    SetHint(CurrentSelector, "Допускается автосоздание или ввод с клавиатуры");
    connect(CurrentSelector, &QLineEdit::textEdited, this,
            [this](const QString& text) { builder_.CurrentSelector = text.toStdString(); });
    column->addWidget(CurrentSelector);

    auto* detail = new QGroupBox(Tr("и его детализация"), this);
    auto* form = new QGridLayout(detail);
    auto combo = [&](QComboBox*& box, const char* name, const char* label, std::string_view hint,
                     int row) {
        box = new QComboBox(detail);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumWidth(120); // an ID or class name of a dozen letters shows whole
        SetHint(box, hint);
        form->addWidget(new QLabel(Tr(label), detail), row, 0);
        form->addWidget(box, row, 1);
        box->installEventFilter(this);
    };
    combo(ComboID, "ComboID", "#ID", "ID-селектор. Часто используют в документах блочной структуры",
          0);
    combo(ComboClass, "ComboClass", ".class",
          "Имя класса. Практически любой элемент может быть классифицирован.", 1);
    // The user's edits and picks change the selector; texts set by the program do not.
    connect(ComboID, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!rendering_)
            builder_.ComboIDChange(text.toStdString()), Render();
    });
    connect(ComboClass, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!rendering_)
            builder_.ComboClassChange(text.toStdString()), Render();
    });
    psevdoelement = ListOf(detail, "psevdoelement", kPseudoElements);
    SetHint(psevdoelement,
            "Псевдоэлемент используют для различного описания отдельных частей селектора");
    psevdoclass = ListOf(detail, "psevdoclass", kPseudoClasses);
    SetHint(psevdoclass, "Псевдокласс используют для различного описания состояний селектора");
    // Each part tells what it is for: in its tool tip, and on the hint line under the
    // pointer, as the tags do.
    auto explain = [this](QListWidget* list, void (SelectorBuilder::*hover)(std::string_view)) {
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setToolTip(Tr(PseudoHelp(list->item(row)->text().toStdString())));
        list->setMouseTracking(true);
        connect(list, &QListWidget::itemEntered, this, [this, hover](QListWidgetItem* item) {
            (builder_.*hover)(item->text().toStdString());
            labelHint_->setText(TrMessage(builder_.LabelHint));
        });
    };
    explain(psevdoelement, &SelectorBuilder::PseudoElementHover);
    explain(psevdoclass, &SelectorBuilder::PseudoClassHover);
    connect(psevdoelement, &QListWidget::itemClicked, this, [this] {
        builder_.PseudoElementClick(psevdoelement->currentRow());
        Render();
    });
    connect(psevdoclass, &QListWidget::itemClicked, this, [this] {
        builder_.PseudoClassClick(psevdoclass->currentRow());
        Render();
    });
    // The pseudo lists are as wide as their rows: the dialog fits beside the window.
    for (QListWidget* list : {psevdoelement, psevdoclass}) {
        list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    form->addWidget(new QLabel(Tr("Псевдоэлемент"), detail), 2, 0);
    form->addWidget(psevdoelement, 3, 0);
    form->addWidget(new QLabel(Tr("Псевдокласс"), detail), 2, 1);
    form->addWidget(psevdoclass, 3, 1);
    column->addWidget(detail);
    column->addStretch(1);
}

void TCreateSelector::BuildGroup(QVBoxLayout* column) {
    column->addWidget(new QLabel(Tr("Итоговый селектор"), this));
    Itog = new QListWidget(this);
    Itog->setObjectName(QStringLiteral("Itog"));
    // As wide as its buttons: a long group of selectors scrolls instead of widening it.
    Itog->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    connect(Itog, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_)
            builder_.ItogRow = row;
    });
    column->addWidget(Itog, 1);
    auto* buttons = new QGridLayout;
    auto add = [&](QWidget* button, int row, int col, void (SelectorBuilder::*command)()) {
        buttons->addWidget(button, row, col);
        connect(static_cast<QAbstractButton*>(button), &QAbstractButton::clicked, this,
                [this, command] {
                    (builder_.*command)();
                    Render();
                });
    };
    add(Button(this, "AddElement", "Добавить", "Добавление в итоговый селектор"), 0, 0,
        &SelectorBuilder::AddElementClick);
    add(Button(this, "AddPotomok", "...потомка", "Потомок - это элемент, созданный внутри предка"),
        1, 0, &SelectorBuilder::AddPotomokClick);
    add(Button(this, "AddSosed", ".....соседа",
               "Сосед - это сестринский элемент (идущий на одном уровне вложенности)"),
        2, 0, &SelectorBuilder::AddSosedClick);
    add(Button(this, "Del", "Удалить", "Удаление текущего селектора"), 0, 1,
        &SelectorBuilder::DelClick);
    add(Button(this, "DelPotomok", "...потомка", "Удаление потомка в текущем селекторе"), 1, 1,
        &SelectorBuilder::DelPotomokClick);
    add(Button(this, "DelSosed", ".....соседа", "Удаление соседа в текущем селекторе"), 2, 1,
        &SelectorBuilder::DelSosedClick);
    auto arrow = [&](const char* name, Qt::ArrowType type, const char* hint) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setArrowType(type);
        SetHint(button, hint);
        return button;
    };
    add(arrow("SpeedButton1", Qt::UpArrow, "Вверх"), 3, 0, &SelectorBuilder::UpClick);
    add(arrow("SpeedButton2", Qt::DownArrow, "Вниз"), 3, 1, &SelectorBuilder::DownClick);
    column->addLayout(buttons);
    auto* finish = new QHBoxLayout;
    QPushButton* ok = Button(this, "Ok", "Готово", "Завершение работы мастера");
    QPushButton* cancel = Button(this, "Cancel", "Отмена", "Отменить создание");
    connect(ok, &QPushButton::clicked, this, [this] {
        builder_.OkClick();
        if (builder_.Refusal.empty())
            accept();
        else
            Refuse();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        builder_.CancelClick();
        reject();
    });
    finish->addWidget(ok);
    finish->addWidget(cancel);
    column->addLayout(finish);
}

// A result that would break the sheet: the dialog stays, with all the user built.
void TCreateSelector::Refuse() {
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("SelectorRefused"));
    box.setWindowTitle(QStringLiteral("Error"));
    box.setIcon(QMessageBox::Critical);
    box.setTextFormat(Qt::PlainText); // a selector shown as typed, never as markup
    box.setText(TrMessage(builder_.Refusal).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    box.exec();
    CurrentSelector->setFocus();
}

QString TCreateSelector::Execute(const QString& styleNameList) {
    builder_.FormShow(styleNameList.toStdString());
    tagLists_[0]->setCurrentRow(0);
    Render();
    exec();
    return QString::fromStdString(builder_.SelectorResult);
}

bool TCreateSelector::eventFilter(QObject* watched, QEvent* event) {
    // Leaving an ID or class box offers its text in its list.
    if (event->type() == QEvent::FocusOut) {
        if (watched == ComboID)
            builder_.ComboIDExit(), Render();
        else if (watched == ComboClass)
            builder_.ComboClassExit(), Render();
    }
    return QDialog::eventFilter(watched, event);
}

void TCreateSelector::Render() {
    rendering_ = true;
    if (CurrentSelector->text().toStdString() != builder_.CurrentSelector)
        CurrentSelector->setText(QString::fromStdString(builder_.CurrentSelector));
    auto show = [](QComboBox* box, const std::vector<std::string>& offers,
                   const std::string& text) {
        QStringList items;
        for (const auto& offer : offers)
            items << QString::fromStdString(offer);
        QStringList present;
        for (int i = 0; i < box->count(); ++i)
            present << box->itemText(i);
        if (present != items) {
            box->clear();
            box->addItems(items);
        }
        if (box->currentText().toStdString() != text)
            box->setEditText(QString::fromStdString(text));
    };
    show(ComboID, builder_.IdOffers, builder_.IdText);
    show(ComboClass, builder_.ClassOffers, builder_.ClassText);
    psevdoelement->setCurrentRow(builder_.PseudoElementRow);
    psevdoclass->setCurrentRow(builder_.PseudoClassRow);
    QStringList rows;
    for (const auto& row : builder_.Itog)
        rows << QString::fromStdString(row);
    QStringList present;
    for (int i = 0; i < Itog->count(); ++i)
        present << Itog->item(i)->text();
    if (present != rows) {
        Itog->clear();
        Itog->addItems(rows);
    }
    Itog->setCurrentRow(builder_.ItogRow);
    rendering_ = false;
}

} // namespace tesselo
