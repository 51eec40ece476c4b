#include "platform/text_renderer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {

int TextRenderer::Reach(const DeviceFont& font, std::string_view text) {
    const std::int64_t reach = static_cast<std::int64_t>(text.size()) * 3 * std::max(font.cellHeight, 1);
    return static_cast<int>(std::min<std::int64_t>(reach, std::numeric_limits<int>::max()));
}

} // namespace platform
