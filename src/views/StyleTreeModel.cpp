#include "views/StyleTreeModel.h"
#include "panel/UiText.h"

#include "document/Progress.h"
#include "document/StyleDocument.h"
#include "editor/MediaWidth.h"

#include <QFont>
#include <QHash>
#include <QMimeData>
#include <QPalette>
#include <algorithm>

namespace tesselo {
namespace {

const QString kRowFormat = QStringLiteral("application/x-tesselo-style-row");

// A row shows one line: a selector longer than any list is wide is cut, or laying out
// the row would take seconds. The tooltip and the filter take more of it.
QString Cut(const ViewText& text, const std::string& selector, size_t shown) {
    if (selector.size() <= shown)
        return text.Decode(selector);
    return text.Decode(std::string_view(selector).substr(0, shown)) + QStringLiteral("…");
}

constexpr size_t kShown = 400;
constexpr size_t kTipShown = 4000;

} // namespace

StyleTreeModel::StyleTreeModel(const StyleDocument& document, ViewText text, QObject* parent)
    : QAbstractItemModel(parent), document_(document), text_(std::move(text)) {
    children_.emplace_back();
}

std::vector<StyleTreeModel::Row> StyleTreeModel::Read() const {
    std::vector<Row> rows(static_cast<size_t>(document_.StyleCount()));
    for (int i = 0; i < document_.StyleCount(); ++i) {
        const StyleRecord& record = document_.Record(i);
        Row& row = rows[static_cast<size_t>(i)];
        row.Text = Cut(text_, record.Selector, kShown);
        row.Depth = record.Depth();
        row.Group = record.IsGroup();
    }
    return rows;
}

bool StyleTreeModel::Refresh(ProgressReport& progress) {
    std::vector<Row> rows = Read();
    bool same = rows.size() == rows_.size();
    for (size_t i = 0; same && i < rows.size(); ++i)
        same = rows[i].Text == rows_[i].Text && rows[i].Depth == rows_[i].Depth &&
               rows[i].Group == rows_[i].Group;
    if (same)
        return false;
    constexpr size_t kRowsAStep = 4096;
    ProgressSpan filling(progress, progress::kFillingList, rows.size(), kRowsAStep);
    beginResetModel();
    rows_ = std::move(rows);
    children_.assign(1, {});
    std::vector<int> open; // the groups holding the row being placed
    QHash<QString, int> groupsOfPath;
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        filling.At(static_cast<size_t>(i));
        Row& row = rows_[static_cast<size_t>(i)];
        open.resize(static_cast<size_t>(std::min<int>(row.Depth, static_cast<int>(open.size()))));
        row.Parent = open.empty() ? -1 : open.back();
        if (row.Group) {
            row.Key = (row.Parent < 0 ? QString() : rows_[static_cast<size_t>(row.Parent)].Key) +
                      QLatin1Char('\n') + row.Text;
            row.Key += QLatin1Char('#') + QString::number(groupsOfPath[row.Key]++);
        }
        std::vector<int>& siblings = children_[static_cast<size_t>(row.Parent + 1)];
        row.Position = static_cast<int>(siblings.size());
        siblings.push_back(i);
        children_.emplace_back();
        if (row.Group)
            open.push_back(i);
    }
    endResetModel();
    return true;
}

const std::vector<int>& StyleTreeModel::ChildrenOf(int parent) const {
    return children_[static_cast<size_t>(parent + 1)];
}

QModelIndex StyleTreeModel::IndexOfRow(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return {};
    return createIndex(rows_[static_cast<size_t>(row)].Position, 0, static_cast<quintptr>(row));
}

int StyleTreeModel::RowOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

bool StyleTreeModel::IsGroup(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) &&
           rows_[static_cast<size_t>(row)].Group;
}

QString StyleTreeModel::GroupKey(int row) const {
    return IsGroup(row) ? rows_[static_cast<size_t>(row)].Key : QString();
}

QString StyleTreeModel::SelectorText(int row) const {
    if (row < 0 || row >= document_.StyleCount())
        return {};
    const std::string& selector = document_.Record(row).Selector;
    return selector.size() <= kShown ? rows_[static_cast<size_t>(row)].Text
                                     : Cut(text_, selector, kTipShown);
}

QModelIndex StyleTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const std::vector<int>& rows = ChildrenOf(RowOf(parent));
    if (column != 0 || row < 0 || row >= static_cast<int>(rows.size()))
        return {};
    return createIndex(row, 0, static_cast<quintptr>(rows[static_cast<size_t>(row)]));
}

QModelIndex StyleTreeModel::parent(const QModelIndex& child) const {
    const int row = RowOf(child);
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return {};
    return IndexOfRow(rows_[static_cast<size_t>(row)].Parent);
}

int StyleTreeModel::rowCount(const QModelIndex& parent) const {
    const int row = RowOf(parent);
    if (row >= static_cast<int>(rows_.size()))
        return 0;
    return static_cast<int>(ChildrenOf(row).size());
}

int StyleTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant StyleTreeModel::data(const QModelIndex& index, int role) const {
    const int row = RowOf(index);
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return {};
    const Row& shown = rows_[static_cast<size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
        return shown.Text;
    case Qt::ToolTipRole:
        if (const int group = pageWidth_ > 0 ? GroupNotHoldingAt(document_, row, pageWidth_) : -1;
            group >= 0)
            return SelectorText(row) + QLatin1Char('\n') +
                   TrMessage(NotAtWidthText(
                       text_.Decode(document_.Record(group).Selector).toStdString(), pageWidth_));
        return SelectorText(row);
    case Qt::ForegroundRole:
        if (pageWidth_ > 0 && GroupNotHoldingAt(document_, row, pageWidth_) >= 0)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    case Qt::FontRole:
        if (shown.Group) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

void StyleTreeModel::SetPageWidth(int width) {
    if (width == pageWidth_)
        return;
    pageWidth_ = width;
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0),
                         {Qt::ForegroundRole, Qt::ToolTipRole});
    // Rows inside groups: each group's own rows.
    for (size_t group = 0; group < rows_.size(); ++group)
        if (rows_[group].Group && !ChildrenOf(static_cast<int>(group)).empty()) {
            const QModelIndex parent = IndexOfRow(static_cast<int>(group));
            emit dataChanged(index(0, 0, parent), index(rowCount(parent) - 1, 0, parent),
                             {Qt::ForegroundRole, Qt::ToolTipRole});
        }
}

Qt::ItemFlags StyleTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList StyleTreeModel::mimeTypes() const {
    return {kRowFormat};
}

QMimeData* StyleTreeModel::mimeData(const QModelIndexList& indexes) const {
    auto* data = new QMimeData;
    data->setData(kRowFormat, QByteArray::number(indexes.isEmpty() ? -1 : RowOf(indexes[0])));
    return data;
}

StyleFilterModel::StyleFilterModel(StyleTreeModel& rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
    setSourceModel(&rows);
    setRecursiveFilteringEnabled(true);
}

void StyleFilterModel::SetNeedle(const QString& needle) {
    if (needle == needle_)
        return;
    needle_ = needle;
    invalidateFilter();
}

bool StyleFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (needle_.isEmpty())
        return true;
    const int row = StyleTreeModel::RowOf(rows_.index(sourceRow, 0, sourceParent));
    // A group shows when one of its rules does.
    return !rows_.IsGroup(row) && rows_.SelectorText(row).contains(needle_, Qt::CaseInsensitive);
}

} // namespace tesselo
