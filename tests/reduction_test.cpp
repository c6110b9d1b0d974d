#include <string>

#include <gtest/gtest.h>

#include "floating_point_state.h"
#include "network_solution.h"

namespace {

struct printed_value {
    const char* name;
    complex_value value;
    const char* re;
    const char* im;
};

void expect_printed(const printed_value* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(rows[i].re, number_text(rows[i].value.re));
        EXPECT_EQ(rows[i].im, number_text(rows[i].value.im));
    }
}

network_solution reduced(const impedance_set& z)
{
    set_floating_point_state();
    network_solution s;
    reduce_network(z, s);
    return s;
}

// Worked input A: every impedance 10 + 0i; every value is exact.
TEST(ReduceNetwork, WorkedInputA)
{
    const complex_value ten{10, 0};
    network_solution s = reduced({ten, ten, ten, ten, ten});
    const printed_value rows[] = {
        {"Z23", s.Z23, "  5.0000000000", "  0.0000000000"},
        {"Z235", s.Z235, " 15.0000000000", "  0.0000000000"},
        {"Z2345", s.Z2345, "  6.0000000000", "  0.0000000000"},
        {"Zekv", s.Zekv, " 16.0000000000", "  0.0000000000"},
    };
    expect_printed(rows, std::size(rows));
}

// Worked input B: the last digits are those of single-precision results,
// each formula evaluated wide and rounded once; rounding anywhere else
// moves them.
TEST(ReduceNetwork, WorkedInputB)
{
    network_solution s = reduced({{5, 5}, {10, -20}, {8, 6}, {15, 0}, {3, 4}});
    const printed_value rows[] = {
        {"Z23", s.Z23, "  9.6153850555", "  1.9230768681"},
        {"Z235", s.Z235, " 12.6153850555", "  5.9230766296"},
        {"Z2345", s.Z2345, "  7.2107038498", "  1.6706844568"},
        {"Zekv", s.Zekv, " 12.2107038498", "  6.6706843376"},
    };
    expect_printed(rows, std::size(rows));
}

// Z2 + Z3 = 0: each quotient over D23 is 0/0, never an infinity, and NaN
// flows into everything after it.
TEST(ReduceNetwork, ZeroSumGivesNaNDownstream)
{
    const complex_value ten{10, 0};
    network_solution s = reduced({ten, {1, 1}, {-1, -1}, ten, ten});
    const printed_value rows[] = {
        {"Z23", s.Z23, "           nan", "           nan"},
        {"Z235", s.Z235, "           nan", "           nan"},
        {"Z2345", s.Z2345, "           nan", "           nan"},
        {"Zekv", s.Zekv, "           nan", "           nan"},
    };
    expect_printed(rows, std::size(rows));
}

// An infinity appears only when a stored value leaves the float range.
TEST(ReduceNetwork, OverflowOnStoreGivesInfinity)
{
    const complex_value ten{10, 0};
    {
        SCOPED_TRACE("Z2 = Z3 = 1e20: P23.re = 1e40; then inf * 0 in Z23.im");
        network_solution s = reduced({ten, {1e20f, 0}, {1e20f, 0}, ten, ten});
        const printed_value rows[] = {
            {"P23", s.P23, "           inf", "  0.0000000000"},
            {"Z23", s.Z23, "           inf", "           nan"},
        };
        expect_printed(rows, std::size(rows));
    }
    {
        // S23 = 1e-39i is tiny but not zero: P23.im / |S23|^2 = 1 / 1e-39.
        SCOPED_TRACE("Z2 = 1, Z3 = -1 + 1e-39i");
        network_solution s = reduced({ten, {1, 0}, {-1, 1e-39f}, ten, ten});
        const printed_value rows[] = {
            {"Z23", s.Z23, "  1.0000000000", "           inf"},
            {"Z235", s.Z235, " 11.0000000000", "           inf"},
        };
        expect_printed(rows, std::size(rows));
    }
}

}  // namespace
