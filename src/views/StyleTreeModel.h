#pragma once

// The style list's rows as a tree: a group (@media and its kin) holds its rules as
// child rows, groups in groups nest. Each row stands for a record of the document;
// the record's row number is the index's internal id.

#include "views/ViewText.h"

#include <QAbstractItemModel>
#include <QSortFilterProxyModel>
#include <vector>

namespace tesselo {

class ProgressReport;
class StyleDocument;

class StyleTreeModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    StyleTreeModel(const StyleDocument& document, ViewText text, QObject* parent = nullptr);

    // Takes the document's rows again when they differ from those shown, telling
    // `progress` how far it is; true when it did.
    bool Refresh(ProgressReport& progress);

    QModelIndex IndexOfRow(int row) const;
    static int RowOf(const QModelIndex& index);
    // A group row's key that stays while the groups keep their order: its conditions,
    // outermost first, and how many groups of that path stand before it.
    QString GroupKey(int row) const;
    // The rule's selector, whole, for the filter.
    QString SelectorText(int row) const;
    bool IsGroup(int row) const;
    // The preview's page laid out at this width (0: none chosen): the rules of groups
    // whose condition does not hold at it are greyed, their hint says why.
    void SetPageWidth(int width);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

private:
    struct Row {
        QString Text; // as the list shows it, a long selector cut
        int Depth = 0;
        bool Group = false;
        int Parent = -1;
        int Position = 0; // among its group's rows
        QString Key;      // a group's GroupKey
    };
    std::vector<Row> Read() const;
    const std::vector<int>& ChildrenOf(int parent) const;

    const StyleDocument& document_;
    ViewText text_;
    std::vector<Row> rows_;
    std::vector<std::vector<int>> children_; // [0] the top, [row + 1] a group's rows
    int pageWidth_ = 0;
};

// Only the rules whose selector holds the typed text, case aside, with the groups
// they stand in.
class StyleFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit StyleFilterModel(StyleTreeModel& rows, QObject* parent = nullptr);
    void SetNeedle(const QString& needle);
    const QString& Needle() const { return needle_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    StyleTreeModel& rows_;
    QString needle_;
};

} // namespace tesselo
