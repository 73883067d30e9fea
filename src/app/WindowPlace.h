#pragma once

// The main window's place on the desktop: where it opens (remembered, or centred at the
// first start), always made to fit the free area of its screen, whether it was
// maximised, and the style list's width, which the window learns only once it shows.

#include "document/SettingsStore.h"

#include <algorithm>

class QRect;
class QWidget;

namespace tesselo {

class WindowPlace {
public:
    explicit WindowPlace(QWidget& window) : window_(window) {}

    // Puts the window at `wanted`, made to fit the free area of the screen it is on.
    void Place(const QRect& wanted);
    // The first start: `first` centred on the primary screen.
    void PlaceFirst(QRect first);
    // The remembered place, state and list width; a list is never narrower than `minimum`.
    void Restore(const WindowValues& values, int minimumListWidth);
    // Place, state and list width to remember; `listWidth` as the list now is.
    void Remember(WindowValues& values, int listWidth) const;
    // The first showing: the place made to fit again, now that the frame is known.
    // True only the first time.
    bool Shown();

    // The style list's width until the first showing, for it to start with.
    int ListWidth() const { return listWidth_; }
    void WidenList(int width) { listWidth_ = std::max(listWidth_, width); }

private:
    QWidget& window_;
    bool shown_ = false;
    int listWidth_ = 145;
};

} // namespace tesselo
