#pragma once

// Where the main window opens: the place asked for (remembered, or centred at the
// first start), made to fit the screen's free area, so no part of it starts out of
// reach, not even after the screen it was closed on has gone or grown smaller.

#include "views/FloatingPanels.h"

namespace tesselo {

// `wanted` shrunk to at most the size of `screen` and then moved, as little as it takes,
// to lie inside it.
PanelBox FitToScreen(PanelBox wanted, const PanelBox& screen);

} // namespace tesselo
