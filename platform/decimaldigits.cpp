#include "platform/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

void striptrailingzeros(Decimal& d)
{
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

// Most values were typed with a few decimals, and their digits need no
// general search. When n = magnitude x 10^k is a whole number and n / 10^k
// reads back as the magnitude, n's digits are the shortest ones: below 2^50
// the doubles around the magnitude lie closer together than 10^-k, so no
// other number of k decimals or fewer reads back as the same double, and
// the first k that works gives the fewest digits.
bool fewdecimals(double magnitude, Decimal& d)
{
    static constexpr double powers[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12,
        1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
    for (int k = 0; k < int(std::size(powers)); ++k) {
        const double scaled = magnitude * powers[k];
        if (scaled >= 0x1p50)
            return false;
        // A number of k decimals that reads back as the magnitude lies within
        // a quarter of `scaled` (an eighth for the spacing of the doubles, an
        // eighth for the product's rounding), and only then is the division
        // worth doing. So near, adding a half finds it.
        const auto whole = static_cast<std::uint64_t>(scaled + 0.5);
        if (std::fabs(scaled - static_cast<double>(whole)) > 0.25)
            continue;
        if (whole != 0 && static_cast<double>(whole) / powers[k] == magnitude) {
            const auto end = std::to_chars(d.digits, d.digits + Decimal::maxdigits, whole).ptr;
            d.count = int(end - d.digits);
            d.exponent = d.count - k;
            striptrailingzeros(d);
            return true;
        }
    }
    return false;
}

// Any finite magnitude, through the standard library's shortest form.
void anydecimal(double magnitude, Decimal& d)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific).ptr;
    const char* p = buf;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    int exp = 0;
    if (p != end)
        std::from_chars(p + 1 + (p[1] == '+'), end, exp);
    d.exponent = exp + 1;
    striptrailingzeros(d);
}

} // namespace

Decimal todecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    const double magnitude = std::fabs(value);
    if (!fewdecimals(magnitude, d))
        anydecimal(magnitude, d);
    return d;
}

void roundto(Decimal& d, int keep)
{
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            // All nines: 0.99 becomes 1.0, one place up.
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        }
    }
    striptrailingzeros(d);
}
