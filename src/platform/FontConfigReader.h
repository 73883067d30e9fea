#pragma once

// The desktop's font configuration read on a thread of its own while the toolkit starts
// on the first: the toolkit's font list, the first thing the window's text needs, then
// finds it ready. Where the toolkit does not read fonts through fontconfig it does
// nothing.

#include <thread>

namespace tesselo {

class FontConfigReader {
public:
    FontConfigReader(); // starts reading
    ~FontConfigReader();
    FontConfigReader(const FontConfigReader&) = delete;
    FontConfigReader& operator=(const FontConfigReader&) = delete;

    // Waits until it is read; before the toolkit's fonts are first asked for, so that
    // the two threads do not both read it.
    void Wait();

private:
    std::thread thread_;
};

} // namespace tesselo
