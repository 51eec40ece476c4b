#pragma once
// An image owned by portable code: 32-bit pixels 0xFFRRGGBB, rows top to bottom with no padding. The
// layout is the one Qt calls Format_RGB32, so the Qt side shows or saves the memory without copying.

#include "platform/geometry.h"

#include <cstdint>
#include <vector>

namespace platform {

// A colour reference (0x00BBGGRR) as a pixel (0xFFRRGGBB), and back.
constexpr std::uint32_t PixelFromColour(ColourRef colour) {
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
constexpr ColourRef ColourFromPixel(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

class PixelBuffer {
  public:
    PixelBuffer() = default;
    // A width x height image filled with one pixel value; negative sizes count as zero.
    PixelBuffer(int width, int height, std::uint32_t fill = 0xFFFFFFFFu);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Size PixelSize() const { return {width_, height_}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Changes the size, keeping the pixels of the part both sizes share and filling the rest.
    void Resize(int width, int height, std::uint32_t fill = 0xFFFFFFFFu);
    void Fill(std::uint32_t pixel);

    // A pixel, or 0 outside the image.
    std::uint32_t Pixel(int x, int y) const { return Contains(x, y) ? pixels_[Index(x, y)] : 0u; }
    // Sets a pixel; outside the image nothing happens.
    void SetPixel(int x, int y, std::uint32_t pixel) {
        if (Contains(x, y)) pixels_[Index(x, y)] = pixel;
    }

    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    std::uint32_t* Data() { return pixels_.data(); }
    const std::uint32_t* Data() const { return pixels_.data(); }
    int BytesPerLine() const { return width_ * 4; }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

    friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

  private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace platform
