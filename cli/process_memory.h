// graphway's memory while it reads, and after; see process_memory.cpp.
#pragma once

namespace cli {

// Ends the reading's arena: from here on memory is taken and given back one
// allocation at a time, so that work whose size is not the document's
// (writing a long step table) stays in bounded memory.
void CloseReadingArena() noexcept;

}  // namespace cli
