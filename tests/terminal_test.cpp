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

namespace {

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
    const char* const prompts[] = {
        "Unesi Z2 - realni dio ", "Unesi Z2 - imaginarni dio ",
        "Unesi Z3 - realni dio ", "Unesi Z3 - imaginarni dio ",
        "Unesi Z5 - realni dio ", "Unesi Z5 - imaginarni dio ",
        "Unesi Z4 - realni dio ", "Unesi Z4 - imaginarni dio ",
        "Unesi Z1 - realni dio ", "Unesi Z1 - imaginarni dio ",
    };
    const char* const answers[] = {"10", "-20", "8", "6", "3", "4", "15", "0", "5", "5"};

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
    if (child == 0) {
        std::vector<char*> argv;
        for (const std::string& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }

    std::string seen, expected =
        "Napomena, zadatak je sastavljen za napon koji je jednak 220 pod kutem 0 stupnjeva\r\n\r\n";
    for (size_t i = 0; i < std::size(prompts); ++i) {
        SCOPED_TRACE(prompts[i]);
        // Nothing has been typed for this prompt yet, so it must already be
        // on the screen.
        expected += prompts[i];
        ASSERT_TRUE(screen_shows(master, seen, expected));
        std::string line = std::string(answers[i]) + "\n";
        ASSERT_EQ(static_cast<ssize_t>(line.size()), write(master, line.data(), line.size()));
    }
    expected +=
        "Z3 par Z2 =   9.6153850555 +   1.9230768681i\r\n"
        "Z235 =  12.6153850555 +   5.9230766296i\r\n"
        "Z2345 =   7.2107038498 +   1.6706844568i\r\n"
        "Zekv je  12.2107038498 +   6.6706843376i\r\n"
        "\r\n";
    EXPECT_TRUE(screen_shows(master, seen, expected));

    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    close(master);
}

}  // namespace
