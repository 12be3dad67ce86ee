#include "dialogs/fileproperties.h"

#include <cmath>

namespace {

// The first `count` characters of UTF-8 text.
std::string firstcharacters(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t chars = 0; end < text.size() && chars < count; ++chars) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return std::string(text.substr(0, end));
}

std::string datepart(const LocalStamp& t, const FormatSettings& fs)
{
    const bool monthfirst = !fs.shortDateFormat.empty()
        && (fs.shortDateFormat.front() == 'm' || fs.shortDateFormat.front() == 'M');
    const int first = monthfirst ? t.month : t.day;
    const int second = monthfirst ? t.day : t.month;
    return std::to_string(first) + fs.dateSeparator + std::to_string(second) + fs.dateSeparator
        + std::to_string(t.year);
}

std::string timepart(const LocalStamp& t, const FormatSettings& fs)
{
    std::string minute = (t.minute < 10 ? "0" : "") + std::to_string(t.minute);
    if (fs.timeAMString.empty() && fs.timePMString.empty())
        return std::to_string(t.hour) + fs.timeSeparator + minute;
    // 12:30 is half past noon, PM; 0:30 is half past midnight, 12:30 AM.
    const bool pm = t.hour >= 12;
    const int hour = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return std::to_string(hour) + fs.timeSeparator + minute
        + firstcharacters(pm ? fs.timePMString : fs.timeAMString, 2);
}

std::size_t lastseparator(std::string_view path)
{
#ifdef _WIN32
    return path.find_last_of("\\/");
#else
    return path.rfind('/');
#endif
}

}  // namespace

std::string groupednumber(double number, const FormatSettings& fs)
{
    if (number == 0)
        return "0";
    return formatgrouped(static_cast<std::int64_t>(std::nearbyint(number)), fs);
}

std::string getdatetimestring(const std::optional<LocalStamp>& stamp, const FormatSettings& fs)
{
    if (!stamp)
        return {};
    return datepart(*stamp, fs) + "  " + timepart(*stamp, fs);
}

std::string filenamepart(std::string_view path)
{
    const std::size_t sep = lastseparator(path);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string folderpart(std::string_view path)
{
    const std::size_t sep = lastseparator(path);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}
