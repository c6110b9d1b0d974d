#include "soft_extended.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace {

__extension__ typedef unsigned __int128 u128;
using kind = soft_extended::kind;

soft_extended special(kind what, bool negative)
{
    soft_extended r;
    r.what = what;
    r.negative = negative;
    return r;
}

// The result of an invalid operation (0/0, inf - inf, 0 * inf). The x87
// unit gives a NaN with its sign bit set; keep that sign, though the report
// prints every NaN alike.
soft_extended invalid()
{
    return special(kind::nan, true);
}

int leading_bit(u128 m)
{
    std::uint64_t high = static_cast<std::uint64_t>(m >> 64);
    return high != 0 ? 127 - __builtin_clzll(high)
                     : 63 - __builtin_clzll(static_cast<std::uint64_t>(m));
}

// m * 2^scale rounded to 64 significant bits, to nearest, ties to even.
// sticky says that non-zero bits below m were already dropped; the callers
// keep at least two bits below the final significand, so a dropped bit can
// only break a tie, never move the rounding point.
soft_extended round_to_extended(bool negative, u128 m, int scale, bool sticky)
{
    int top = leading_bit(m);
    std::uint64_t significand;
    bool round = false;
    if (top > 63) {
        int drop = top - 63;
        u128 dropped = m & ((u128(1) << drop) - 1);
        round = (dropped >> (drop - 1)) & 1;
        sticky = sticky || (dropped & ((u128(1) << (drop - 1)) - 1)) != 0;
        significand = static_cast<std::uint64_t>(m >> drop);
    } else {
        significand = static_cast<std::uint64_t>(m) << (63 - top);
    }
    int exponent = scale + top;
    // Round up when above half an ulp, or at exactly half with an odd last
    // bit; a carry out of the top bit moves the exponent.
    if (round && (sticky || (significand & 1))) {
        ++significand;
        if (significand == 0) {
            significand = std::uint64_t(1) << 63;
            ++exponent;
        }
    }
    soft_extended r;
    r.what = kind::finite;
    r.negative = negative;
    r.exponent = exponent;
    r.significand = significand;
    return r;
}

// Rounds a finite value to a binary format with precision bits and least
// normal exponent min_exponent, returning the kept integer and the power of
// two of its last bit; the caller scales it, which is exact.
std::uint64_t round_to_precision(const soft_extended& x, int precision, int min_exponent,
                                 int& last_bit)
{
    // Below the normal range the last bit stays at the subnormals' last bit.
    int kept_exponent = x.exponent < min_exponent ? min_exponent : x.exponent;
    int drop = 64 - precision + (kept_exponent - x.exponent);
    last_bit = kept_exponent - (precision - 1);
    if (drop > 64)  // under half the least subnormal: rounds to zero
        return 0;
    u128 m = x.significand;
    std::uint64_t kept = static_cast<std::uint64_t>(m >> drop);
    bool round = (m >> (drop - 1)) & 1;
    bool sticky = (m & ((u128(1) << (drop - 1)) - 1)) != 0;
    if (round && (sticky || (kept & 1)))
        ++kept;  // may reach the next power of two; still exact to scale
    return kept;
}

template <typename Binary>
Binary to_binary(const soft_extended& x, int precision, int min_exponent)
{
    Binary magnitude = 0;
    switch (x.what) {
    case kind::zero:
        magnitude = 0;
        break;
    case kind::infinity:
        magnitude = INFINITY;
        break;
    case kind::nan:
        magnitude = NAN;
        break;
    case kind::finite: {
        int last_bit = 0;
        std::uint64_t kept = round_to_precision(x, precision, min_exponent, last_bit);
        // kept has at most precision + 1 bits, so it converts exactly, and
        // scaling a representable result is exact; past the largest finite
        // value scaling gives infinity, as rounding to nearest must.
        magnitude = std::ldexp(static_cast<Binary>(kept), last_bit);
        break;
    }
    }
    return x.negative ? -magnitude : magnitude;
}

}  // namespace

