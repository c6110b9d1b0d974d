#pragma once
// The two number formats of the calculator.
//
// Every input and every stored result is a Real (IEEE binary32). Each
// formula is evaluated in Extended (64-bit significand, round to nearest
// even) and rounded to Real once, when it is stored; the printed digits
// depend on exactly that.

#include <cfloat>

using Real = float;

using Extended = long double;

static_assert(LDBL_MANT_DIG == 64,
              "acnet needs long double with a 64-bit significand (x86 extended "
              "precision); on this platform it would print other digits");
