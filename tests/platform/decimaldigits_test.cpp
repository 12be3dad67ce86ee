#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/decimaldigits.h"

namespace {

// The shortest digits as the standard library gives them: "d.ddde±x".
std::string expected(double value)
{
    char buf[64];
    const auto end
        = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific).ptr;
    const char* e = std::find(static_cast<const char*>(buf), static_cast<const char*>(end), 'e');
    std::string digits;
    for (const char* p = buf; p != e; ++p)
        if (*p != '.')
            digits += *p;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits + " e" + std::to_string(std::stoi(std::string(e + 1, static_cast<const char*>(end))) + 1);
}

std::string actual(double value)
{
    const Decimal d = todecimal(value);
    return std::string(d.digits, std::size_t(d.count)) + " e" + std::to_string(d.exponent);
}

double frombits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

// Short decimals take a path of their own; it must give exactly the digits
// of the general one, also next to the edges of that path.
TEST(DecimalDigits, SameDigitsAsTheStandardLibrarysShortestForm)
{
    std::vector<double> values = { 0.1 + 0.2, 2.675, 1.005, 1.0 / 3, 1e15, 999999999999999.0, 1e22, 1e23,
        5e-324, 2.2250738585072014e-308, std::numeric_limits<double>::max(), 0x1p50, 0x1p50 - 0.125,
        0x1p50 + 0.25, 0x1p53, 0x1p53 + 2, 1125899906842623.5, 0.000012345, 123456.789, 9.999999999999999 };
    for (int k = 0; k <= 22; ++k)
        for (std::int64_t n : { 1LL, 7LL, 35LL, 999LL, 1046LL, 123456789LL, 4503599627370495LL }) {
            values.push_back(double(n) / std::pow(10.0, k));
            values.push_back(double(n) * std::pow(10.0, k));
        }
    std::mt19937_64 random(20240305);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(double(random() % 100000000) / 1000.0); // typed values
        const double any = frombits(random());
        if (std::isfinite(any))
            values.push_back(any);
    }
    for (double value : values) {
        ASSERT_EQ(actual(value), expected(value)) << value;
        EXPECT_EQ(todecimal(value).negative, std::signbit(value)) << value;
    }
}
