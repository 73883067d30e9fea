#include "panel/CatalogControls.h"

#include "editor/StyleEditor.h"

#include <QWidget>

namespace tesselo {

PropertyControl::PropertyControl(const PropertySpec& spec, ControlActions actions,
                                 PageServices& services)
    : spec_(spec), actions_(std::move(actions)), services_(services) {}

void PropertyControl::SetUnusable(const QString& reason) {
    Widget()->setEnabled(reason.isEmpty());
    Widget()->setToolTip(reason);
}

bool PropertyControl::Change(const std::string& value) {
    return actions_.Set && actions_.Set(value);
}

bool PropertyControl::ClearValue() {
    return actions_.Clear && actions_.Clear();
}

ControlActions PropertyActions(StyleEditor& editor, std::string_view property) {
    const std::string name(property);
    return {[&editor, name](const std::string& value) { return editor.SetProperty(name, value); },
            [&editor, name] { return editor.RemoveProperty(name); }};
}

std::unique_ptr<PropertyControl> MakeControl(const PropertySpec&, ControlActions, PageServices&,
                                             QWidget*, std::optional<ControlKind>) {
    return nullptr;
}

QString KeywordPicture(std::string_view, std::string_view) {
    return {};
}

} // namespace tesselo
