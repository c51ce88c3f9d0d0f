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
    munmap(const_cast<char*>(start), length);
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
            // The file over the start of zeroed memory reaching kReadAhead
            // bytes further, where the file's last page may end too soon.
            const std::size_t length = size + document::kReadAhead;
            void* area = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            void* start = area == MAP_FAILED
                              ? MAP_FAILED
                              : mmap(area, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE,
                                     fileno(stream), 0);
            // A file that cannot be mapped is read instead.
            if (start != MAP_FAILED) {
                input.mapped_ = {static_cast<const char*>(start), InputText::Unmap{size, length}};
                return input;
            }
            if (area != MAP_FAILED) munmap(area, length);
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
    input.read_.append(document::kReadAhead, ' ');
    return input;
}

}  // namespace cli
