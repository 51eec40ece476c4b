#pragma once
// Windows BMP files of pixel buffers: the device-independent bitmap the bitmap export writes.

#include "platform/pixel_buffer.h"

#include <string>

namespace platform {

// The bytes of a standard BMP file of the image: a 14-byte file header, a 40-byte information header
// (1 plane, 24 bits, no compression; image size, resolutions and colour counts 0), then the rows bottom
// up, blue, green and red per pixel, each row padded to a multiple of 4 bytes.
std::string EncodeBmp24(const PixelBuffer& image);

} // namespace platform
