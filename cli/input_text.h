// Reading the whole document graphway is given, from a file or standard input.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// Raised when the input cannot be read; what() gives its name and the reason.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole input, in memory of its own.
class InputText {
public:
    std::string_view Text() const {
        return block_ ? std::string_view(block_.get(), blockSize_) : std::string_view(read_);
    }

private:
    friend InputText ReadInputText(const std::string& name);

    struct Free {
        void operator()(char* block) const { std::free(block); }
    };

    // A large file's text, in memory backed by huge pages where the system
    // offers them: faulting 4 MB in page by page costs as much as reading it.
    std::unique_ptr<char, Free> block_;
    std::size_t blockSize_ = 0;
    // Any other input's text.
    std::string read_;
};

// The full contents of the file `name`, or of standard input for "-".
// Throws InputError when it cannot be opened or read.
InputText ReadInputText(const std::string& name);

}  // namespace cli
