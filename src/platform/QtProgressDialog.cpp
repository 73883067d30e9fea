#include "platform/QtProgressDialog.h"
#include "panel/UiText.h"

#include "platform/QtText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressDialog>

namespace tesselo {
namespace {

// The bar's steps; one more, since the toolkit times its showing from the moment its
// value stands at the minimum, and only the start of the outermost work may be that.
constexpr int kScale = 1000;

int Scaled(size_t done, size_t total) {
    if (total == 0)
        return 1;
    const size_t part = done >= total ? kScale : done * kScale / total;
    return 1 + static_cast<int>(part);
}

// While the dialog shows, the toolkit lets events through to paint it. A timer of the
// window (a step button held down, the panel's countdowns) would then change the rule
// in the middle of the work: timers wait until the work is done, except the dialog's.
class TimersWait final : public QObject {
public:
    explicit TimersWait(const QObject* dialog) : dialog_(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer)
            return false;
        for (const QObject* o = watched; o; o = o->parent())
            if (o == dialog_)
                return false;
        return true; // a held back timer fires again at its next turn
    }

private:
    const QObject* dialog_;
};

} // namespace

QtProgressDialog::QtProgressDialog(QWidget* owner) : owner_(owner) {}

QtProgressDialog::~QtProgressDialog() {
    if (timerHold_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(timerHold_.get());
    delete dialog_.data();
}

void QtProgressDialog::Begin(std::string_view label, size_t total) {
    works_.push_back({Tr(label), total, 0});
    if (works_.size() > 1) {
        Show(works_.back());
        return;
    }
    if (!dialog_) {
        dialog_ = new QProgressDialog(owner_);
        dialog_->setObjectName(QStringLiteral("ProgressDialog"));
        dialog_->setWindowTitle(QStringLiteral("Tesselo"));
        // Opening and saving cannot stop halfway without losing the document or the file.
        dialog_->setCancelButton(nullptr);
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(500);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        timerHold_ = std::make_unique<TimersWait>(dialog_.data());
    }
    // Made or ended, the dialog waits: its clock starts at the value at its minimum.
    dialog_->reset();
    dialog_->setLabelText(works_.back().Label);
    dialog_->setRange(0, kScale + 1);
    QCoreApplication::instance()->installEventFilter(timerHold_.get());
    dialog_->setValue(0);
}

void QtProgressDialog::Step(size_t done) {
    if (works_.empty() || !dialog_)
        return;
    works_.back().Done = done;
    dialog_->setValue(Scaled(done, works_.back().Total));
}

void QtProgressDialog::End() {
    if (works_.empty())
        return;
    works_.pop_back();
    if (!dialog_)
        return;
    if (!works_.empty()) {
        Show(works_.back());
        return;
    }
    QCoreApplication::instance()->removeEventFilter(timerHold_.get());
    dialog_->reset();
    dialog_->hide();
}

void QtProgressDialog::Show(const Work& work) {
    if (!dialog_)
        return;
    dialog_->setLabelText(work.Label);
    dialog_->setValue(Scaled(work.Done, work.Total));
}

} // namespace tesselo
