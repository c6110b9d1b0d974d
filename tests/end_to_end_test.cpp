// The whole program through a pipe: every byte of standard output and
// standard error, and the exit status. The expected texts are written from
// the worked examples, not from the program's output.

#include <string>

#include <gtest/gtest.h>

#include "run_program.h"
#include "worked_examples.h"

namespace {

using namespace worked;

const std::string all_prompts = first_prompts(10);

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
        {"worked input B, ten numbers on one line", input_B,
         banner + all_prompts + report_B, "", 0},
        {"worked input B with exponents, 2e1 is 20", "1e1 -2e1 8 6 3 4 1.5e1 0 5 5\n",
         banner + all_prompts + report_B, "", 0},
        {"worked input B, tabs, blank lines, no final line end",
         "\n\t10\t-20\n\n8 6\r\n3   4 15 0\n5\n5", banner + all_prompts + report_B, "", 0},
        {"zero sum in Z2 parallel Z3", input_zero_sum,
         banner + all_prompts + report_zero_sum, "", 0},
    };
    expect_runs(rows, std::size(rows));
}

// Arguments are ignored.
TEST(EndToEnd, ArgumentsAreIgnored)
{
    std::vector<std::string> command = acnet_command();
    command.push_back("--help");
    run_result r = run_program(command, input_B);
    EXPECT_TRUE(same_text(banner + all_prompts + report_B, r.out));
    EXPECT_EQ("", r.err);
    EXPECT_EQ(0, r.status);
}

}  // namespace
