#pragma once

// The selector builder: a modal dialog that composes a new rule's selector. Its hint
// line `LabelHint` shows the long hints of its own controls while it is open.

#include <QDialog>

class QLabel;

namespace tesselo {

class TCreateSelector final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCreateSelector)
public:
    explicit TCreateSelector(QWidget* parent = nullptr);

    QLabel* LabelHint() const { return labelHint_; }

private:
    QLabel* labelHint_;
};

} // namespace tesselo
