#pragma once

// The selector builder: a modal dialog that composes a new rule's selector from a tag,
// an ID or a class and a pseudo part, and groups of them. The widgets show the state of
// a SelectorBuilder and forward their events to it. Its hint line `LabelHint` shows the
// long hints of its own controls while it is open.

#include "dialogs/SelectorBuilder.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QVBoxLayout;

namespace tesselo {

class TCreateSelector final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCreateSelector)
public:
    explicit TCreateSelector(QWidget* parent = nullptr);

    QLabel* LabelHint() const { return labelHint_; }

    // Shows the dialog modally over the names of the styles there are (each after a
    // space) and returns the composed selector, empty when it was cancelled.
    QString Execute(const QString& styleNameList);
    const SelectorBuilder& Builder() const { return builder_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTagPages();
    void BuildDetail(QVBoxLayout* column);
    void BuildGroup(QVBoxLayout* column);
    void Render();
    void Refuse();

    SelectorBuilder builder_;
    bool rendering_ = false;
    QTabWidget* PageControl1 = nullptr;
    std::vector<QListWidget*> tagLists_;
    QLineEdit* CurrentSelector = nullptr;
    QComboBox* ComboID = nullptr;
    QComboBox* ComboClass = nullptr;
    QListWidget* psevdoelement = nullptr;
    QListWidget* psevdoclass = nullptr;
    QListWidget* Itog = nullptr;
    QLabel* labelHint_ = nullptr;
};

} // namespace tesselo
