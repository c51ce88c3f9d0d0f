// Any bytes typed into a cell either convert or raise the one message that
// quotes them; a converted value written back in decimal converts to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "graph/cell_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = 0;
    try {
        value = graph::CellToInt(text);
    } catch (const graph::ConversionError& error) {
        // what() is a C string: a NUL typed into the text ends it there.
        const std::string message = "'" + text + "' is not a valid integer value";
        if (error.what() != message.substr(0, message.find('\0')) || error.Text() != text) {
            std::abort();
        }
        return 0;
    }
    if (graph::CellToInt(std::to_string(value)) != value) std::abort();
    return 0;
}
