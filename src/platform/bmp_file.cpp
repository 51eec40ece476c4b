#include "platform/bmp_file.h"

#include <cstdint>

namespace platform {

namespace {

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFu);
    out += static_cast<char>((value >> 8) & 0xFFu);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

} // namespace

std::string EncodeBmp24(const PixelBuffer& image) {
    constexpr std::uint32_t FileHeaderBytes = 14;
    constexpr std::uint32_t InfoHeaderBytes = 40;
    const std::uint32_t width = static_cast<std::uint32_t>(image.Width());
    const std::uint32_t height = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t offset = FileHeaderBytes + InfoHeaderBytes;
    std::string out;
    out.reserve(offset + static_cast<std::size_t>(rowBytes) * height);
    out += "BM";
    Put32(out, offset + rowBytes * height);
    Put32(out, 0); // two reserved words
    Put32(out, offset);
    Put32(out, InfoHeaderBytes);
    Put32(out, width);
    Put32(out, height); // positive: the rows run bottom up
    Put16(out, 1);      // planes
    Put16(out, 24);     // bits per pixel
    Put32(out, 0);      // no compression
    Put32(out, 0);      // image size, which uncompressed bitmaps may leave 0
    Put32(out, 0);      // horizontal and vertical resolution
    Put32(out, 0);
    Put32(out, 0); // colours used and important
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint32_t pixel = row[x]; // 0xFFRRGGBB
            out += static_cast<char>(pixel & 0xFFu);
            out += static_cast<char>((pixel >> 8) & 0xFFu);
            out += static_cast<char>((pixel >> 16) & 0xFFu);
        }
        out.append(rowBytes - width * 3, '\0');
    }
    return out;
}

} // namespace platform
