// Kirchhoff's laws as an independent check of the current formulas: a wrong
// sign or a swapped operand in one divider breaks a node or a loop sum even
// where the worked inputs happen not to show it.

#include <cmath>
#include <complex>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "floating_point_state.h"
#include "network_solution.h"

namespace {

using complex = std::complex<double>;

complex c(complex_value z)
{
    return {z.re, z.im};
}

std::string describe(const char* name, complex_value z)
{
    char text[96];
    std::snprintf(text, sizeof text, "%s = %a %+ai  ", name, z.re, z.im);
    return text;
}

TEST(DistributeCurrents, KirchhoffLawsHoldOnGeneratedNetworks)
{
    set_floating_point_state();
    // Passive impedances (positive resistance) keep every sum in a parallel
    // combination away from zero, so the single-precision results stay
    // within a few float ulps of the exact currents.
    std::mt19937 random(20261211);
    std::uniform_real_distribution<float> resistance(0.5f, 200.0f);
    std::uniform_real_distribution<float> reactance(-200.0f, 200.0f);
    auto impedance = [&] { return complex_value{resistance(random), reactance(random)}; };

    const double tolerance = 1e-5;  // relative; a float ulp is 6e-8
    for (int n = 0; n < 500; ++n) {
        impedance_set z{impedance(), impedance(), impedance(), impedance(), impedance()};
        network_solution s;
        reduce_network(z, s);
        distribute_currents(z, s);
        SCOPED_TRACE(describe("Z1", z.Z1) + describe("Z2", z.Z2) + describe("Z3", z.Z3) +
                     describe("Z4", z.Z4) + describe("Z5", z.Z5));

        complex I1 = c(s.I1), I2 = c(s.I2), I3 = c(s.I3), I4 = c(s.I4), I5 = c(s.I5);
        complex Z1 = c(z.Z1), Z2 = c(z.Z2), Z3 = c(z.Z3), Z4 = c(z.Z4), Z5 = c(z.Z5);
        double current = std::abs(I1);
        // Node laws.
        EXPECT_LE(std::abs(I1 - I4 - I5), tolerance * current);
        EXPECT_LE(std::abs(I5 - I2 - I3), tolerance * current);
        // Loop laws: the source loop, then the two inner loops.
        double voltage = 220;
        EXPECT_LE(std::abs(220.0 - I1 * Z1 - I4 * Z4), tolerance * voltage);
        EXPECT_LE(std::abs(I4 * Z4 - I5 * Z5 - I2 * Z2), tolerance * voltage);
        EXPECT_LE(std::abs(I2 * Z2 - I3 * Z3), tolerance * voltage);
        // Iab and the effective values.
        EXPECT_LE(std::abs(c(s.Iab) - I3 - I4), tolerance * current);
        const std::pair<Real, complex> effective[] = {{s.Iab_ef, c(s.Iab)}, {s.I4_ef, I4},
                                                      {s.I5_ef, I5},        {s.I1_ef, I1},
                                                      {s.I3_ef, I3},        {s.I2_ef, I2}};
        for (const auto& [ef, I] : effective)
            EXPECT_LE(std::abs(ef - std::abs(I)), tolerance * current);
        if (HasFailure())
            break;
    }
}

}  // namespace
