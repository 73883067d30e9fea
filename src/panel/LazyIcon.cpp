#include "panel/LazyIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>
#include <optional>

namespace tesselo {
namespace {

class LazyIconEngine final : public QIconEngine {
public:
    explicit LazyIconEngine(std::function<QIcon()> make)
        : made_(std::make_shared<Made>(Made{std::move(make), std::nullopt})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    // Asked before anything is drawn, whether there is a picture at all: there is.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tesselo-lazy"); }
    // Copies share the icon, made once for all of them.
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }

private:
    struct Made {
        std::function<QIcon()> Make;
        std::optional<QIcon> Icon;
    };
    QIcon& Icon() {
        if (!made_->Icon)
            made_->Icon = made_->Make();
        return *made_->Icon;
    }
    std::shared_ptr<Made> made_;
};

} // namespace

QIcon LazyIcon(std::function<QIcon()> make) {
    return QIcon(new LazyIconEngine(std::move(make)));
}

} // namespace tesselo
