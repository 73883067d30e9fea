#pragma once

// The hint of a control, "short|long" in UTF-8: the short text is its tool tip, the
// long one its status line text, each in the language in use.

#include "panel/UiText.h"

#include <QString>
#include <QWidget>
#include <string_view>

namespace tesselo {

inline void SetHint(QWidget* widget, std::string_view hint) {
    const UiHint parts = TrHint(hint);
    widget->setToolTip(parts.Short);
    widget->setStatusTip(parts.Long);
}

} // namespace tesselo
