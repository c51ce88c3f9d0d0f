// Reading the whole document graphway is given, from a file or standard input.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "document/graph_document.h"

namespace cli {

// Raised when the input cannot be read; what() gives its name and the reason.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most input graphway reads: more than any graph it could search in
// reasonable time, and little enough for the memory of a desktop.
constexpr std::size_t kLargestInput = std::size_t{1} << 30;

// The whole input, followed by document::kReadAhead readable bytes so that
// the reader takes it in place. A large file is mapped into memory rather
// than copied, which takes a quarter of the time for a graph of 4 MB;
// should another program shorten the file meanwhile, touching the lost part
// raises SIGBUS. Anything else is read into address space reserved for the
// largest input, so that it is never copied as it grows.
class InputText {
public:
    std::string_view Text() const {
        return std::string_view(start_.get(), start_.get_deleter().size);
    }

private:
    friend InputText ReadInputText(const std::string& name);

    struct Unmap {
        std::size_t size;
        std::size_t length;
        void operator()(const char* start) const;
    };

    std::unique_ptr<const char, Unmap> start_;
};

// The full contents of the file `name`, or of standard input for "-".
// Throws InputError when it cannot be opened or read, or holds more than
// kLargestInput bytes; no more than that is read.
InputText ReadInputText(const std::string& name);

}  // namespace cli
