// Child process plumbing for the graphway tests; see graphway_process.h.
#include "tests/cli/graphway_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace cli_test {

namespace {

struct Pipe {
    int read = -1;
    int write = -1;

    Pipe() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
        read = ends[0];
        write = ends[1];
    }
};

void CloseIfOpen(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

RunResult RunGraphway(const std::vector<std::string>& arguments, const std::string& input,
                      const std::string& directory) {
    // graphway may exit before reading all its input; that must not kill us.
    std::signal(SIGPIPE, SIG_IGN);

    Pipe in, out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, 1);
    posix_spawn_file_actions_adddup2(&actions, err.write, 2);
    if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());

    std::vector<std::string> argvText{GRAPHWAY_PATH};
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : argvText) argv.push_back(text.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, GRAPHWAY_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    CloseIfOpen(in.read);
    CloseIfOpen(out.write);
    CloseIfOpen(err.write);
    if (spawned != 0) throw std::runtime_error("cannot start " GRAPHWAY_PATH);

    RunResult result;
    fcntl(in.write, F_SETFL, O_NONBLOCK);
    std::size_t written = 0;
    if (input.empty()) CloseIfOpen(in.write);
    while (out.read >= 0 || err.read >= 0) {
        std::array<pollfd, 3> fds{
            {{in.write, POLLOUT, 0}, {out.read, POLLIN, 0}, {err.read, POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0) continue;
        if (fds[0].revents != 0) {
            const ssize_t n = write(in.write, input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 || written == input.size()) CloseIfOpen(in.write);
        }
        for (int k : {1, 2}) {
            if (fds[k].revents == 0) continue;
            char buffer[65536];
            const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
            if (n > 0) {
                (k == 1 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
            } else {
                CloseIfOpen(k == 1 ? out.read : err.read);
            }
        }
    }
    CloseIfOpen(in.write);

    int status = 0;
    waitpid(pid, &status, 0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace cli_test
