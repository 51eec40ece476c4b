#include "platform/text_renderer.h"

namespace platform {

void TextMask::BuildRuns() {
    runs.clear();
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

} // namespace platform