soft_extended::soft_extended(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    negative = (bits >> 31) != 0;
    int biased = (bits >> 23) & 0xff;
    std::uint32_t fraction = bits & 0x7fffff;
    if (biased == 0xff) {
        what = fraction != 0 ? kind::nan : kind::infinity;
    } else if (biased == 0 && fraction == 0) {
        what = kind::zero;
    } else {
        // value = m * 2^e; subnormals have no hidden bit.
        std::uint64_t m = biased != 0 ? (fraction | 0x800000) : fraction;
        int e = (biased != 0 ? biased : 1) - 127 - 23;
        int shift = __builtin_clzll(m);
        what = kind::finite;
        significand = m << shift;
        exponent = e - shift + 63;
    }
}

soft_extended::operator float() const
{
    return to_binary<float>(*this, 24, -126);
}

soft_extended::operator double() const
{
    return to_binary<double>(*this, 53, -1022);
}

soft_extended operator+(soft_extended a, soft_extended b)
{
    if (a.what == kind::nan)
        return a;
    if (b.what == kind::nan)
        return b;
    if (a.what == kind::infinity)
        return b.what == kind::infinity && a.negative != b.negative ? invalid() : a;
    if (b.what == kind::infinity)
        return b;
    if (a.what == kind::zero)
        // (+0) + (-0) is +0 when rounding to nearest; x + 0 is x exactly.
        return b.what == kind::zero ? special(kind::zero, a.negative && b.negative) : b;
    if (b.what == kind::zero)
        return a;

    // Let a be the larger in magnitude.
    if (a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand))
        std::swap(a, b);
    // a's significand at bits 126..63 leaves 63 guard bits below it and a
    // free top bit for the carry of a sum. What b loses off the bottom is
    // jammed into bit 0: enough to round correctly, since at most one bit
    // cancels when anything was lost.
    u128 big = u128(a.significand) << 63;
    int shift = a.exponent - b.exponent;
    u128 small_full = u128(b.significand) << 63;
    u128 small = shift >= 127 ? 1 : small_full >> shift;
    if (shift < 127 && (small << shift) != small_full)
        small |= 1;
    int scale = a.exponent - 126;
    if (a.negative == b.negative)
        return round_to_extended(a.negative, big + small, scale, false);
    if (big == small)
        return special(kind::zero, false);  // x - x is +0 when rounding to nearest
    return round_to_extended(a.negative, big - small, scale, false);
}

soft_extended operator-(soft_extended a, soft_extended b)
{
    // Subtraction is adding the negation; a NaN's sign passes through as is.
    if (b.what != kind::nan)
        b.negative = !b.negative;
    return a + b;
}

soft_extended operator*(soft_extended a, soft_extended b)
{
    if (a.what == kind::nan)
        return a;
    if (b.what == kind::nan)
        return b;
    bool negative = a.negative != b.negative;
    if (a.what == kind::infinity || b.what == kind::infinity)
        return a.what == kind::zero || b.what == kind::zero ? invalid()
                                                            : special(kind::infinity, negative);
    if (a.what == kind::zero || b.what == kind::zero)
        return special(kind::zero, negative);
    // The 128-bit product is exact; it is rounded once.
    u128 product = u128(a.significand) * b.significand;
    return round_to_extended(negative, product, a.exponent + b.exponent - 126, false);
}

soft_extended operator/(soft_extended a, soft_extended b)
{
    if (a.what == kind::nan)
        return a;
    if (b.what == kind::nan)
        return b;
    bool negative = a.negative != b.negative;
    if (a.what == kind::infinity)
        return b.what == kind::infinity ? invalid() : special(kind::infinity, negative);
    if (b.what == kind::infinity)
        return special(kind::zero, negative);
    if (b.what == kind::zero)
        return a.what == kind::zero ? invalid() : special(kind::infinity, negative);
    if (a.what == kind::zero)
        return special(kind::zero, negative);
    // Long division in two steps of 64 bits: the first quotient has 64 or 65
    // bits, the second adds 64 more, and any remainder is the sticky bit.
    u128 first = (u128(a.significand) << 64) / b.significand;
    u128 rest = (u128(a.significand) << 64) % b.significand;
    u128 second = (rest << 64) / b.significand;
    bool sticky = (second & 3) != 0 || (rest << 64) % b.significand != 0;
    u128 quotient = (first << 62) | (second >> 2);
    return round_to_extended(negative, quotient, a.exponent - b.exponent - 126, sticky);
}
