#pragma once

#include "document/ByteText.h"

#include <string>

namespace tesselo {

// The installed font families, sorted, in UTF-8; the font boxes offer those that the
// sheet's encoding can hold.
LineList InstalledFontFamilies();

// Opens a web or "mailto:" address with the user's default program; a failure is not
// reported.
void ShellOpen(const std::string& address);

} // namespace tesselo
