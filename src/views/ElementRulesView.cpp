#include "views/ElementRulesView.h"
#include "panel/UiText.h"

#include "document/StyleDocument.h"
#include "views/SourceViews.h"

#include <QAction>
#include <QFont>
#include <QHeaderView>

namespace tesselo {
namespace {

constexpr int kRecordRole = Qt::UserRole;
// The row that asks the page for the computed values.
constexpr int kAskRole = Qt::UserRole + 1;

} // namespace

ElementRulesView::ElementRulesView(ViewText text, QWidget* parent)
    : QTreeWidget(parent), text_(std::move(text)),
      askComputed_(new QAction(Tr("Вычисленные значения"), this)) {
    setObjectName(QStringLiteral("ElementRules"));
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(false);
    setItemsExpandable(false);
    askComputed_->setObjectName(QStringLiteral("AskComputedValues"));
    askComputed_->setStatusTip(
        Tr("Спросить у страницы значения свойств элемента, как их вычисляет браузер"));
    askComputed_->setEnabled(false);
    addAction(askComputed_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(askComputed_, &QAction::triggered, this, &ElementRulesView::ComputedValuesWanted);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kAskRole).toBool()) {
            emit ComputedValuesWanted();
            return;
        }
        const QVariant record = item->data(0, kRecordRole);
        if (!record.isValid())
            return;
        // The rule selected shows anew, without this item: what it says is read first.
        const int page = item->parent() ? PropertyPageForLine(text_.Encode(item->text(0))) : -1;
        emit RuleChosen(record.toInt());
        if (page >= 0)
            emit PropertyPageWanted(page);
    });
}

void ElementRulesView::Show(const StyleDocument& document, const std::vector<CascadeRule>& rules,
                            const std::vector<InheritedSection>& inherited,
                            const ComputedAnswer& computed) {
    clear();
    askComputed_->setEnabled(!rules.empty() || !inherited.empty());
    if (!askComputed_->isEnabled()) {
        auto* hint = new QTreeWidgetItem(this);
        hint->setText(0, Tr("Выберите элемент на странице (Ctrl+Shift+C): здесь "
                            "будут правила, которые его оформляют"));
        hint->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        return;
    }
    AddRules(document, rules);
    for (const InheritedSection& section : inherited) {
        AddHeader(TrFill("Унаследовано от %1", section.Ancestor));
        AddRules(document, section.Rules);
    }
    AddComputed(computed);
    expandAll();
}

void ElementRulesView::AddRules(const StyleDocument& document,
                                const std::vector<CascadeRule>& rules) {
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
}

QTreeWidgetItem* ElementRulesView::AddHeader(const QString& text) {
    auto* header = new QTreeWidgetItem(this);
    header->setText(0, text);
    header->setFlags(Qt::ItemIsEnabled);
    QFont italic = font();
    italic.setItalic(true);
    header->setFont(0, italic);
    header->setBackground(0, palette().brush(QPalette::AlternateBase));
    return header;
}

void ElementRulesView::AddComputed(const ComputedAnswer& computed) {
    using enum ComputedAnswer::State;
    QTreeWidgetItem* header = AddHeader(askComputed_->text());
    const auto note = [&](const QString& text) {
        auto* line = new QTreeWidgetItem(header);
        line->setText(0, text);
        line->setFlags(Qt::ItemIsEnabled);
        line->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        return line;
    };
    switch (computed.Now) {
    case NotAsked:
        header->setData(0, kAskRole, true);
        note(Tr("Щёлкните, чтобы спросить у страницы"))->setData(0, kAskRole, true);
        break;
    case Asked:
        note(Tr("Ждём ответа страницы…"));
        break;
    case NoAnswer:
        header->setData(0, kAskRole, true);
        note(Tr("нет ответа (щёлкните, чтобы спросить снова)"))->setData(0, kAskRole, true);
        break;
    case Known:
        header->setData(0, kAskRole, true);
        header->setToolTip(0, Tr("Щёлкните, чтобы спросить снова"));
        if (computed.Asked.empty())
            note(Tr("Правила элемента не объявляют свойств"));
        else if (computed.Values.empty())
            note(Tr("Элемента больше нет на странице"));
        for (const ComputedValue& value : computed.Values) {
            auto* line = new QTreeWidgetItem(header);
            line->setText(0, QString::fromStdString(value.Property + ": " + value.Value));
            line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        break;
    }
}

} // namespace tesselo
