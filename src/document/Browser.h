#pragma once

// The embedded browser as the preview uses it: navigate, go back and forward, reload,
// stop, and the current location. Its events (a download completed, the availability
// of back or forward changed) come back through Preview.

#include <string>

namespace tesselo {

class Browser {
public:
    virtual ~Browser() = default;
    virtual void Navigate(const std::string& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Reload() = 0;
    virtual void Stop() = 0;
    virtual std::string Location() const = 0;
};

// Command codes of the browser's command-state event.
inline constexpr int kCommandForward = 1;
inline constexpr int kCommandBack = 2;

} // namespace tesselo
