#include <cfloat>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "complex_value.h"

namespace {

struct number_case {
    const char* name;
    Real value;
    const char* text;
};

void expect_texts(const number_case* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(rows[i].text, number_text(rows[i].value));
    }
}

// The digits are the float's exact binary value, widened to double and
// rounded once at the tenth place, ties to even.
TEST(NumberText, ExactDecimalValueRoundedAtTenthPlace)
{
    const number_case rows[] = {
        {"0.1 is not exact in binary", 0.1f, "  0.1000000015"},
        {"tie rounds down to even", 1.00048828125f, "  1.0004882812"},
        {"tie rounds up to even", 1.00146484375f, "  1.0014648438"},
        {"integer", 16.0f, " 16.0000000000"},
        {"negative", -7.5f, " -7.5000000000"},
    };
    expect_texts(rows, std::size(rows));
}

// A set sign bit always shows, even when no digit does; every NaN reads the
// same whatever its sign bit (the C library would print "-nan").
TEST(NumberText, SignsZerosInfinitiesAndNaN)
{
    volatile Real zero = 0.0f;
    const number_case rows[] = {
        {"positive zero", 0.0f, "  0.0000000000"},
        {"negative zero", -0.0f, " -0.0000000000"},
        {"negative value that rounds to zero", -1e-11f, " -0.0000000000"},
        {"positive NaN", std::numeric_limits<Real>::quiet_NaN(), "           nan"},
        {"NaN with sign bit set", std::copysign(std::numeric_limits<Real>::quiet_NaN(), -1.0f),
         "           nan"},
        {"0/0 as the processor makes it", zero / zero, "           nan"},
        {"positive infinity", std::numeric_limits<Real>::infinity(), "           inf"},
        {"negative infinity", -std::numeric_limits<Real>::infinity(), "          -inf"},
    };
    expect_texts(rows, std::size(rows));
}

// Longer texts widen the field and are never cut.
TEST(NumberText, WiderThanFieldIsNeverCut)
{
    const number_case rows[] = {
        {"-100 needs 15 characters", -100.0f, "-100.0000000000"},
        {"largest float, all 39 integer digits", FLT_MAX,
         "340282346638528859811704183484516925440.0000000000"},
    };
    expect_texts(rows, std::size(rows));
}

}  // namespace
