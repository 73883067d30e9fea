#pragma once

// How the names a web page refers to are written into a sheet: a font family as CSS
// reads it, a picture's path as the page's server finds it.

#include <string>
#include <string_view>

namespace tesselo {

// A family name as typed, as font-family takes it: in double quotes when it is not a
// sequence of CSS identifiers ("Open Sans 2", "Noto Sans, Bold") or when it would
// read as a generic family or a CSS-wide keyword; a quoted name stays as it is.
std::string CssFamilyName(std::string_view typed);

// The picture's path as the sheet refers to it: relative to the sheet's folder, with
// "/" between folders ("img/sky.jpg", "../img/sky.jpg"). Absolute only where no
// relative path exists: a sheet that has no file yet, a picture on another drive.
std::string PicturePathForSheet(std::string_view picture, std::string_view sheetFile);

} // namespace tesselo
