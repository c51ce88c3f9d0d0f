// Whole-input reading for graphway; see input_text.h.
#include "cli/input_text.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
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

InputError TooLarge(const std::string& shownName) {
    return InputError("Cannot read " + shownName + ": it is larger than " +
                      std::to_string(kLargestInput >> 30) + " GiB, the most graphway reads");
}

// Zeroed memory of `length` bytes.
char* Reserve(std::size_t length) {
    void* area = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return area == MAP_FAILED ? nullptr : static_cast<char*>(area);
}

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
        if (fstat(fileno(stream), &status) == 0 && S_ISREG(status.st_mode)) {
            const auto size = static_cast<std::size_t>(status.st_size);
            if (size > kLargestInput) throw TooLarge(shownName);
            // The file over the start of zeroed memory reaching kReadAhead
            // bytes further, where the file's last page may end too soon.
            const std::size_t length = size + document::kReadAhead;
            char* area = size >= kLargeFile ? Reserve(length) : nullptr;
            void* start = area == nullptr
                              ? MAP_FAILED
                              : mmap(area, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE,
                                     fileno(stream), 0);
            // A file that cannot be mapped is read instead.
            if (start != MAP_FAILED) {
                input.start_ = {static_cast<const char*>(start), InputText::Unmap{size, length}};
                return input;
            }
            if (area != nullptr) munmap(area, length);
        }
    }
    // Read into memory that doubles, moved rather than copied, until the
    // input ends or one byte more than the largest input shows that there is
    // more.
    std::size_t length = std::size_t{1} << 16;
    char* area = Reserve(length);
    if (area == nullptr) throw InputError("Cannot read " + shownName + ": " + Reason(errno));
    input.start_ = {area, InputText::Unmap{0, length}};
    std::size_t size = 0;
    // A directory opens but fails on the first read; errno then says why.
    errno = 0;
    for (;;) {
        const std::size_t room = length - document::kReadAhead - size;
        const std::size_t count = std::fread(area + size, 1, room, stream);
        size += count;
        if (count < room || size > kLargestInput) break;
        const std::size_t grown = std::min(2 * length, kLargestInput + 1 + document::kReadAhead);
        void* moved = mremap(area, length, grown, MREMAP_MAYMOVE);
        if (moved == MAP_FAILED)
            throw InputError("Cannot read " + shownName + ": " + Reason(errno));
        input.start_.release();
        area = static_cast<char*>(moved);
        length = grown;
        input.start_ = {area, InputText::Unmap{0, length}};
    }
    if (std::ferror(stream)) throw InputError("Cannot read " + shownName + ": " + Reason(errno));
    if (size > kLargestInput) throw TooLarge(shownName);
    input.start_.get_deleter().size = size;
    return input;
}

}  // namespace cli
