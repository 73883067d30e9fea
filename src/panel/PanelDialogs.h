#pragma once

#include "mapping/ColorNames.h"

#include <optional>
#include <string>

namespace tesselo {

// The choices the panel asks of the user: a colour and a background picture. The
// window answers through the platform's dialogs, the tests through a fake.
class PanelDialogs {
public:
    virtual ~PanelDialogs() = default;
    // A colour with its alpha.
    virtual std::optional<Color> ChooseColor(Color initial) = 0;
    // The full file name of an existing picture, in UTF-8 as the system names it.
    virtual std::optional<std::string> ChooseBackgroundPicture() = 0;
};

} // namespace tesselo
