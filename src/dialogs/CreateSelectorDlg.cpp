#include "dialogs/CreateSelectorDlg.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tesselo {

TCreateSelector::TCreateSelector(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CreateSelector"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    labelHint_ = new QLabel(this);
    labelHint_->setObjectName(QStringLiteral("LabelHint"));
    labelHint_->setTextFormat(Qt::PlainText);
    layout->addStretch();
    layout->addWidget(labelHint_);
}

} // namespace tesselo
