// Reading the whole document graphway is given, from a file or standard input.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "graph_document.h"

namespace cli {

// Raised when the input cannot be read; what() gives its name and the reason.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole input, followed by document::kReadAhead readable bytes so that
// the reader takes it in place. A large file is mapped into memory rather
// than copied, which takes a quarter of the time for a graph of 4 MB;
// should another program shorten the file meanwhile, touching the lost part
// raises SIGBUS.
class InputText {
public:
    std::string_view Text() const {
        return mapped_ ? std::string_view(mapped_.get(), mapped_.get_deleter().size)
                       : std::string_view(read_).substr(0, read_.size() - document::kReadAhead);
    }

private:
    friend InputText ReadInputText(const std::string& name);

    struct Unmap {
        std::size_t size;
        std::size_t length;
        void operator()(const char* start) const;
    };

    std::unique_ptr<const char, Unmap> mapped_;
    std::string read_;
};

// The full contents of the file `name`, or of standard input for "-".
// Throws InputError when it cannot be opened or read.
InputText ReadInputText(const std::string& name);

}  // namespace cli
