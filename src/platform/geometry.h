#pragma once
// Points, sizes, rectangles and colour references shared by the whole program.

#include <cstdint>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle in the window convention: right and bottom lie just outside the area.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // The same rectangle with left <= right and top <= bottom.
    Rect Normalized() const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as drawing and settings files store it: 0x00BBGGRR.
using ColourRef = std::uint32_t;

constexpr ColourRef Rgb(int red, int green, int blue) {
    return static_cast<ColourRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColourRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColourRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColourRef c) { return static_cast<int>((c >> 16) & 0xFF); }

} // namespace platform
