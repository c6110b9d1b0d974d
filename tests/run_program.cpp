#include "run_program.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

std::vector<std::string> acnet_command()
{
    std::vector<std::string> command;
    if (const char* runner = std::getenv("ACNET_RUNNER")) {
        std::istringstream words(runner);
        for (std::string word; words >> word;)
            command.push_back(word);
    }
    const char* binary = std::getenv("ACNET_BINARY");
#ifdef ACNET_PATH
    if (binary == nullptr || *binary == '\0')
        binary = ACNET_PATH;
#endif
    command.push_back(binary != nullptr ? binary : "acnet");
    return command;
}

void exec_command(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

namespace {

void append_available(int& fd, std::string& to)
{
    char chunk[4096];
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n > 0) {
        to.append(chunk, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
        close(fd);
        fd = -1;
    }
}

}  // namespace

run_result run_program(const std::vector<std::string>& command, const std::string& input,
                       stderr_goes errors, int timeout_seconds)
{
    // A program that exits before reading all its input must not kill us.
    std::signal(SIGPIPE, SIG_IGN);

    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        std::abort();
    pid_t child = fork();
    if (child < 0)
        std::abort();
    if (child == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(errors == stderr_goes::apart ? err[1] : out[1], STDERR_FILENO);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        exec_command(command);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);

    run_result result;
    int to_child = in[1], from_out = out[0], from_err = err[0];
    fcntl(to_child, F_SETFL, O_NONBLOCK);
    size_t written = 0;
    if (input.empty()) {
        close(to_child);
        to_child = -1;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
    while (from_out >= 0 || from_err >= 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timed_out = true;
            kill(child, SIGKILL);
            break;
        }
        pollfd fds[3] = {{to_child, POLLOUT, 0}, {from_out, POLLIN, 0}, {from_err, POLLIN, 0}};
        if (poll(fds, 3, static_cast<int>(left.count())) < 0 && errno != EINTR)
            std::abort();
        if (to_child >= 0 && (fds[0].revents & (POLLOUT | POLLERR | POLLHUP))) {
            ssize_t n = write(to_child, input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<size_t>(n);
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) {
                close(to_child);
                to_child = -1;
            }
        }
        if (fds[1].revents & (POLLIN | POLLHUP | POLLERR))
            append_available(from_out, result.out);
        if (fds[2].revents & (POLLIN | POLLHUP | POLLERR))
            append_available(from_err, result.err);
    }
    for (int fd : {to_child, from_out, from_err})
        if (fd >= 0)
            close(fd);

    int wait_status = 0;
    while (waitpid(child, &wait_status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(wait_status))
        result.status = WEXITSTATUS(wait_status);
    else if (WIFSIGNALED(wait_status))
        result.signal = WTERMSIG(wait_status);
    return result;
}

testing::AssertionResult same_text(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return testing::AssertionSuccess();
    std::istringstream e(expected), a(actual);
    std::string el, al;
    for (int line = 1;; ++line) {
        bool more_e = static_cast<bool>(std::getline(e, el));
        bool more_a = static_cast<bool>(std::getline(a, al));
        if (!more_e && !more_a)
            // Only the final line end differs.
            return testing::AssertionFailure()
                   << "texts differ in their last line end\nexpected:\n"
                   << expected << "\nactual:\n"
                   << actual;
        if (!more_e || !more_a || el != al)
            return testing::AssertionFailure()
                   << "first difference at line " << line << "\nexpected: "
                   << (more_e ? "\"" + el + "\"" : "(end of text)")
                   << "\nactual:   " << (more_a ? "\"" + al + "\"" : "(end of text)");
    }
}
