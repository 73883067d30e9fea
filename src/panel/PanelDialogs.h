#pragma once

#include "mapping/ColorNames.h"

#include <optional>
#include <string>

namespace tesselo {

// The choices the panel asks of the user: a colour, a background picture and a name. The
// window answers through the platform's dialogs, the tests through a fake.
class PanelDialogs {
public:
    virtual ~PanelDialogs() = default;
    // A colour with its alpha.
    virtual std::optional<Color> ChooseColor(Color initial) = 0;
    // The full file name of an existing picture, in UTF-8 as the system names it.
    virtual std::optional<std::string> ChooseBackgroundPicture() = 0;
    // A name typed into a small dialog with `caption` over its box, `initial` in it; in
    // UTF-8. None when the user cancels.
    virtual std::optional<std::string> AskName(const std::string& title, const std::string& caption,
                                               const std::string& initial) = 0;
};

} // namespace tesselo
