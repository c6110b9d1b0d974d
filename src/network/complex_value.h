#pragma once
// A complex quantity in rectangular form, and what the report does with one.

#include <string>

#include "real.h"

struct complex_value {
    Real re = 0;
    Real im = 0;
};

// re * re + im * im, each operation in Extended, not rounded to Real.
Extended squared_magnitude(complex_value z);

// The effective value: the sum of squares in Extended rounded to double, its
// double square root rounded to Real.
Real magnitude(complex_value z);

// The text of one number as the report shows it: the value widened to double
// and written by "%14.10f", except that every NaN is "nan" whatever its sign.
std::string number_text(Real x);

// Writes prefix, real part, " + ", imaginary part, "i" and ending to
// standard output. A negative imaginary part still follows " + ".
void print_complex_line(const char* prefix, complex_value z, const char* ending);

// Writes prefix, the value and "\n" to standard output.
void print_magnitude_line(const char* prefix, Real x);
