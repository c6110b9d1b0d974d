// The whole program through a pipe: every byte of standard output and
// standard error, and the exit status. The expected texts are written from
// the worked examples, not from the program's output.

#include <string>

#include <gtest/gtest.h>

#include "run_program.h"

namespace {

const std::string banner =
    "Napomena, zadatak je sastavljen za napon koji je jednak 220 pod kutem 0 stupnjeva\n\n";

const std::string all_prompts =
    "Unesi Z2 - realni dio Unesi Z2 - imaginarni dio "
    "Unesi Z3 - realni dio Unesi Z3 - imaginarni dio "
    "Unesi Z5 - realni dio Unesi Z5 - imaginarni dio "
    "Unesi Z4 - realni dio Unesi Z4 - imaginarni dio "
    "Unesi Z1 - realni dio Unesi Z1 - imaginarni dio ";

// Worked input A: every impedance 10 + 0i.
const std::string report_A =
    "Z3 par Z2 =   5.0000000000 +   0.0000000000i\n"
    "Z235 =  15.0000000000 +   0.0000000000i\n"
    "Z2345 =   6.0000000000 +   0.0000000000i\n"
    "Zekv je  16.0000000000 +   0.0000000000i\n"
    "\n";

// Worked input B: Z1 = 5 + 5i, Z2 = 10 - 20i, Z3 = 8 + 6i, Z4 = 15, Z5 = 3 + 4i.
const std::string report_B =
    "Z3 par Z2 =   9.6153850555 +   1.9230768681i\n"
    "Z235 =  12.6153850555 +   5.9230766296i\n"
    "Z2345 =   7.2107038498 +   1.6706844568i\n"
    "Zekv je  12.2107038498 +   6.6706843376i\n"
    "\n";

// Z2 + Z3 = 0: NaN from Z23 on, never printed as "-nan".
const std::string report_zero_sum =
    "Z3 par Z2 =            nan +            nani\n"
    "Z235 =            nan +            nani\n"
    "Z2345 =            nan +            nani\n"
    "Zekv je            nan +            nani\n"
    "\n";

struct run_case {
    const char* name;
    std::string input;  // in prompt order: Z2, Z3, Z5, Z4, Z1, real part first
    std::string out;
    std::string err;
    int status;
};

void expect_runs(const run_case* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].name);
        run_result r = run_program(acnet_command(), rows[i].input);
        ASSERT_FALSE(r.timed_out);
        EXPECT_EQ(0, r.signal);
        EXPECT_TRUE(same_text(rows[i].out, r.out));
        EXPECT_EQ(rows[i].err, r.err);
        EXPECT_EQ(rows[i].status, r.status);
    }
}

// With no echo, the ten prompts stand back to back on one line and the
// first report line follows the tenth prompt.
TEST(EndToEnd, ValidRuns)
{
    const run_case rows[] = {
        {"worked input A, one number a line", "10\n0\n10\n0\n10\n0\n10\n0\n10\n0\n",
         banner + all_prompts + report_A, "", 0},
        {"worked input B, ten numbers on one line", "10 -20 8 6 3 4 15 0 5 5\n",
         banner + all_prompts + report_B, "", 0},
        {"worked input B with exponents, 2e1 is 20", "1e1 -2e1 8 6 3 4 1.5e1 0 5 5\n",
         banner + all_prompts + report_B, "", 0},
        {"worked input B, tabs, blank lines, no final line end",
         "\n\t10\t-20\n\n8 6\r\n3   4 15 0\n5\n5", banner + all_prompts + report_B, "", 0},
        {"zero sum in Z2 parallel Z3", "1 1 -1 -1 10 0 10 0 10 0\n",
         banner + all_prompts + report_zero_sum, "", 0},
    };
    expect_runs(rows, std::size(rows));
}

// Arguments are ignored.
TEST(EndToEnd, ArgumentsAreIgnored)
{
    std::vector<std::string> command = acnet_command();
    command.push_back("--help");
    run_result r = run_program(command, "10 -20 8 6 3 4 15 0 5 5\n");
    EXPECT_TRUE(same_text(banner + all_prompts + report_B, r.out));
    EXPECT_EQ("", r.err);
    EXPECT_EQ(0, r.status);
}

}  // namespace
