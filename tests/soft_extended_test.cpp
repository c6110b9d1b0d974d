// The software extended format against the x87 hardware, bit for bit.
//
// Operand set, with a fixed seed: random bit patterns of floats (every
// class: zeros, subnormals, normals, infinities, NaN); random extended
// values with exponents within +-4000 and significands whose low bits are
// often cleared, so that exact ties and exact cancellations are common;
// pairs whose exponents are close, so that sums cancel and divisions carry;
// and the special values alone and mixed with the rest. Conversions to
// float and double also take values around both formats' subnormal and
// overflow limits. No result leaves the hardware's normal range, so equal
// values mean equal bits; of a NaN only its being a NaN is compared, since
// the report prints every NaN alike.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "floating_point_state.h"
#include "soft_extended.h"

#if LDBL_MANT_DIG == 64

namespace {

soft_extended from_hardware(long double x)
{
    soft_extended r;
    r.negative = std::signbit(x);
    if (std::isnan(x)) {
        r.what = soft_extended::kind::nan;
    } else if (std::isinf(x)) {
        r.what = soft_extended::kind::infinity;
    } else if (x == 0) {
        r.what = soft_extended::kind::zero;
    } else {
        int e = 0;
        long double fraction = std::frexp(std::fabs(x), &e);  // in [0.5, 1)
        r.what = soft_extended::kind::finite;
        r.significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        r.exponent = e - 1;
    }
    return r;
}

long double to_hardware(const soft_extended& x)
{
    long double magnitude = 0;
    switch (x.what) {
    case soft_extended::kind::zero:
        magnitude = 0;
        break;
    case soft_extended::kind::infinity:
        magnitude = INFINITY;
        break;
    case soft_extended::kind::nan:
        magnitude = NAN;
        break;
    case soft_extended::kind::finite:
        magnitude = std::ldexp(static_cast<long double>(x.significand), x.exponent - 63);
        break;
    }
    return x.negative ? -magnitude : magnitude;
}

bool same(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

template <typename Binary>
bool same_bits(Binary a, Binary b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string hex(long double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%La", x);
    return text;
}

class operands {
public:
    explicit operands(std::uint32_t seed) : random_(seed) {}

    long double any_float()
    {
        std::uint32_t bits = static_cast<std::uint32_t>(random_());
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    // exponent in [low, high]. The significand is random with its low bits
    // often cleared (exact ties, exact cancellation), or sometimes only its
    // top bit and a few low bits (what lies far below a tie decides it).
    long double extended(int low, int high)
    {
        std::uint64_t significand = random_() | (std::uint64_t(1) << 63);
        int cleared = std::uniform_int_distribution<int>(0, 80)(random_);
        if (cleared < 64)
            significand &= ~std::uint64_t(0) << cleared;
        else if (cleared < 72)
            significand = (std::uint64_t(1) << 63) | (random_() >> (cleared - 16));
        else
            significand = std::uint64_t(1) << 63;
        int exponent = std::uniform_int_distribution<int>(low, high)(random_);
        long double x = std::ldexp(static_cast<long double>(significand), exponent - 63);
        return (random_() & 1) ? -x : x;
    }

    long double special()
    {
        const long double values[] = {0.0L, -0.0L, INFINITY, -INFINITY, NAN, -NAN, 1.0L, -1.0L};
        return values[random_() % std::size(values)];
    }

    // A mix of all kinds; b sometimes close to a in exponent.
    std::pair<long double, long double> pair()
    {
        switch (random_() % 7) {
        case 0:
            return {any_float(), any_float()};
        case 1:
            return {extended(-4000, 4000), extended(-4000, 4000)};
        case 2: {
            long double a = extended(-300, 300);
            int e = std::ilogb(a);
            return {a, extended(e - 70, e + 70)};
        }
        case 3: {
            // b just below a's last bit: only b's lowest bits break a tie.
            long double a = extended(-300, 300);
            int e = std::ilogb(a);
            return {a, extended(e - 66, e - 63)};
        }
        case 6:
            return {special(), random_() & 1 ? any_float() : special()};
        case 4:
            return {any_float(), special()};
        default:
            return {extended(-200, 200), any_float()};
        }
    }

private:
    std::mt19937_64 random_;
};

const int count = 1000000;

TEST(SoftExtended, ArithmeticMatchesHardwareBitForBit)
{
    set_floating_point_state();
    operands make(20261211);
    struct operation {
        const char* name;
        long double (*hardware)(long double, long double);
        soft_extended (*software)(soft_extended, soft_extended);
    };
    const operation operations[] = {
        {"+", [](long double a, long double b) { return a + b; },
         [](soft_extended a, soft_extended b) { return a + b; }},
        {"-", [](long double a, long double b) { return a - b; },
         [](soft_extended a, soft_extended b) { return a - b; }},
        {"*", [](long double a, long double b) { return a * b; },
         [](soft_extended a, soft_extended b) { return a * b; }},
        {"/", [](long double a, long double b) { return a / b; },
         [](soft_extended a, soft_extended b) { return a / b; }},
    };
    for (const operation& op : operations) {
        int failures = 0;
        for (int i = 0; i < count && failures < 10; ++i) {
            auto [a, b] = make.pair();
            long double expected = op.hardware(a, b);
            long double actual = to_hardware(op.software(from_hardware(a), from_hardware(b)));
            if (!same(expected, actual)) {
                ++failures;
                ADD_FAILURE() << hex(a) << " " << op.name << " " << hex(b) << ": hardware "
                              << hex(expected) << ", software " << hex(actual);
            }
        }
    }
}

TEST(SoftExtended, ConversionsMatchHardwareBitForBit)
{
    set_floating_point_state();
    operands make(4242);
    int failures = 0;
    for (int i = 0; i < count && failures < 10; ++i) {
        long double x;
        switch (i % 7) {
        case 0: x = make.any_float(); break;
        case 5: x = make.extended(-20, 20); break;
        case 1: x = make.extended(-160, -120); break;   // float subnormals, underflow
        case 2: x = make.extended(120, 130); break;     // float overflow
        case 3: x = make.extended(-1090, -1015); break; // double subnormals, underflow
        case 4: x = make.extended(1015, 1025); break;   // double overflow
        default: x = make.special(); break;
        }
        soft_extended soft = from_hardware(x);
        if (!same_bits(static_cast<float>(x), static_cast<float>(soft)) ||
            !same_bits(static_cast<double>(x), static_cast<double>(soft))) {
            ++failures;
            ADD_FAILURE() << hex(x) << ": float " << static_cast<float>(x) << " vs "
                          << static_cast<float>(soft) << ", double " << hex(static_cast<double>(x))
                          << " vs " << hex(static_cast<double>(soft));
        }
        // From float the conversion is exact.
        float f = static_cast<float>(x);
        if (!same(f, to_hardware(soft_extended(f)))) {
            ++failures;
            ADD_FAILURE() << "from float " << hex(f) << " gives " << hex(to_hardware(soft_extended(f)));
        }
    }
}

}  // namespace

#else

TEST(SoftExtended, NeedsX87LongDoubleToCompare)
{
    GTEST_SKIP() << "long double is not the x87 format here; nothing to compare against";
}

#endif
