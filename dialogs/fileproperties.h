// The texts of the File properties dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/formatsettings.h"

// A file's last write time in local time, to the minute.
struct LocalStamp {
    int year;
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;    // 0 to 23
    int minute;  // 0 to 59
};

// "0" for zero; otherwise the number rounded to a whole number (half to even)
// with the locale's thousands separator: 1234567 gives "1,234,567".
std::string groupednumber(double number, const FormatSettings& fs);

// A file time as "7/3/2024  3:05PM": the date in the locale's order (month
// first when the short date format starts with the month), two spaces, the
// hour on the 12-hour clock, the time separator, two-digit minutes and the
// first two characters of the AM or PM text. A locale with neither AM nor PM
// text gets the 24-hour clock. Empty when there is no time.
std::string getdatetimestring(const std::optional<LocalStamp>& stamp, const FormatSettings& fs);

// The name part of a path, and its folder part with the trailing separator.
std::string filenamepart(std::string_view path);
std::string folderpart(std::string_view path);
