#include "views/StyleListView.h"

#include "document/Progress.h"
#include "editor/StyleEditor.h"
#include "views/StyleListCommands.h"
#include "views/WidgetHint.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace tesselo {
namespace {

// The list's text for a selector. A row shows one line: a selector longer than any
// list is wide is cut, or laying out the row would take seconds.
QString ListItemText(const ViewText& text, const std::string& selector) {
    constexpr size_t kShown = 400;
    if (selector.size() <= kShown)
        return text.Decode(selector);
    return text.Decode(std::string_view(selector).substr(0, kShown)) + QStringLiteral("…");
}

} // namespace

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
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListTag"));
    list_->setStyleSheet(QStringLiteral("QListWidget { background: silver; }"));
    list_->viewport()->setCursor(Qt::PointingHandCursor);
    // Rows of one line each: thousands of rules are laid out without measuring each.
    list_->setUniformItemSizes(true);
    SetHint(list_, "Список созданных селекторов (стилей)|Щелчок-открыть, двойной "
                   "щелчек-переименовать, перетаскивание-изменение номера в списке");
    layout->addWidget(list_);
    rename_ = new QLineEdit(this);
    rename_->setObjectName(QStringLiteral("RenameField"));
    rename_->hide();
    SetHint(rename_, "Переименование стиля");

    // A click chooses even the row that is already selected (the view is then read
    // into the panel again); a click that changes the row chooses it once.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (rendering_ || row < 0)
            return;
        rowChangedByPress_ = QApplication::mouseButtons() != Qt::NoButton;
        emit RowChosen(row);
    });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool changed = rowChangedByPress_;
        rowChangedByPress_ = false;
        if (!changed)
            emit RowChosen(list_->row(item));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { StyleRenameExecute(); });

    // A drag that starts in the list moves the current style to the row it is dropped on.
    list_->setDragEnabled(true);
    list_->setAcceptDrops(true);
    list_->setDragDropMode(QAbstractItemView::DragDrop);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    rename_->installEventFilter(this);
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

void StyleListView::Render() {
    const std::vector<std::string> items = editor_.Document().ListItems();
    bool same = list_->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list_->count(); ++i)
        same = list_->item(i)->text() == ListItemText(text_, items[static_cast<size_t>(i)]);
    if (same)
        return;
    constexpr size_t kRowsAStep = 4096;
    ProgressSpan filling(progress_, progress::kFillingList, items.size(), kRowsAStep);
    rendering_ = true;
    list_->clear();
    for (size_t i = 0; i < items.size(); ++i) {
        filling.At(i);
        list_->addItem(ListItemText(text_, items[i]));
    }
    rendering_ = false;
}

void StyleListView::RenderRow() {
    const int row = editor_.Current();
    if (list_->currentRow() == row)
        return;
    rendering_ = true;
    list_->setCurrentRow(row);
    rendering_ = false;
}

void StyleListView::StyleRenameExecute() {
    const int row = editor_.Current();
    QListWidgetItem* item = list_->item(row);
    if (!item)
        return;
    const QRect rect = list_->visualItemRect(item);
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
        const int row = list_->indexAt(drag->position().toPoint()).row();
        if (row >= 0)
            list_->setCurrentRow(row);
        rendering_ = false;
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!FromStyleList(*drop))
            return false;
        int row = list_->indexAt(drop->position().toPoint()).row();
        if (row < 0)
            row = list_->count(); // below the last row: nothing moves
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
    } else if (watched == list_->viewport() && StyleListDragEvent(event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tesselo
