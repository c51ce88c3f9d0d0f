// Whole-input reading for graphway; see input_text.h.
#include "input_text.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cli {

namespace {

// The size of a huge page, and the size from which a file is read into
// memory of its own.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLargeFile = std::size_t{1} << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "read error"; }

void ReadRest(std::FILE* stream, const std::string& shownName, std::string& text) {
    char buffer[1 << 16];
    for (;;) {
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, stream);
        text.append(buffer, count);
        if (count < sizeof buffer) break;
    }
    if (std::ferror(stream)) {
        throw InputError("Cannot read " + shownName + ": " + Reason(errno));
    }
}

}  // namespace

InputText ReadInputText(const std::string& name) {
    InputText input;
    if (name == "-") {
        ReadRest(stdin, "standard input", input.read_);
        return input;
    }

    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
    if (!file) throw InputError("Cannot open file " + name + ": " + Reason(errno));
    const std::string shownName = "file " + name;
    struct stat status;
    if (fstat(fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::size_t>(status.st_size) >= kLargeFile) {
        // One byte to spare shows the end of the file without a second read.
        const std::size_t capacity =
            (static_cast<std::size_t>(status.st_size) + kHugePage) / kHugePage * kHugePage;
        input.block_.reset(static_cast<char*>(std::aligned_alloc(kHugePage, capacity)));
        if (input.block_) {
            // Without huge pages the memory serves as it is.
            madvise(input.block_.get(), capacity, MADV_HUGEPAGE);
            input.blockSize_ = std::fread(input.block_.get(), 1, capacity, file.get());
            if (std::ferror(file.get())) {
                throw InputError("Cannot read " + shownName + ": " + Reason(errno));
            }
            if (input.blockSize_ < capacity) return input;
            // The file has grown since: the rest is read as from a stream.
            input.read_.assign(input.block_.get(), input.blockSize_);
            input.block_.reset();
        }
    }
    // A directory opens but fails on the first read; errno then says why.
    errno = 0;
    ReadRest(file.get(), shownName, input.read_);
    return input;
}

}  // namespace cli
