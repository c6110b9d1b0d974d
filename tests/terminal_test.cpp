// On a terminal each prompt must be on the screen before the program waits
// for its number: nothing is typed until the prompt has arrived.

#include <string>

#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "run_program.h"
#include "worked_examples.h"

namespace {

// The terminal turns each "\n" into "\r\n".
std::string on_terminal(const std::string& text)
{
    std::string shown;
    for (char c : text)
        shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return shown;
}

// Reads from the terminal until it has shown as much as expected, then
// compares; gives up after a long quiet time, as a hung program would be.
testing::AssertionResult screen_shows(int master, std::string& seen, const std::string& expected)
{
    while (seen.size() < expected.size()) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 20000) <= 0)
            break;
        char chunk[1024];
        ssize_t n = read(master, chunk, sizeof chunk);
        if (n <= 0)
            break;
        seen.append(chunk, static_cast<size_t>(n));
    }
    if (seen == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "screen shows:\n" << seen << "\nexpected:\n" << expected;
}

TEST(Terminal, EachPromptIsShownBeforeItsRead)
{
    // No echo, so the screen holds only what the program wrote; the
    // terminal turns each "\n" into "\r\n".
    termios mode{};
    cfmakeraw(&mode);
    mode.c_lflag = ICANON;
    mode.c_oflag = OPOST | ONLCR;
    mode.c_iflag = ICRNL;
    mode.c_cflag = CS8 | CREAD;
    mode.c_cc[VEOF] = 4;
    mode.c_cc[VMIN] = 1;

    std::vector<std::string> command = acnet_command();
    int master = -1;
    pid_t child = forkpty(&master, nullptr, &mode, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0)
        exec_command(command);

    std::string seen, expected = on_terminal(worked::banner);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(worked::prompts[i]);
        // Nothing has been typed for this prompt yet, so it must already be
        // on the screen.
        expected += worked::prompts[i];
        ASSERT_TRUE(screen_shows(master, seen, expected));
        std::string line = std::string(worked::answers_B[i]) + "\n";
        ASSERT_EQ(static_cast<ssize_t>(line.size()), write(master, line.data(), line.size()));
    }
    expected += on_terminal(worked::report_B);
    EXPECT_TRUE(screen_shows(master, seen, expected));

    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    close(master);
}

}  // namespace
