#include <cmath>
#include <cstdio>

#include "complex_value.h"

std::string number_text(Real x)
{
    // The C library writes "-nan" for a NaN whose sign bit is set, and 0/0
    // on x86 yields exactly such a NaN; the report shows every NaN alike.
    // 39 integer digits at most for a float, a sign, a point and ten digits.
    char text[64];
    if (std::isnan(x))
        std::snprintf(text, sizeof text, "%14s", "nan");
    else
        std::snprintf(text, sizeof text, "%14.10f", static_cast<double>(x));
    return text;
}

void print_complex_line(const char* prefix, complex_value z, const char* ending)
{
    std::printf("%s%s + %si%s", prefix, number_text(z.re).c_str(), number_text(z.im).c_str(),
                ending);
}

void print_magnitude_line(const char* prefix, Real x)
{
    std::printf("%s%s\n", prefix, number_text(x).c_str());
}
