// Whole-input reading for graphway; see input_text.h.
#include "input_text.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cli {

namespace {

// From this size on a file is mapped rather than read.
constexpr std::size_t kLargeFile = std::size_t{1} << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "read error"; }

}  // namespace

void InputText::Unmap::operator()(const char* start) const {
    munmap(const_cast<char*>(start), size);
}

InputText ReadInputText(const std::string& name) {
    InputText input;
    std::FILE* stream = stdin;
    std::string shownName = "standard input";
    std::unique_ptr<std::FILE, FileCloser> file;
    if (name != "-") {
        errno = 0;
        file.reset(std::fopen(name.c_str(), "rb"));
        if (!file) throw InputError("Cannot open file " + name + ": " + Reason(errno));
        stream = file.get();
        shownName = "file " + name;
        struct stat status;
        if (fstat(fileno(stream), &status) == 0 && S_ISREG(status.st_mode) &&
            static_cast<std::size_t>(status.st_size) >= kLargeFile) {
            const auto size = static_cast<std::size_t>(status.st_size);
            void* start =
                mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fileno(stream), 0);
            // A file that cannot be mapped is read instead.
            if (start != MAP_FAILED) {
                input.mapped_ = {static_cast<const char*>(start), InputText::Unmap{size}};
                return input;
            }
        }
    }
    // A directory opens but fails on the first read; errno then says why.
    errno = 0;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, stream);
        input.read_.append(buffer, count);
        if (count < sizeof buffer) break;
    }
    if (std::ferror(stream)) {
        throw InputError("Cannot read " + shownName + ": " + Reason(errno));
    }
    return input;
}

}  // namespace cli
