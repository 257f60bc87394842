#include "run_process.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace {

std::string drain(int fd)
{
    std::string text;
    char block[4096];
    for (;;) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n > 0)
            text.append(block, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    return text;
}

}  // namespace

ProcessResult run_process(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd, const std::string* argv0)
{
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> words;
    words.push_back(argv0 != nullptr ? *argv0 : program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        close(err[0]);
        close(err[1]);
        const int null = open("/dev/null", O_RDONLY);
        dup2(null, STDIN_FILENO);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            _exit(126);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    // Outputs are small; read standard error after standard output is closed.
    ProcessResult result{0, drain(out[0]), drain(err[0])};
    close(out[0]);
    close(err[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}
