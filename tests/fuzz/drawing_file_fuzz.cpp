// Fuzzes the drawing-file reader. Any bytes must read without harm. Reading, writing and reading
// again must settle: after one round (which drops objects whose type code has no class), writing what
// was read gives the text that was read.
#include "model/drawing_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string ReadAndWrite(std::string_view text) {
    const RecordOrigin centre{5000, 4000};
    TList list;
    ParseDrawing(text, centre, list);
    return FormatDrawing(list, centre, 1, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string once = ReadAndWrite(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string twice = ReadAndWrite(once);
    if (ReadAndWrite(twice) != twice) __builtin_trap();
    return 0;
}
