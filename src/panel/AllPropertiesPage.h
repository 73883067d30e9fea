#pragma once

// The page "Все свойства": every declaration of the current rule as a row, in the
// rule's order, with a control chosen from the catalogue (a text field for a property
// it does not know), its "!important" toggle and a button that removes it; a row at the
// end adds a declaration.

#include "panel/CatalogControls.h"

#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace tesselo {

class AllPropertiesPage final : public QWidget {
    Q_OBJECT
public:
    // `services` outlive the page.
    AllPropertiesPage(PageServices& services, QWidget* parent);
    ~AllPropertiesPage() override;

    // Shows the current rule. The rows are made again only when the rule's declarations
    // are other ones; otherwise each row shows its value.
    void Render();

private:
    struct Row {
        std::string Property;
        QWidget* Widget = nullptr;
        PropertyControl* Control = nullptr; // owned by its row's widget
        QToolButton* Important = nullptr;
        QLabel* Name = nullptr;
    };
    // The row of a property the catalogue does not know: a text field, its name kept.
    struct OwnSpec {
        std::string Name;
        std::string Hint;
        PropertySpec Spec;
    };

    void Rebuild(const RuleProperties& rule);
    void DropRows();
    // The row of the declaration whose name is written so.
    QWidget* MakeRow(size_t index, const std::string& written, int nameWidth);
    const PropertySpec& SpecOf(const std::string& written);
    // The declaration at `index` is still the row's: the rule was not changed behind it.
    bool Holds(const RuleProperties& rule, size_t index, const std::string& property) const;
    bool SetRow(size_t index, const std::string& property, const std::string& value);
    bool RemoveRow(size_t index, const std::string& property);
    void ToggleImportant(size_t index, const std::string& property, bool on);
    void Add();
    void Tell(const std::string& text);
    QString Decode(std::string_view bytes) const { return services_.Codec.Decode(bytes); }

    PageServices& services_;
    QScrollArea* scroll_ = nullptr;
    QWidget* rowsHolder_ = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
    QComboBox* newName_ = nullptr;
    QLineEdit* newValue_ = nullptr;
    QPushButton* add_ = nullptr;
    std::vector<Row> rows_;
    std::map<std::string, std::unique_ptr<OwnSpec>, std::less<>> ownSpecs_;
};

} // namespace tesselo
