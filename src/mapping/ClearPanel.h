#pragma once

#include "mapping/PropertySet.h"

namespace tesselo {

// Puts every property of the panel into its not-set state. Unit captions, whole
// values, the enabled state of FontType2 and the picture path are left alone.
void ClearPanel(PropertySet& panel);

} // namespace tesselo
