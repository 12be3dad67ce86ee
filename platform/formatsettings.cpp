// Numbers: the fixed-point and general forms, grouped integers and parsing.
#include "platform/formatsettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/decimaldigits.h"
#include "platform/tailwriter.h"

namespace {

// Room for any number's text besides its decimal separator: a sign, up to 18
// digits before the separator, up to 18 after it, or an exponent form.
constexpr std::size_t numberroom = 40;

// Digits [from, to) of d, '0' where d has none.
void putdigits(TailWriter& out, const Decimal& d, int from, int to)
{
    for (int i = from; i < to; ++i)
        out.put(d.at(i));
}

// 1.234568E10, 1E-5: the mantissa without trailing zeros, then the exponent.
void putexponentform(TailWriter& out, const Decimal& d, const FormatSettings& fs)
{
    if (d.negative)
        out.put('-');
    out.put(d.digits[0]);
    if (d.count > 1) {
        out.put(fs.decimalSeparator);
        putdigits(out, d, 1, d.count);
    }
    out.put('E');
    out.putnumber(d.exponent - 1, 1);
}

// The sign and the digits before the decimal separator.
void putintegerpart(TailWriter& out, const Decimal& d)
{
    if (d.negative)
        out.put('-');
    if (d.count == 0 || d.exponent <= 0)
        out.put('0');
    else
        putdigits(out, d, 0, d.exponent);
}

void appendnonfinite(std::string& out, double value)
{
    out += std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
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

void appendfixed(std::string& out, double value, int decimals, const FormatSettings& fs)
{
    constexpr int precision = 7;
    if (!std::isfinite(value))
        return appendnonfinite(out, value);
    decimals = std::clamp(decimals, 0, 18);
    Decimal d = todecimal(value);
    roundto(d, std::min(precision, d.exponent + decimals));
    TailWriter writer(out, numberroom + fs.decimalSeparator.size());
    if (d.count == 0)
        d.negative = false; // -0.001 shows as 0.00, not -0.00
    else if (d.exponent > precision)
        return putexponentform(writer, d, fs);
    putintegerpart(writer, d);
    if (decimals > 0) {
        writer.put(fs.decimalSeparator);
        putdigits(writer, d, d.exponent, d.exponent + decimals);
    }
}

void appendgeneral(std::string& out, double value, const FormatSettings& fs)
{
    constexpr int precision = 15;
    if (!std::isfinite(value))
        return appendnonfinite(out, value);
    Decimal d = todecimal(value);
    roundto(d, precision);
    TailWriter writer(out, numberroom + fs.decimalSeparator.size());
    if (d.count == 0)
        return writer.put('0');
    if (d.exponent > precision || d.exponent < -3)
        return putexponentform(writer, d, fs);
    putintegerpart(writer, d);
    if (d.count > d.exponent) {
        writer.put(fs.decimalSeparator);
        putdigits(writer, d, d.exponent, d.count);
    }
}

std::string formatfixed(double value, int decimals, const FormatSettings& fs)
{
    std::string out;
    appendfixed(out, value, decimals, fs);
    return out;
}

std::string formatgeneral(double value, const FormatSettings& fs)
{
    std::string out;
    appendgeneral(out, value, fs);
    return out;
}

std::string formatgrouped(std::int64_t value, const FormatSettings& fs)
{
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const std::size_t count = std::size_t(end - digits);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
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
