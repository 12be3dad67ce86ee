// The user's number and date conventions, and every formatting and parsing of
// numbers and dates that the program does. Filled once from the system locale
// at start-up (systemlocale.h); tests build their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/tbaccrec.h"

struct FormatSettings {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    // Numeric, with a four-digit year. Tokens: d, dd, m, mm, yyyy; "/" stands
    // for dateSeparator, any other character is copied.
    std::string shortDateFormat = "dd/mm/yyyy";
    // Tokens: h, hh, n, nn, s, ss, and "ampm" for a 12-hour clock; ":" stands
    // for timeSeparator, any other character is copied.
    std::string longTimeFormat = "hh:nn:ss";
    std::string timeAMString = "AM";
    std::string timePMString = "PM";
};

// Day-first settings with a comma decimal separator, for tests and examples.
FormatSettings commadecimalsettings();

// Fixed point with `decimals` decimals and 7 significant digits; a number
// with more than 7 digits before the separator comes out in exponent form.
std::string formatfixed(double value, int decimals, const FormatSettings& fs);
// The general form: up to 15 significant digits, no trailing zeros.
std::string formatgeneral(double value, const FormatSettings& fs);
// A whole number with thousands separators: 28819 gives "28,819".
std::string formatgrouped(std::int64_t value, const FormatSettings& fs);
// A date in the short date format.
std::string formatdate(TDateTime date, const FormatSettings& fs);
// A time of day in the long time format.
std::string formattime(TDateTime date, const FormatSettings& fs);
// Short date, a space and the long time; the time is left out at midnight.
std::string formatdatetime(TDateTime date, const FormatSettings& fs);

// Optional sign and decimal digits, in the 32-bit range, nothing else.
bool parseint(std::string_view text, std::int32_t& value);
// A real written with the locale's decimal separator; an exponent is allowed,
// thousands separators are not.
bool parsereal(std::string_view text, const FormatSettings& fs, double& value);
// A date in the short date format's order and separator, optionally followed
// by a time.
bool parsedate(std::string_view text, const FormatSettings& fs, TDateTime& value);
