#pragma once
// Big-endian fields of a font's table, read where the table may be short or damaged.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform::qt {

// Reads that fail, rather than read past the end, on a short table: a failed read gives 0 and clears
// `ok` for good.
struct TableReader {
    std::string_view data;
    bool ok = true;
    unsigned U8(std::size_t at) {
        if (at >= data.size()) {
            ok = false;
            return 0;
        }
        return static_cast<unsigned char>(data[at]);
    }
    unsigned U16(std::size_t at) { return (U8(at) << 8) | U8(at + 1); }
    int S16(std::size_t at) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(U16(at))); }
    std::uint32_t U32(std::size_t at) { return (static_cast<std::uint32_t>(U16(at)) << 16) | U16(at + 2); }
};

} // namespace platform::qt
