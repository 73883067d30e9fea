#include "views/ElementRulesView.h"
#include "panel/UiText.h"

#include "document/StyleDocument.h"
#include "views/SourceViews.h"

#include <QFont>
#include <QHeaderView>

namespace tesselo {
namespace {

constexpr int kRecordRole = Qt::UserRole;

} // namespace

ElementRulesView::ElementRulesView(ViewText text, QWidget* parent)
    : QTreeWidget(parent), text_(std::move(text)) {
    setObjectName(QStringLiteral("ElementRules"));
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(false);
    setItemsExpandable(false);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant record = item->data(0, kRecordRole);
        if (!record.isValid())
            return;
        emit RuleChosen(record.toInt());
        if (item->parent())
            if (const int page = PropertyPageForLine(text_.Encode(item->text(0))); page >= 0)
                emit PropertyPageWanted(page);
    });
}

void ElementRulesView::Show(const StyleDocument& document, const std::vector<CascadeRule>& rules) {
    clear();
    if (rules.empty()) {
        auto* hint = new QTreeWidgetItem(this);
        hint->setText(0, Tr("Выберите элемент на странице (Ctrl+Shift+C): здесь "
                            "будут правила, которые его оформляют"));
        hint->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        return;
    }
    QFont bold = font();
    bold.setBold(true);
    QFont struck = font();
    struck.setStrikeOut(true);
    for (const CascadeRule& rule : rules) {
        auto* item = new QTreeWidgetItem(this);
        QString caption = text_.Decode(document.Record(rule.Record).Selector);
        // The groups it stands in, innermost last.
        QStringList groups;
        for (int group = document.ParentOf(rule.Record); group >= 0;
             group = document.ParentOf(group))
            groups.prepend(text_.Decode(document.Record(group).Selector));
        if (!groups.isEmpty())
            caption += QStringLiteral("    ") + groups.join(QStringLiteral(" › "));
        item->setText(0, caption);
        item->setFont(0, bold);
        item->setData(0, kRecordRole, rule.Record);
        for (const CascadeDeclaration& declaration : rule.Declarations) {
            auto* line = new QTreeWidgetItem(item);
            line->setText(0, text_.Decode(declaration.Property + ": " + declaration.Value +
                                          (declaration.Important ? " !important" : "") + ";"));
            line->setData(0, kRecordRole, rule.Record);
            if (declaration.Overridden) {
                line->setFont(0, struck);
                line->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
                line->setToolTip(0, Tr("Не действует: его перекрывает другое объявление"));
            }
        }
    }
    expandAll();
}

} // namespace tesselo
