#pragma once

// A control of a window found by its object name, as a user finds it by its place: the
// test stops at once when the window has no such control, instead of crashing on null.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace tesselo {

template <typename W> W* Control(const QObject& root, std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    W* found = root.findChild<W*>(wanted);
    if (found == nullptr) {
        ADD_FAILURE() << "no control named " << name;
        std::abort();
    }
    return found;
}

// Makes a top row of a list or tree current, as a click on it does.
template <typename View> void ChooseRow(View& view, int row) {
    view.setCurrentIndex(view.model()->index(row, 0));
}

} // namespace tesselo
