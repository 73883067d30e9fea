#include "views/StyleListView.h"
#include "panel/UiText.h"

#include "document/Progress.h"
#include "editor/StyleEditor.h"
#include "views/StyleListCommands.h"
#include "views/StyleTreeModel.h"
#include "views/WidgetHint.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPalette>
#include <QResizeEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace tesselo {

StyleListView::StyleListView(const StyleEditor& editor, ViewText text, ProgressReport& progress,
                             const Actions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), editor_(editor), text_(std::move(text)),
      progress_(progress) {
    setObjectName(QStringLiteral("PanelList"));
    setMinimumWidth(30);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tools_ = new QToolBar(QStringLiteral("ToolBar5"), this);
    tools_->setObjectName(QStringLiteral("ToolBar5"));
    tools_->setIconSize(QSize(16, 16));
    tools_->addActions({actions.NewStyle, actions.Rename, actions.Delete, actions.Up, actions.Down,
                        actions.Sorted});
    layout->addWidget(tools_);
    BuildFilter(*layout);
    model_ = new StyleTreeModel(editor.Document(), text_, this);
    filterModel_ = new StyleFilterModel(*model_, this);
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("ListTag"));
    list_->setModel(filterModel_);
    list_->setHeaderHidden(true);
    list_->setIndentation(12);
    list_->setExpandsOnDoubleClick(false); // a double click renames
    // Its colours and those of the status line are the palette's, not a style sheet's,
    // which would cost each of their parts its own style.
    QPalette silver = list_->palette();
    silver.setColor(QPalette::Base, QColor(0xc0, 0xc0, 0xc0));
    list_->setPalette(silver);
    list_->viewport()->setCursor(Qt::PointingHandCursor);
    // Rows of one line each: thousands of rules are laid out without measuring each.
    list_->setUniformRowHeights(true);
    SetHint(list_, "Список созданных селекторов (стилей)|Щелчок-открыть, двойной "
                   "щелчек-переименовать, перетаскивание-изменение номера в списке");
    layout->addWidget(list_);
    rename_ = new QLineEdit(this);
    rename_->setObjectName(QStringLiteral("RenameField"));
    rename_->hide();
    SetHint(rename_, "Переименование стиля");
    ConnectList();

    // A drag that starts in the list moves the current style to the row it is dropped on.
    list_->setDragEnabled(true);
    list_->setAcceptDrops(true);
    list_->setDragDropMode(QAbstractItemView::DragDrop);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    rename_->installEventFilter(this);
    filter_->installEventFilter(this);
}

// The filter box above the list, and Ctrl+F that takes the keys to it.
void StyleListView::BuildFilter(QVBoxLayout& layout) {
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("StyleFilter"));
    filter_->setPlaceholderText(Tr("Найти стиль (Ctrl+F)"));
    filter_->setClearButtonEnabled(true);
    SetHint(filter_, "Поиск стиля|Показывает только стили, в селекторе которых есть набранный "
                     "текст; Esc - показать все");
    layout.addWidget(filter_);
    auto* find = new QAction(Tr("Найти стиль"), this);
    find->setObjectName(QStringLiteral("FindStyle"));
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        filter_->setFocus();
        filter_->selectAll();
    });
    connect(filter_, &QLineEdit::textChanged, this, &StyleListView::FilterRows);
}

void StyleListView::ConnectList() {
    // A click chooses even the row that is already selected (the view is then read
    // into the panel again); a click that changes the row chooses it once.
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (rendering_ || !current.isValid())
                    return;
                rowChangedByPress_ = QApplication::mouseButtons() != Qt::NoButton;
                emit RowChosen(RowAt(current));
            });
    connect(list_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        const bool changed = rowChangedByPress_;
        rowChangedByPress_ = false;
        if (!changed)
            emit RowChosen(RowAt(index));
    });
    connect(list_, &QTreeView::doubleClicked, this, [this] { StyleRenameExecute(); });
    // The groups the user opens and closes, not those the filter opens.
    connect(list_, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (!rendering_ && filterModel_->Needle().isEmpty())
            expanded_.insert(model_->GroupKey(RowAt(index)));
    });
    connect(list_, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (!rendering_ && filterModel_->Needle().isEmpty())
            expanded_.remove(model_->GroupKey(RowAt(index)));
    });
}

int StyleListView::RowAt(const QModelIndex& index) const {
    return StyleTreeModel::RowOf(filterModel_->mapToSource(index));
}

QModelIndex StyleListView::IndexOf(int row) const {
    return filterModel_->mapFromSource(model_->IndexOfRow(row));
}

void StyleListView::UseCommands(StyleListCommands& commands) {
    commands_ = &commands;
    auto run = [this](QAction* action, void (StyleListCommands::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] {
            (commands_->*command)();
            emit Changed();
        });
    };
    run(actions_.Delete, &StyleListCommands::StyleDeleteExecute);
    run(actions_.Up, &StyleListCommands::StyleUpExecute);
    run(actions_.Down, &StyleListCommands::StyleDownExecute);
    connect(actions_.Sorted, &QAction::triggered, this, [this] { SortStyles(); });
    connect(actions_.Rename, &QAction::triggered, this, [this] { StyleRenameExecute(); });
}

// By name, in the user's locale, without regard to case.
void StyleListView::SortStyles() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    commands_->StyleSortedExecute([&](const std::string& a, const std::string& b) {
        return collator.compare(text_.Decode(a), text_.Decode(b)) < 0;
    });
    emit Changed();
}

void StyleListView::ShowPageWidth(int width) {
    model_->SetPageWidth(width);
}

