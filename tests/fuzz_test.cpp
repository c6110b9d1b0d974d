// Random and mutated input on acnet's standard input. Whatever arrives, the
// run ends by itself with status 0 and the whole report, or with status 1,
// the prompts up to the failing entry and one message naming it; anything
// else on standard error (a sanitizer's report) is a failure.
//
// ACNET_FUZZ_RUNS sets the number of runs (default 300); the seed is fixed.

#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "run_program.h"
#include "worked_examples.h"

namespace {

int count_lines(const std::string& text)
{
    int lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

// Empty when the run kept its contract, otherwise what went wrong.
std::string broken_contract(const run_result& r)
{
    if (r.timed_out)
        return "did not end";
    if (r.signal != 0)
        return "killed by signal " + std::to_string(r.signal);
    if (r.status == 0) {
        std::string head = worked::banner + worked::first_prompts(10);
        if (r.out.compare(0, head.size(), head) != 0)
            return "report without banner and ten prompts";
        // Four impedance lines, six currents, six effective values and two
        // empty lines.
        if (count_lines(r.out.substr(head.size())) != 18 || r.out.back() != '\n')
            return "report of the wrong length";
        if (!r.err.empty())
            return "standard error written on success";
        return "";
    }
    if (r.status == 1) {
        for (int k = 1; k <= 10; ++k) {
            if (r.out != worked::banner + worked::first_prompts(k))
                continue;
            // The entry's name is its prompt without "Unesi " and the space.
            std::string prompt = worked::prompts[k - 1];
            std::string entry = prompt.substr(6, prompt.size() - 7);
            if (r.err == worked::missing(entry) || r.err == worked::not_a_number(entry))
                return "";
            return "message does not name the last prompt's entry";
        }
        return "standard output is not the banner and some prompts";
    }
    return "exit status " + std::to_string(r.status);
}

class input_maker {
public:
    explicit input_maker(std::uint32_t seed) : random_(seed) {}

    std::string random_bytes()
    {
        std::string input(random_() % 64, '\0');
        for (char& c : input)
            c = static_cast<char>(random_());
        return input;
    }

    // A valid input with a few edits from the characters that make numbers
    // hard to read.
    std::string mutated_valid()
    {
        static const std::string pieces[] = {",", "+", "-", ".", "e", "E", "x", "i", "p", " ",
                                             "\n", "\t", std::string(1, '\0'),
                                             "0x", "nan", "inf", "1e400", "1e-50", "9", "0",
                                             "0000000000000000000000000000000000001"};
        std::string input = random_() % 2 ? worked::input_B : "1 1 -1 -1 10 0 10 0 10 0\n";
        int edits = 1 + random_() % 4;
        for (int i = 0; i < edits; ++i) {
            size_t at = input.empty() ? 0 : random_() % (input.size() + 1);
            switch (random_() % 4) {
            case 0:
                input.insert(at, pieces[random_() % std::size(pieces)]);
                break;
            case 1:
                if (at < input.size())
                    input.erase(at, 1 + random_() % 3);
                break;
            case 2:
                if (at < input.size())
                    input[at] = static_cast<char>(random_());
                break;
            default:
                input.resize(at);  // cut short
                break;
            }
        }
        return input;
    }

    // One number far longer than any buffer would guess.
    std::string huge_number()
    {
        return std::string(1 + random_() % 200000, '7') + " 1 2 3 4 5 6 7 8 9\n";
    }

    std::string next()
    {
        switch (random_() % 10) {
        case 0:
        case 1:
        case 2:
            return random_bytes();
        case 3:
            return huge_number();
        default:
            return mutated_valid();
        }
    }

private:
    std::mt19937 random_;
};

TEST(Fuzz, EveryInputEndsWithReportOrOneMessage)
{
    int runs = 300;
    if (const char* text = std::getenv("ACNET_FUZZ_RUNS"))
        runs = std::atoi(text);
    input_maker make(20261211);
    for (int n = 0; n < runs; ++n) {
        std::string input = make.next();
        run_result r = run_program(acnet_command(), input, stderr_goes::apart, 60);
        std::string broken = broken_contract(r);
        if (!broken.empty()) {
            std::string shown = input.size() > 400 ? input.substr(0, 400) + "..." : input;
            FAIL() << broken << "\ninput (" << input.size() << " bytes): \"" << shown
                   << "\"\nstatus " << r.status << "\nstdout:\n"
                   << r.out << "\nstderr:\n"
                   << r.err;
        }
    }
}

}  // namespace
