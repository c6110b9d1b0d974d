#include <cmath>

#include "complex_value.h"

Extended squared_magnitude(complex_value z)
{
    return Extended(z.re) * Extended(z.re) + Extended(z.im) * Extended(z.im);
}

Real magnitude(complex_value z)
{
    // The sum is rounded to double, not to Real, before the double square
    // root; rounding it to Real first changes the last digit.
    return Real(std::sqrt(double(squared_magnitude(z))));
}
