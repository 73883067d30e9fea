#pragma once

// The controls made from the catalogue of properties: one class per kind of control,
// each showing one property's value as the current rule gives it and making a change
// through one session operation. The layout page places them in its boxes, the page of
// all the rule's properties puts one in each row.

#include "document/Browser.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/RuleProperties.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPoint;
class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace tesselo {

class StyleEditor;

// How the sheet's bytes become the widgets' text and back (the sheet's encoding).
struct TextCodec {
    std::function<QString(std::string_view)> Decode;
    std::function<std::string(const QString&)> Encode;
};

class PanelDialogs;
class UserDialogs;
class VariablesCache;

// What the controls ask of the window: the sheet's encoding, the colour and picture
// dialogs, and the message boxes that tell the user why a change was not taken.
struct PageServices {
    StyleEditor& Editor;
    UserDialogs& Dialogs;
    PanelDialogs& Choices;
    TextCodec Codec;
    // The sheet's variables, for what a var() stands for; none where nobody asks.
    VariablesCache* Variables = nullptr;
    // What the page computes for the current rule's element (after a pick); nothing when
    // nothing is known.
    std::function<std::optional<ElementFacts>()> Facts;
};

// What a control does with a change; by default the session's SetProperty and
// RemoveProperty of the control's property. The page of all properties sets its own,
// to change the declaration of its row. Each returns false when nothing was written.
struct ControlActions {
    std::function<bool(const std::string& value)> Set;
    std::function<bool()> Clear;
};

class PropertyControl : public QObject {
    Q_OBJECT
public:
    PropertyControl(const PropertySpec& spec, ControlActions actions, PageServices& services);

    const PropertySpec& Spec() const { return spec_; }
    // The widget to place: a row of buttons, a field with its unit button, a swatch...
    // Its object name, and its parts', follow ControlName: "JustifyContent",
    // "RowGap" with "RowGap_" for its unit button, "AlignItemsCenter" for a button.
    virtual QWidget* Widget() const = 0;
    // Shows the value the rule gives the property, or that it gives none. Nothing the
    // control shows while at it counts as a change.
    void Show(const std::optional<PropertyValue>& value);
    // What the control shows now: the value last shown, or the one it asked for.
    const std::optional<PropertyValue>& Shown() const { return shown_; }
    // Greyed with the reason in the tool tip, or in use again (an empty reason).
    virtual void SetUnusable(const QString& reason);

protected:
    // Puts the value into the widgets; `Show` keeps it and keeps the widgets quiet.
    virtual void Display(const std::optional<PropertyValue>& value) = 0;
    // True while the control shows a value or waits for a change it asked for: the
    // widgets' signals then are no user's.
    bool Quiet() const { return quiet_; }

    // The control's change: the session writes it or refuses it; refused, the control
    // shows the rule's value again and the user is told.
    bool Change(const std::string& value);
    bool ClearValue();
    // Text the user typed and confirmed: empty clears the property; otherwise `value`
    // makes the value to write of it (in the sheet's encoding), nothing when it is no
    // value of the property: that is refused with a message, `why` when given. Text the
    // control shows already changes nothing.
    using TypedValue = std::function<std::optional<std::string>(const std::string& typed)>;
    void TakeTyped(const QString& typed, const QString& showing, const TypedValue& value,
                   const std::string& why = {});
    // The typed text is no value of the property: the rule's value comes back, and the
    // message says why.
    void RefuseTyped(const QString& typed, const std::string& why = {});
    // The typed text as it is, when a control of the kind takes it.
    TypedValue Fitting(ControlKind kind) const;
    void Tell(const std::string& text);

    QString Decode(std::string_view bytes) const;
    std::string Encode(const QString& text) const;
    // The hint's parts: the tool tip's and the status line's.
    QString ShortHint() const;
    QString LongHint() const;
    // Where a value from a shorthand comes from: "Из объявления gap: 10px 20px"; empty
    // for a value of the property's own declaration.
    QString SourceNote(const std::optional<PropertyValue>& value) const;
    // A field's tool tip: its whole text when wider than the field, where the value
    // comes from, the hint. Kept up to date as the field is resized.
    void TrackFieldTip(QLineEdit* field);
    void UpdateFieldTip();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const PropertySpec& spec_;
    ControlActions actions_;
    PageServices& services_;

private:
    // What a var() in the value stands for, greyed at the end of the control's field (in
    // red where it leads nowhere), and the menu of the sheet's variables on the control.
    void ShowVariable(const std::optional<PropertyValue>& value);
    void InstallVariableMenu();
    void PlaceVariableLabel();
    void VariableMenu(QWidget* on, const QPoint& at);

    std::optional<PropertyValue> shown_;
    bool quiet_ = false;
    QLineEdit* tipField_ = nullptr;
    bool variableMenu_ = false;
    QLineEdit* varField_ = nullptr; // the field the label of a var() stands in
    QLabel* varLabel_ = nullptr;
};

// The control of a property, of the kind the catalogue gives it (or `kind`).
std::unique_ptr<PropertyControl> MakeControl(const PropertySpec& spec, ControlActions actions,
                                             PageServices& services, QWidget* parent,
                                             std::optional<ControlKind> kind = std::nullopt);

// The session's operations on the property, for ControlActions.
ControlActions PropertyActions(StyleEditor& editor, std::string_view property);

// The picture of a keyword button: ":/panel-icons/layout/justify-content-center.svg"; an
// empty text when the keyword has none (the button then shows its keyword).
QString KeywordPicture(std::string_view property, std::string_view keyword);

// A picture's path in a value: url("img/sky.png"), quoted and escaped.
std::string PictureValue(std::string_view path);

// A page's column of boxes inside a frameless scroll area that fills the page: the
// scroll area named NAME + "Scroll", its content NAME + "Content". The content goes into
// the scroll area once it is filled.
struct ScrolledColumn {
    QScrollArea* Scroll = nullptr;
    QWidget* Content = nullptr;
    QVBoxLayout* Column = nullptr;
};
ScrolledColumn MakeScrolledColumn(QWidget& page, const QString& name);

// A page's short caption for a property's row; pages list theirs in a table.
struct RowCaption {
    std::string_view Property;
    std::string_view Text;
};
// The caption the table gives the property, else the property's name.
QString CaptionOf(std::span<const RowCaption> captions, std::string_view property);

// Why the rule's declaration of the property cannot act on the page's element; empty when
// it may, when the rule does not declare it, or when nothing is known of the element.
QString InactiveHere(const PageServices& services, std::string_view property, bool declared);

// Marks a control's caption as that of a declaration which does nothing on the element:
// in italics and greyed, the reason leading its tool tip. An empty reason takes the mark
// off and gives the caption its own tip back.
void MarkInactive(QLabel& caption, const QString& reason);

// What a control of the kind takes when typed: a text control any value that stays in
// its declaration, the others the values of the property's kinds.
bool TypedValueFits(const PropertySpec& spec, ControlKind kind, std::string_view value);

} // namespace tesselo
