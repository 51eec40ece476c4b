#include "platform/text_renderer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {

int TextRenderer::Reach(const DeviceFont& font, std::string_view text) {
    const std::int64_t reach = static_cast<std::int64_t>(text.size()) * 3 * std::max(font.cellHeight, 1);
    return static_cast<int>(std::min<std::int64_t>(reach, std::numeric_limits<int>::max()));
}

const TextInk& TextRenderer::Ink(const DeviceFont& font, std::string_view text) {
    std::shared_ptr<const TextMask> mask = Render(font, text);
    ink_.pieces.clear();
    ink_.advance = mask->advance;
    ink_.left = -mask->originX;
    ink_.top = -mask->originY;
    ink_.right = ink_.left + mask->width;
    ink_.bottom = ink_.top + mask->height;
    ink_.pieces.push_back({mask->runs.data(), mask->runs.size(), ink_.left, ink_.top});
    ink_.mask = std::move(mask);
    return ink_;
}

} // namespace platform
