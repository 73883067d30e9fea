#pragma once

// The property panel: the tool bars of the font and text properties, the four
// property pages and the floating unit chooser, built from the panel's layout rows.
// Every event goes to PanelHandlers; after it the panel shows the editor state again
// and says so, so that the window shows the rewritten text.

#include "panel/CatalogControls.h"
#include "panel/PageTabs.h"
#include "panel/PanelHandlers.h"
#include "panel/PanelLayout.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace tesselo {

class AllPropertiesPage;
class EffectsPage;
class ColorSwatchFrame;
class LayoutPage;
class VariablesCache;
class VariablesPage;
class LengthEdit;
class NameChoiceBox;
class StepButton;
class UnitButton;
class UpDownSpinner;

// What the pages ask of the panel to make their controls.
class PanelBuilder {
public:
    virtual ~PanelBuilder() = default;
    virtual QToolButton* KeywordButton(Keyword button, QWidget* parent) = 0;
    // Label, edit, spinner and unit button on one row of the grid.
    virtual void LengthRow(Length field, QGridLayout* grid, int row, QWidget* parent) = 0;
    virtual QGroupBox* GroupBox(std::string_view caption, QWidget* parent) = 0;
    virtual ColorSwatchFrame* Swatch(ColorSwatch swatch, QWidget* parent) = 0;
    virtual QCheckBox* ColorCheck(ColorSwatch swatch, QWidget* parent) = 0;
    // The transparent box, the picture button and the picture box.
    virtual QCheckBox* TransparentCheck(QWidget* parent) = 0;
    virtual QPushButton* OpenPictureButton(QWidget* parent) = 0;
    virtual QCheckBox* PictureCheck(QWidget* parent) = 0;
    // What the group's value is when no button of it stands for it ("inherit").
    virtual QLabel* GroupTextLabel(KeywordGroup group, QWidget* parent) = 0;
    // The buttons that choose the side the border controls show.
    virtual QToolButton* BorderSideButton(BorderSide side, QWidget* parent) = 0;
};

// Where the panel's tool bars and pages are made: made in the place they show in, they
// are not taken there again with all their buttons. Null for the panel's window.
struct PanelPlaces {
    QWidget* ToolStyle = nullptr;
    QWidget* Pages = nullptr;
};

class PropertyPanel final : public QObject, private PanelBuilder {
    Q_OBJECT
public:
    // The unit chooser floats over `window`.
    PropertyPanel(StyleEditor& editor, UserDialogs& dialogs, PanelDialogs& choices, QWidget* window,
                  PanelPlaces places = {});
    ~PropertyPanel() override;

    QWidget* ToolStyle() const { return toolStyle_; } // PanelToolStyle
    QTabWidget* Pages() const { return pages_; }      // TABPANEL
    PanelHandlers& Handlers() { return *handlers_; }

    // Where the focus goes to leave a field.
    void SetFocusTarget(QWidget* target);
    // How the panel's texts, held in the sheet's encoding, become the widgets' text and
    // back: the window gives the sheet's codec, as its text views use.
    using Decoder = std::function<QString(std::string_view)>;
    using Encoder = std::function<std::string(const QString&)>;
    void SetTextCodec(Decoder decode, Encoder encode);

    // Shows the editor state.
    void Render();
    // What the page computes for the current rule's element: the captions of the
    // declarations that cannot act on it are marked. Render shows it.
    void UseElementFacts(std::function<std::optional<ElementFacts>()> facts);

private:
    template <typename F> void Handle(F&& handler);

    QString FromText(std::string_view bytes) const { return decode_(bytes); }
    std::string ToText(const QString& text) const { return encode_(text); }
    // The codec for the pages built from the catalogue: follows SetTextCodec.
    TextCodec Codec();
    // Makes the page at `index` if it is not made yet; true when it was made now.
    bool BuildPage(int index);
    void FillFontBoxes();
    void BuildToolBars(QWidget* parent);
    void BuildChooser();
    NameChoiceBox* FontBox(const char* name, std::string_view hint, QToolBar* bar);
    // `familyBox`: 0 or 1 for the two family boxes, whose typed text is confirmed.
    void ConnectFontBox(QComboBox* box, void (PanelHandlers::*change)(int, std::string),
                        void (PanelHandlers::*doubleClick)(), int familyBox = -1);
    UnitButton* MakeUnitButton(int index, QWidget* parent);
    LengthEdit* MakeLengthEdit(Length field, QWidget* parent);
    // A length field's tool tip: its hint, its whole value when the field is too narrow
    // for it, and what a var() it holds stands for.
    void ShowFieldTip(Length field);
    UpDownSpinner* MakeSpinner(Length field, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // PanelBuilder
    QToolButton* KeywordButton(Keyword button, QWidget* parent) override;
    void LengthRow(Length field, QGridLayout* grid, int row, QWidget* parent) override;
    QGroupBox* GroupBox(std::string_view caption, QWidget* parent) override;
    ColorSwatchFrame* Swatch(ColorSwatch swatch, QWidget* parent) override;
    QCheckBox* ColorCheck(ColorSwatch swatch, QWidget* parent) override;
    QCheckBox* TransparentCheck(QWidget* parent) override;
    QPushButton* OpenPictureButton(QWidget* parent) override;
    QCheckBox* PictureCheck(QWidget* parent) override;
    QLabel* GroupTextLabel(KeywordGroup group, QWidget* parent) override;
    QToolButton* BorderSideButton(BorderSide side, QWidget* parent) override;

    StyleEditor& editor_;
    Decoder decode_;
    Encoder encode_;
    std::optional<SheetEncoding> itemsEncoding_; // of the font boxes' entries
    std::unique_ptr<PanelHandlers> handlers_;
    QWidget* window_;
    QWidget* toolStyle_ = nullptr;
    PageTabs* pages_ = nullptr;
    std::bitset<16> built_; // the pages made so far
    std::unique_ptr<VariablesCache> variables_;
    std::unique_ptr<PageServices> pageServices_; // of the pages built from the catalogue
    LayoutPage* layoutPage_ = nullptr;
    EffectsPage* effectsPage_ = nullptr;
    AllPropertiesPage* allPage_ = nullptr;
    VariablesPage* variablesPage_ = nullptr;
    bool rendering_ = false;

    std::array<LengthEdit*, kLengthCount> edits_{};
    std::array<QLabel*, kLengthCount> lengthLabels_{}; // the captions of a page's rows
    std::array<UnitButton*, kUnitButtonCount> units_{};
    std::array<QToolButton*, kKeywordCount> keywords_{};
    std::array<QLabel*, kKeywordGroups.size() + 1> groupTexts_{};        // by group
    std::array<QAction*, kKeywordGroups.size() + 1> groupTextActions_{}; // on a tool bar
    std::vector<StepButton*> stepButtons_;
    QToolButton* fontBold_ = nullptr;
    NameChoiceBox* fontType_ = nullptr;
    NameChoiceBox* fontType2_ = nullptr;
    NameChoiceBox* fontWeight_ = nullptr;
    NameChoiceBox* fontSize_ = nullptr;
    std::array<ColorSwatchFrame*, 3> swatches_{};
    std::array<QCheckBox*, 3> colorChecks_{};
    QCheckBox* transparent_ = nullptr;
    QCheckBox* pictureCheck_ = nullptr;
    std::array<QToolButton*, 5> borderSides_{}; // by side

    QFrame* chooser_ = nullptr; // Z_Select
    QToolButton* chooserCancel_ = nullptr;
    QTimer chooserTimer_; // Z_Timer
    QTimer fontTimer_;    // FontOffOptionTimer
};

} // namespace tesselo
