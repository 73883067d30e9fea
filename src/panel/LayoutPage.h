#pragma once

// The page "Раскладка": the flex container and item, the grid container and item, and
// the sizes, each a group box of controls made from the catalogue's rows of the page.
// The container boxes grey out when the rule's display makes no such container, and
// the pictures of the flex alignment turn with a column's main axis.

#include "panel/CatalogControls.h"

#include <QIcon>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QLabel;

namespace tesselo {

// How a picture drawn for a row stands for the rule's flex direction.
enum class PictureTurn {
    None,
    Transposed,       // column: its left edge to the top, its top edge to the left
    CounterClockwise, // column-reverse: its left edge to the bottom, its top to the left
};

// The row's picture as the turn shows it; drawn when first shown.
QIcon TurnedIcon(const QIcon& icon, PictureTurn turn);

class LayoutPage final : public QWidget {
    Q_OBJECT
public:
    // `services` outlive the page.
    LayoutPage(PageServices& services, QWidget* parent);
    ~LayoutPage() override;

    // Shows the current rule.
    void Render();

private:
    struct Row {
        std::unique_ptr<PropertyControl> Control;
        QLabel* Label = nullptr;
        size_t Box = 0;
        QString Reason; // why the control is out of use; empty while in use
    };
    struct Box {
        QGroupBox* Widget = nullptr;
        std::string_view Caption; // the catalogue's
        QString Reason;           // shown while any of its controls is out of use
    };
    struct TurnedButton {
        QAbstractButton* Button;
        QIcon Drawn; // the picture as drawn, for a row
    };

    // Greys the controls the rule's display does not let work, and says why.
    void ShowWhatApplies(const std::optional<PropertyValue>& display);
    void TurnPictures(PictureTurn turn);
    QString Decode(std::string_view bytes) const;

    PageServices& services_;
    QWidget* content_ = nullptr;
    std::vector<Box> boxes_;
    std::vector<Row> rows_;
    PictureTurn turn_ = PictureTurn::None;
    std::vector<TurnedButton> turned_; // gathered when first turned
};

} // namespace tesselo
