// Numbers: the fixed-point and general forms, grouped integers and parsing.
#include "platform/formatsettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// A finite number as decimal digits: value = 0.d1d2d3... x 10^exponent.
// No trailing zeros; zero has no digits.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

// The shortest digits that read back as the same double, so that a value
// typed as 2.675 is rounded as 2.675 and not as its binary neighbour.
Decimal todecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buf[64];
    const auto end
        = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific).ptr;
    const char* p = buf;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    int exp = 0;
    if (p != end)
        std::from_chars(p + 1 + (p[1] == '+'), end, exp);
    d.exponent = exp + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps `keep` significant digits, rounding halves away from zero.
void roundto(Decimal& d, int keep)
{
    if (keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// The digit at position i (0 is the first significant one), 0 past the end.
char digitat(const Decimal& d, int i)
{
    return i >= 0 && i < int(d.digits.size()) ? d.digits[i] : '0';
}

// 1.234568E10, 1E-5: the mantissa without trailing zeros, then the exponent.
std::string exponentform(const Decimal& d, const FormatSettings& fs)
{
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1)
        out += fs.decimalSeparator + d.digits.substr(1);
    return out + "E" + std::to_string(d.exponent - 1);
}

// The digits before the decimal separator.
std::string integerpart(const Decimal& d)
{
    if (d.exponent <= 0)
        return "0";
    std::string out;
    for (int i = 0; i < d.exponent; ++i)
        out += digitat(d, i);
    return out;
}

std::string nonfinite(double value)
{
    return std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
}

} // namespace

FormatSettings commadecimalsettings()
{
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.dateSeparator = ".";
    fs.shortDateFormat = "dd.mm.yyyy";
    return fs;
}

std::string formatfixed(double value, int decimals, const FormatSettings& fs)
{
    constexpr int precision = 7;
    if (!std::isfinite(value))
        return nonfinite(value);
    decimals = std::clamp(decimals, 0, 18);
    Decimal d = todecimal(value);
    roundto(d, std::min(precision, d.exponent + decimals));
    if (d.digits.empty())
        d.negative = false; // -0.001 shows as 0.00, not -0.00
    else if (d.exponent > precision)
        return exponentform(d, fs);
    std::string out = d.negative ? "-" : "";
    out += d.digits.empty() ? "0" : integerpart(d);
    if (decimals > 0) {
        out += fs.decimalSeparator;
        for (int i = 0; i < decimals; ++i)
            out += digitat(d, d.exponent + i);
    }
    return out;
}

std::string formatgeneral(double value, const FormatSettings& fs)
{
    constexpr int precision = 15;
    if (!std::isfinite(value))
        return nonfinite(value);
    Decimal d = todecimal(value);
    roundto(d, precision);
    if (d.digits.empty())
        return "0";
    if (d.exponent > precision || d.exponent < -3)
        return exponentform(d, fs);
    std::string out = d.negative ? "-" : "";
    out += integerpart(d);
    if (int(d.digits.size()) > d.exponent) {
        out += fs.decimalSeparator;
        for (int i = d.exponent; i < int(d.digits.size()); ++i)
            out += digitat(d, i);
    }
    return out;
}

std::string formatgrouped(std::int64_t value, const FormatSettings& fs)
{
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    const std::string digits = std::to_string(magnitude);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += fs.thousandSeparator;
        out += digits[i];
    }
    return out;
}

bool parseint(std::string_view text, std::int32_t& value)
{
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t result;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, result);
    if (text.empty() || ec != std::errc {} || ptr != end)
        return false;
    value = result;
    return true;
}

bool parsereal(std::string_view text, const FormatSettings& fs, double& value)
{
    const std::string_view separator
        = fs.decimalSeparator.empty() ? std::string_view(".") : fs.decimalSeparator;
    // Only digits, signs, an exponent mark and the separator: no "inf" or
    // "nan", no hexadecimal, no thousands separators.
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(separator)) {
            plain += '.';
            i += separator.size();
            continue;
        }
        const char c = text[i++];
        const bool allowed = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E';
        if (!allowed)
            return false;
        plain += c;
    }
    std::string_view number = plain;
    if (number.size() > 1 && number[0] == '+' && number[1] != '-')
        number.remove_prefix(1);
    double result;
    const char* end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, result);
    if (number.empty() || ec != std::errc {} || ptr != end || !std::isfinite(result))
        return false;
    value = result;
    return true;
}
