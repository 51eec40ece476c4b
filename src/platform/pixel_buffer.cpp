#include "platform/pixel_buffer.h"

#include <algorithm>

namespace platform {

PixelBuffer::PixelBuffer(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

void PixelBuffer::Resize(int width, int height, std::uint32_t fill) {
    PixelBuffer resized(width, height, fill);
    int keepWidth = std::min(width_, resized.width_);
    int keepHeight = std::min(height_, resized.height_);
    for (int y = 0; y < keepHeight; ++y)
        std::copy_n(Row(y), keepWidth, resized.Row(y));
    *this = std::move(resized);
}

void PixelBuffer::Fill(std::uint32_t pixel) {
    std::fill(pixels_.begin(), pixels_.end(), pixel);
}

} // namespace platform
