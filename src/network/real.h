#pragma once
// The two number formats of the calculator.
//
// Every input and every stored result is a Real (IEEE binary32). Each
// formula is evaluated in Extended (64-bit significand, round to nearest
// even) and rounded to Real once, when it is stored; the printed digits
// depend on exactly that.

#include <cfloat>

using Real = float;

// Where long double is the x87 extended format (x86 with GCC or Clang) the
// hardware evaluates the formulas; elsewhere, or when ACNET_SOFT_EXTENDED
// asks for it, the same operations are carried out in software, with the
// same results to the last bit.
#if !defined(ACNET_SOFT_EXTENDED) && LDBL_MANT_DIG == 64
using Extended = long double;
#else
#include "soft_extended.h"
using Extended = soft_extended;
#endif
