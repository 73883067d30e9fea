#pragma once

// An icon made when it is first drawn or measured: the window's many pictures, most of
// them on pages not shown yet, cost nothing at start. Reading a picture's file, and
// looking a name up in the desktop's icon theme, wait until then.

#include <QIcon>
#include <functional>

namespace tesselo {

QIcon LazyIcon(std::function<QIcon()> make);

} // namespace tesselo
