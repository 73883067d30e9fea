#include "platform/FontConfigReader.h"

#ifdef TESSELO_WITH_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tesselo {

FontConfigReader::FontConfigReader() {
#ifdef TESSELO_WITH_FONTCONFIG
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigReader::~FontConfigReader() {
    Wait();
}

void FontConfigReader::Wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace tesselo
