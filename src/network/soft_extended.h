#pragma once
// The 80-bit extended format's arithmetic, carried out in software, for
// platforms whose long double is another format (64-bit Arm, for one).
//
// A finite non-zero value is significand * 2^(exponent - 63), with bit 63 of
// the significand set: the 64-bit significand of the x87 format. The
// exponent is a plain int, far wider than the hardware's 15 bits, so nothing
// the calculator computes overflows or underflows before it is stored. Each
// operation rounds its exact result once to 64 bits, to nearest, ties to
// even, with the IEEE rules for signed zeros, infinities and NaN.

#include <cstdint>

#if !defined(__SIZEOF_INT128__)
#error "the software extended format needs unsigned __int128 (GCC or Clang on a 64-bit target)"
#endif

struct soft_extended {
    enum class kind : std::uint8_t { zero, finite, infinity, nan };

    kind what = kind::zero;
    bool negative = false;
    int exponent = 0;
    std::uint64_t significand = 0;

    soft_extended() = default;
    // Exact: every float has a 64-bit significand form. Implicit, so a
    // formula can use a constant such as 220 as it stands.
    soft_extended(float x);
    // Each rounds once, to nearest even; subnormal results and overflow to
    // infinity as IEEE rounding gives them.
    explicit operator float() const;
    explicit operator double() const;
};

soft_extended operator+(soft_extended a, soft_extended b);
soft_extended operator-(soft_extended a, soft_extended b);
soft_extended operator*(soft_extended a, soft_extended b);
soft_extended operator/(soft_extended a, soft_extended b);
