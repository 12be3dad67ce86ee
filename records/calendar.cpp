#include "records/calendar.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "platform/formatsettings.h"

namespace {

namespace chr = std::chrono;

constexpr long long unixepochday = 25569; // 1970-01-01
constexpr long long firstday = -693593; // 0001-01-01
constexpr long long lastday = 2958465; // 9999-12-31
constexpr long long msperday = 86'400'000;

struct DayAndTime {
    long long day; // whole days, truncated towards zero
    long long ms; // milliseconds into the day, never negative
};

// Splits a day count the way TDateTime values have always been read: the time
// rounded to the millisecond, a negative count's fraction taken as positive.
// Only for values in range.
DayAndTime split(TDateTime date)
{
    const long long total = std::llround(date * msperday);
    return { total / msperday, (total < 0 ? -total : total) % msperday };
}

} // namespace

bool isvaliddate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    return chr::year_month_day {
        chr::year { year }, chr::month { unsigned(month) }, chr::day { unsigned(day) }
    }.ok();
}

bool isdatetimeinrange(TDateTime date)
{
    // A day count just below 0001-01-01 with a time is still day 0001-01-01
    // (-693593.5 truncates to it), so the bounds are a day wide on each side.
    return std::isfinite(date) && date > double(firstday - 1) && date < double(lastday + 1);
}

TDateTime encodedate(int year, int month, int day)
{
    if (!isvaliddate(year, month, day))
        throw std::invalid_argument("Not a valid date: " + ymdstring(month, day, year));
    const chr::sys_days days { chr::year { year } / chr::month { unsigned(month) }
        / chr::day { unsigned(day) } };
    return double(days.time_since_epoch().count() + unixepochday);
}

CivilDate decodedate(TDateTime date)
{
    long long day;
    if (isdatetimeinrange(date))
        day = std::clamp(split(date).day, firstday, lastday);
    else
        day = std::isnan(date) || date < 0 ? firstday : lastday;
    const chr::year_month_day ymd { chr::sys_days { chr::days { day - unixepochday } } };
    return { int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())) };
}

void decodetime(TDateTime date, int& hour, int& minute, int& second)
{
    const long long ms = isdatetimeinrange(date) ? split(date).ms : 0;
    hour = int(ms / 3'600'000);
    minute = int(ms / 60'000 % 60);
    second = int(ms / 1000 % 60);
}

bool isoutdate(TDateTime date)
{
    return isdatetimeinrange(date) && decodedate(date).year == 1900;
}

std::string ymdoftdate(TDateTime date)
{
    const CivilDate c = decodedate(date);
    return ymdstring(c.month, c.day, c.year);
}

namespace {

// The number in characters [pos, pos + len) of YYYYMMDD text; text that is
// too short gives what is there, as a substring would.
int ymdpart(std::string_view ymd, std::size_t pos, std::size_t len)
{
    const std::string_view part = pos < ymd.size() ? ymd.substr(pos, len) : std::string_view {};
    std::int32_t value;
    if (!parseint(part, value))
        throw std::invalid_argument("\"" + std::string(ymd) + "\" is not a date of the form YYYYMMDD");
    return value;
}

} // namespace

int ymdtojulian(std::string_view ymd)
{
    int m = ymdpart(ymd, 4, 2);
    const int d = ymdpart(ymd, 6, 2);
    int y = ymdpart(ymd, 0, 4);
    if (m > 2) {
        m = m - 3;
    } else {
        m = m + 9;
        y = y - 1;
    }
    const int c = y / 100;
    const int ya = y % 100;
    return (146097 * c) / 4 + (1461 * ya) / 4 + (153 * m + 2) / 5 + d + 1721119;
}

std::string juliantoymd(int jdn)
{
    // 64-bit so that no day number can overflow; the steps are the usual ones.
    long long t = 4 * static_cast<long long>(jdn) - 6884477;
    long long y = (t / 146097) * 100;
    long long d = (t % 146097) / 4;
    t = 4 * d + 3;
    y = y + t / 1461;
    d = (t % 1461) / 4 + 1;
    t = 5 * d - 3;
    const long long m = t / 153 + 1;
    d = (t % 153) / 5 + 1;
    const long long month = m < 11 ? m + 2 : m - 10;
    y = y + m / 11;
    return ymdstring(int(month), int(d), int(y));
}

std::string ymdstring(int month, int day, int year)
{
    const auto lastchars = [](std::string text, std::size_t n) {
        return text.size() > n ? text.substr(text.size() - n) : text;
    };
    return lastchars("000" + std::to_string(year), 4) + lastchars("0" + std::to_string(month), 2)
        + lastchars("0" + std::to_string(day), 2);
}