void StyleListView::Render() {
    if (!model_->Refresh(progress_))
        return;
    rendering_ = true;
    if (filterModel_->Needle().isEmpty())
        RestoreExpanded();
    else
        list_->expandAll();
    rendering_ = false;
}

void StyleListView::RestoreExpanded() {
    if (expanded_.isEmpty())
        return;
    for (int row = 0; row < editor_.Document().StyleCount(); ++row)
        if (model_->IsGroup(row) && expanded_.contains(model_->GroupKey(row)))
            list_->expand(IndexOf(row));
}

// Opens the groups that hold the row; the user sees them open.
void StyleListView::Expand(const QModelIndex& index) {
    for (QModelIndex group = index.parent(); group.isValid(); group = group.parent()) {
        if (!list_->isExpanded(group)) {
            list_->expand(group);
            if (filterModel_->Needle().isEmpty())
                expanded_.insert(model_->GroupKey(RowAt(group)));
        }
    }
}

void StyleListView::RenderRow() {
    const QModelIndex index = IndexOf(editor_.Current());
    rendering_ = true;
    Expand(index);
    if (list_->currentIndex() != index) {
        if (index.isValid())
            list_->setCurrentIndex(index);
        else
            list_->selectionModel()->clear(); // filtered out: still the current rule
    }
    if (index.isValid())
        list_->scrollTo(index);
    rendering_ = false;
}

void StyleListView::FilterRows(const QString& text) {
    filterModel_->SetNeedle(text);
    rendering_ = true;
    if (text.isEmpty()) {
        list_->collapseAll();
        RestoreExpanded();
    } else {
        list_->expandAll();
    }
    rendering_ = false;
    RenderRow();
}

bool StyleListView::ShowSelectedRow() {
    const int row = editor_.Current();
    if (filterModel_->Needle().isEmpty() || row < 0 ||
        model_->SelectorText(row).contains(filterModel_->Needle(), Qt::CaseInsensitive))
        return false;
    filter_->clear(); // which shows every row again
    return true;
}

int StyleListView::RowsWidth() const {
    // The view measures as many rows as it is sure to do quickly, around those in sight.
    const QAbstractItemView& view = *list_; // the tree keeps its measure protected
    const int rows = std::max(0, view.sizeHintForColumn(0));
    const int scrollBar = list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    return std::max(tools_->sizeHint().width(), rows + 2 * list_->frameWidth() + scrollBar);
}

QString StyleListView::GroupText() const {
    if (editor_.GroupCurrent())
        return TrMessage(GroupRulesText(RulesInGroup(editor_.Document(), editor_.Current())));
    QStringList groups;
    for (const std::string& group : GroupsOfCurrent(editor_))
        groups << text_.Decode(group);
    return groups.isEmpty() ? QString() : Tr("Группа: ") + groups.join(QStringLiteral(" › "));
}

void StyleListView::StyleRenameExecute() {
    const int row = editor_.Current();
    const QModelIndex index = IndexOf(row);
    if (!index.isValid())
        return;
    const QRect rect = list_->visualRect(index);
    rename_->setGeometry(4, list_->geometry().top() + rect.top() + 2, list_->width() - 4,
                         list_->fontMetrics().height() + 3);
    rename_->setText(text_.Decode(editor_.Document().Record(row).Selector));
    rename_->show();
    rename_->raise();
    rename_->setFocus();
}

// A drag of the list's own rows: from the list itself, or, when the system does not
// tell where a drag comes from, carrying the list's own kind of data.
bool StyleListView::FromStyleList(const QDropEvent& event) const {
    if (event.source())
        return event.source() == list_;
    const QStringList own = list_->model()->mimeTypes();
    return event.mimeData() && !own.isEmpty() && event.mimeData()->hasFormat(own.first());
}

// The rename field: Return renames, Escape and leaving it give up; true when taken.
bool StyleListView::RenameFieldEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            rename_->hide();
            list_->setFocus();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const bool taken = commands_->RenameStyle(text_.Encode(rename_->text()));
            emit Changed();
            if (taken) {
                rename_->hide();
                list_->setFocus();
            } else {
                rename_->show();
                rename_->setFocus();
            }
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && rename_->isVisible() &&
               QApplication::activeModalWidget() == nullptr) {
        rename_->hide();
    }
    return false;
}

// A drag over the list and a drop on it; true when taken.
bool StyleListView::StyleListDragEvent(QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!FromStyleList(*drag)) {
            drag->ignore();
            return true;
        }
        // The row under the pointer shows as selected; the current style stays.
        rendering_ = true;
        const QModelIndex under = list_->indexAt(drag->position().toPoint());
        if (under.isValid())
            list_->setCurrentIndex(under);
        rendering_ = false;
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!FromStyleList(*drop))
            return false;
        int row = RowAt(list_->indexAt(drop->position().toPoint()));
        if (row < 0)
            row = editor_.Document().StyleCount(); // below the last row: nothing moves
        // The list is shown again from the document; the view itself moves nothing.
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        commands_->DropOnRow(row);
        emit Changed();
        return true;
    }
    return false;
}

bool StyleListView::eventFilter(QObject* watched, QEvent* event) {
    if (!commands_)
        return QWidget::eventFilter(watched, event);
    if (watched == list_ && event->type() == QEvent::Resize) {
        // The rename field stays as wide as the list when the panel is resized.
        QRect field = rename_->geometry();
        field.setWidth(static_cast<QResizeEvent*>(event)->size().width() - 4);
        rename_->setGeometry(field);
    } else if (watched == rename_) {
        if (RenameFieldEvent(event))
            return true;
    } else if (watched == filter_ && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        filter_->clear();
        list_->setFocus();
        return true;
    } else if (watched == list_->viewport() && StyleListDragEvent(event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tesselo
