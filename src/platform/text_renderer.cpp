#include "platform/text_renderer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {

void TextMask::BuildRuns() {
    runs.clear();
    runs.reserve(static_cast<std::size_t>(height) * 2);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = coverage.data() + static_cast<std::size_t>(y) * width;
        int x = 0;
        while (x < width) {
            while (x < width && row[x] == 0)
                ++x;
            int start = x;
            while (x < width && row[x] != 0)
                ++x;
            if (x > start) runs.push_back({y, start, x});
        }
    }
}

int TextRenderer::Reach(const DeviceFont& font, std::string_view text) {
    const std::int64_t reach = static_cast<std::int64_t>(text.size()) * 3 * std::max(font.cellHeight, 1);
    return static_cast<int>(std::min<std::int64_t>(reach, std::numeric_limits<int>::max()));
}

} // namespace platform
