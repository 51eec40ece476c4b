#pragma once
// PNG files of pixel buffers, written and read through Qt; the header shows no Qt type.

#include "platform/pixel_buffer.h"

#include <string>

namespace platform::qt {

// Writes the buffer as a PNG file (path in UTF-8); false when the file could not be written.
bool SavePng(const PixelBuffer& buffer, const std::string& path);
// Reads a PNG file into the buffer, resizing it; on failure the buffer is left as it was.
bool LoadPng(const std::string& path, PixelBuffer& buffer);

} // namespace platform::qt
