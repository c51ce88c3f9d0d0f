// Files graphway writes: whole or not at all, and never over another file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace cli {

// Raised when a file is not written; what() names it and the reason.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `bytes` as the new file `path`: first into a temporary file beside
// it, synced to the disk, which then takes the name only if no file has it,
// so that neither a cut write nor a file that appeared meanwhile is ever
// left under that name. Throws WriteError, leaving nothing behind.
void WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace cli
