#include "views/SourceViews.h"

#include "document/ByteText.h"

#include <initializer_list>
#include <string>

namespace tesselo {

int PropertyPageForLine(std::string_view line) {
    const std::string upper = UpperAscii(line);
    auto holds = [&upper](std::initializer_list<std::string_view> keys) {
        for (auto key : keys)
            if (upper.find(key) != std::string::npos)
                return true;
        return false;
    };
    int page = -1;
    if (holds({"BACKGROUND", "COLOR", "BORDER"}))
        page = static_cast<int>(PropertyPage::BBColor);
    if (holds({"MARGIN", "PADDING"}))
        page = static_cast<int>(PropertyPage::MarginPadding);
    // The leading blank keeps "BORDER-TOP:" and "MARGIN-LEFT:" out of these.
    if (holds({" POSITION:", " FLOAT:", " TOP:", " LEFT:", " RIGHT:", " BOTTOM:", " WIDTH:",
               " HEIGHT:"}))
        page = static_cast<int>(PropertyPage::PositionFloat);
    if (holds({" DISPLAY:", " VISIBILITY:", " OVERFLOW:", " CLIP"}))
        page = static_cast<int>(PropertyPage::DisplayVis);
    return page;
}

} // namespace tesselo
