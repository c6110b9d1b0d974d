// The whole program through a pipe: every byte of standard output and
// standard error, and the exit status. The expected texts are written from
// the worked examples, not from the program's output.

#include <cstdio>
#include <cstdlib>
#include <random>
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
         banner + all_prompts + report_nan, "", 0},
    };
    expect_runs(rows, std::size(rows));
}

// An entry that is missing or not a number stops the run at its prompt with
// one message and status 1: no later prompt, no report of numbers the user
// never typed.
TEST(EndToEnd, UnreadableInputStopsWithAMessage)
{
    const run_case rows[] = {
        {"empty input", "", banner + first_prompts(1), missing("Z2 - realni dio"), 1},
        {"only white space", " \n\t\n", banner + first_prompts(1), missing("Z2 - realni dio"), 1},
        {"end of input after the first number", "10\n", banner + first_prompts(2),
         missing("Z2 - imaginarni dio"), 1},
        {"end of input after nine numbers", "10 -20 8 6 3 4 15 0 5", banner + first_prompts(10),
         missing("Z1 - imaginarni dio"), 1},
        // "%f" alone would take 1 and leave ",5" for the next entry.
        {"decimal comma at the first entry", "1,5 -20 8 6 3 4 15 0 5 5\n",
         banner + first_prompts(1), not_a_number("Z2 - realni dio"), 1},
        {"decimal comma at the last entry", "10 -20 8 6 3 4 15 0 5 5,0\n",
         banner + first_prompts(10), not_a_number("Z1 - imaginarni dio"), 1},
        {"a complex number at one prompt", "3+4i\n", banner + first_prompts(1),
         not_a_number("Z2 - realni dio"), 1},
        {"a letter", "10 x\n", banner + first_prompts(2), not_a_number("Z2 - imaginarni dio"), 1},
        {"letters after digits", "10 -20 12abc\n", banner + first_prompts(3),
         not_a_number("Z3 - realni dio"), 1},
        {"a sign alone", "10 -20 8 - 6\n", banner + first_prompts(4),
         not_a_number("Z3 - imaginarni dio"), 1},
    };
    expect_runs(rows, std::size(rows));
}

// What "%f" takes as a number is still taken, and text after the tenth
// number is never read.
TEST(EndToEnd, OtherNumberFormsAndTrailingText)
{
    const run_case rows[] = {
        {"ten numbers, then trailing text", "10 -20 8 6 3 4 15 0 5 5 i to je sve\n",
         banner + all_prompts + report_B, "", 0},
        {"hexadecimal and a plus sign", "0x1.4p3 -20 +8 6 3 4 15 0 5 5\n",
         banner + all_prompts + report_B, "", 0},
        // A NaN in Z2 reaches every value, and so does an infinity: inf/inf
        // in Z23 is NaN.
        {"nan is taken as a number", "nan -20 8 6 3 4 15 0 5 5\n",
         banner + all_prompts + report_nan, "", 0},
        {"inf is taken as a number", "inf -20 8 6 3 4 15 0 5 5\n",
         banner + all_prompts + report_nan, "", 0},
    };
    expect_runs(rows, std::size(rows));
}

// The message comes after everything already written to standard output.
TEST(EndToEnd, MessageFollowsThePromptsInACombinedCapture)
{
    run_result r = run_program(acnet_command(), "10 -20 1,5\n", stderr_goes::with_stdout);
    EXPECT_TRUE(same_text(banner + first_prompts(3) + not_a_number("Z3 - realni dio"), r.out));
    EXPECT_EQ(1, r.status);
}

// Another build of acnet (software arithmetic, another processor) prints
// the same bytes as the one named by ACNET_COMPARE_WITH, on generated
// networks of every scale, signs and zeros included.
TEST(EndToEnd, SameOutputAsAnotherBuild)
{
    const char* other = std::getenv("ACNET_COMPARE_WITH");
    if (other == nullptr || *other == '\0')
        GTEST_SKIP() << "set ACNET_COMPARE_WITH to the acnet to compare with";
    std::mt19937 random(7);
    std::uniform_real_distribution<float> mantissa(-10.0f, 10.0f);
    std::uniform_int_distribution<int> exponent(-6, 6);
    for (int n = 0; n < 300; ++n) {
        std::string input;
        for (int i = 0; i < 10; ++i) {
            char number[32];
            if (random() % 10 == 0)
                std::snprintf(number, sizeof number, "%d ", static_cast<int>(random() % 3) - 1);
            else
                std::snprintf(number, sizeof number, "%.7ge%d ", mantissa(random), exponent(random));
            input += number;
        }
        SCOPED_TRACE(input);
        run_result expected = run_program({other}, input);
        run_result actual = run_program(acnet_command(), input);
        ASSERT_TRUE(same_text(expected.out, actual.out));
        ASSERT_EQ(expected.status, actual.status);
    }
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
