// Reading the whole document graphway is given, from a file or standard input.
#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// Raised when the input cannot be read; what() gives its name and the reason.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The full contents of the file `name`, or of standard input for "-", with
// document::kReadPadding bytes of spare capacity behind them, so that the
// document reader can read the text where it stands. Throws InputError when
// it cannot be opened or read.
std::string ReadInputText(const std::string& name);

}  // namespace cli
