#include "addacc/dateaids.h"

#include "records/calendar.h"

namespace {

TDateTime dateofymd(const std::string& ymd)
{
    const int year = std::stoi(ymd.substr(0, 4));
    const int month = std::stoi(ymd.substr(4, 2));
    const int day = std::stoi(ymd.substr(6, 2));
    return encodedate(year, month, day);
}

} // namespace

DateText readdate(std::string_view text, const FormatSettings& fs)
{
    DateText result;
    result.ok = parsedate(text, fs, result.date);
    if (!result.ok) {
        result.date = nodate;
        result.error = "'" + std::string(text) + "' is not a valid date";
    }
    return result;
}

int daynumber(TDateTime date)
{
    return ymdtojulian(ymdoftdate(date));
}

TDateTime daysafter(TDateTime date, int days)
{
    return dateofymd(juliantoymd(daynumber(date) + days));
}

TDateTime bottlingproposal(TDateTime down, TDateTime today)
{
    const int d = daynumber(down);
    const int t = daynumber(today);
    if (t >= d + 3 && t <= d + 6)
        return daysafter(today, 0);
    return daysafter(down, 7);
}
