#pragma once

// The unit chooser: a small panel that floats over the window beside the unit button
// it was opened for, offers the units, and closes itself after a countdown.

#include <array>
#include <string>
#include <string_view>

namespace tesselo {

struct ChooserButton {
    std::string_view Name;
    int Left;
    int Top;
    int Width;
    std::string_view Caption; // the unit it writes; the cancel button's first caption
    std::string_view Hint;    // UTF-8
};
// The nine units, the cancel button (Z_cancel, index 9) and "no unit" (Z_off).
const std::array<ChooserButton, 11>& ChooserButtons();

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const Rect&) const = default;
};

class UnitChooser {
public:
    static constexpr int kWidth = 81;
    static constexpr int kHeight = 103;
    static constexpr int kCountdown = 5;

    // Centred on the button, 10 pixels lower, and kept one pixel inside the client area.
    static Rect Placement(const Rect& button, int clientWidth, int clientHeight);

    // Opens (or moves) the chooser for the unit button at `target` of the unit buttons.
    void Open(int target, const Rect& button, int clientWidth, int clientHeight);
    void Close() { Visible = false; }
    // One tick of the countdown; closes the chooser after the last.
    void Tick();

    bool Visible = false; // the timer runs exactly while it shows
    Rect Bounds{0, 0, kWidth, kHeight};
    int Target = -1; // the button it was opened for last
    int Countdown = 0;
    std::string CancelCaption; // UTF-8
};

} // namespace tesselo
