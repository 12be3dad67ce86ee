// Our short date and long time formats from the system's own format strings,
// which come in Qt's notation (d, dd, M, MM, MMM, yy, yyyy; h, H, m, s, AP, t;
// text in single quotes). Pure, so that every locale's quirk can be tested.
#pragma once

#include <string>
#include <string_view>

struct DateFormatParts {
    std::string shortDateFormat; // tokens as in FormatSettings, "/" for the separator
    std::string dateSeparator;
};

// A numeric date format with a four-digit year. A two-digit year becomes a
// four-digit one; a format with month or day names, or one that lacks a day,
// month or year, becomes the numeric one in the same day/month/year order.
DateFormatParts datefromqtformat(std::string_view qtformat);

struct TimeFormatParts {
    std::string longTimeFormat; // tokens as in FormatSettings, ":" for the separator
    std::string timeSeparator;
};

// The time format without time zone and milliseconds; a 12-hour clock keeps
// its AM/PM marker.
TimeFormatParts timefromqtformat(std::string_view qtformat);
