#pragma once

#include "document/ByteText.h"

#include <string>

namespace tesselo {

// The installed font families, sorted, as the font boxes list them (those whose
// names the document's code page can hold).
LineList InstalledFontFamilies();

// Opens a web or "mailto:" address with the user's default program; a failure is not
// reported.
void ShellOpen(const std::string& address);

} // namespace tesselo
