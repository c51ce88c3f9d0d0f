// Whole-input reading for graphway; see input_text.h.
#include "input_text.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "graph_document.h"

namespace cli {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "read error"; }

std::string ReadStream(std::FILE* stream, const std::string& shownName) {
    std::string text;
    // A file is read into a buffer of its own size, so that a large one is
    // not copied over as the text grows.
    struct stat status;
    if (fstat(fileno(stream), &status) == 0 && S_ISREG(status.st_mode)) {
        text.reserve(static_cast<std::size_t>(status.st_size) + document::kReadPadding);
    }
    char buffer[1 << 16];
    for (;;) {
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, stream);
        text.append(buffer, count);
        if (count < sizeof buffer) break;
    }
    if (std::ferror(stream)) {
        throw InputError("Cannot read " + shownName + ": " + Reason(errno));
    }
    text.reserve(text.size() + document::kReadPadding);
    return text;
}

}  // namespace

std::string ReadInputText(const std::string& name) {
    if (name == "-") return ReadStream(stdin, "standard input");

    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
    if (!file) throw InputError("Cannot open file " + name + ": " + Reason(errno));
    // A directory opens but fails on the first read; errno then says why.
    errno = 0;
    return ReadStream(file.get(), "file " + name);
}

}  // namespace cli
