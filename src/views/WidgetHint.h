#pragma once

// The hint of a control, "short|long" in UTF-8: the short text is its tool tip, the
// long one its status line text.

#include "document/Hint.h"

#include <QString>
#include <QWidget>
#include <string_view>

namespace tesselo {

inline void SetHint(QWidget* widget, std::string_view hint) {
    const HintParts parts = SplitHint(hint);
    widget->setToolTip(QString::fromUtf8(parts.Short.data(), std::ssize(parts.Short)));
    widget->setStatusTip(QString::fromUtf8(parts.Long.data(), std::ssize(parts.Long)));
}

} // namespace tesselo
