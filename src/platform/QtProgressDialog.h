#pragma once

// The toolkit's progress dialog for long work: it shows once the work has taken half a
// second (or is expected to), modal, without a cancel button, and goes when the
// outermost work ends.

#include "document/Progress.h"

#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <memory>
#include <vector>

class QObject;
class QWidget;

namespace tesselo {

class QtProgressDialog final : public ProgressReport {
public:
    explicit QtProgressDialog(QWidget* owner = nullptr);
    ~QtProgressDialog() override;
    QtProgressDialog(const QtProgressDialog&) = delete;
    QtProgressDialog& operator=(const QtProgressDialog&) = delete;
    // The owner of the dialog made from then on.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Begin(std::string_view label, size_t total) override;
    void Step(size_t done) override;
    void End() override;

    // The dialog, once work has begun.
    QProgressDialog* Dialog() const { return dialog_; }

private:
    struct Work {
        QString Label;
        size_t Total = 0;
        size_t Done = 0;
    };
    void Show(const Work& work);

    QWidget* owner_;
    QPointer<QProgressDialog> dialog_; // the owner may take it along when it goes
    std::unique_ptr<QObject> timerHold_;
    std::vector<Work> works_;
};

} // namespace tesselo
