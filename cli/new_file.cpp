// Writing a new file whole; see new_file.h.
#include "cli/new_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace cli {

void WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const std::string temporary =
        (path.parent_path() / ("." + path.filename().string() + "." + std::to_string(getpid())))
            .string();
    // 0666 before the umask, as any file the person makes.
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    int error = file < 0 ? errno : 0;
    for (std::size_t done = 0; error == 0 && done < bytes.size();) {
        const ssize_t wrote = write(file, bytes.data() + done, bytes.size() - done);
        if (wrote > 0) {
            done += static_cast<std::size_t>(wrote);
        } else if (wrote == 0 || errno != EINTR) {
            error = wrote == 0 ? EIO : errno;
        }
    }
    if (error == 0 && fsync(file) != 0) error = errno;
    if (file >= 0 && close(file) != 0 && error == 0) error = errno;
    if (error == 0 &&
        renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
        error = errno;
    }
    if (error != 0) {
        if (file >= 0) unlink(temporary.c_str());
        throw WriteError("Cannot write " + path.string() + ": " + std::strerror(error));
    }
}

}  // namespace cli
