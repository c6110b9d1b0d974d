#pragma once
// Runs acnet as a separate process, the way a user or a pipe would.

#include <string>
#include <vector>

#include <gtest/gtest.h>

struct run_result {
    std::string out;   // standard output
    std::string err;   // standard error
    int status = -1;   // exit status, or -1 when killed by a signal
    int signal = 0;    // the signal that ended it, if any
    bool timed_out = false;
};

// The command that runs acnet: ACNET_RUNNER's words (for an emulator), then
// ACNET_BINARY, or the acnet this tree built.
std::vector<std::string> acnet_command();

// In a forked child: replaces the process with command, or exits with 127
// when it cannot be started.
[[noreturn]] void exec_command(const std::vector<std::string>& command);

enum class stderr_goes { apart, with_stdout };

// Runs command with input on standard input (then closed), collecting both
// output streams, or with_stdout both into out, as a terminal or "2>&1"
// would show them. A run past timeout_seconds is killed.
run_result run_program(const std::vector<std::string>& command, const std::string& input,
                       stderr_goes errors = stderr_goes::apart, int timeout_seconds = 30);

// Success when the texts are equal; otherwise names the first differing
// line (1-based) and shows both versions of it.
testing::AssertionResult same_text(const std::string& expected, const std::string& actual);
