// Dates and times: the short date and long time formats, and reading dates back.
#include <optional>

#include "platform/formatsettings.h"
#include "platform/formattokens.h"
#include "records/calendar.h"

namespace {

bool equalsnocase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool hasampm(std::string_view format)
{
    for (std::size_t i = 0; i + 4 <= format.size(); ++i)
        if (equalsnocase(format.substr(i, 4), "ampm"))
            return true;
    return false;
}

// The settings' short date format, read again only when it has changed.
const DatePattern& shortdatepattern(const FormatSettings& fs)
{
    if (!fs.shortDatePattern.readfrom(fs.shortDateFormat, fs.dateSeparator))
        fs.shortDatePattern = DatePattern(fs.shortDateFormat, fs.dateSeparator);
    return fs.shortDatePattern;
}

} // namespace

void appenddate(std::string& out, TDateTime date, const FormatSettings& fs)
{
    if (isdatetimeinrange(date))
        shortdatepattern(fs).append(out, decodedate(date));
}

std::string formatdate(TDateTime date, const FormatSettings& fs)
{
    std::string out;
    appenddate(out, date, fs);
    return out;
}

std::string formattime(TDateTime date, const FormatSettings& fs)
{
    int hour, minute, second;
    decodetime(date, hour, minute, second);
    const std::string_view format = fs.longTimeFormat;
    const bool twelvehour = hasampm(format);
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        if (twelvehour && equalsnocase(format.substr(i, 4), "ampm")) {
            out += hour < 12 ? fs.timeAMString : fs.timePMString;
            i += 4;
            continue;
        }
        const char token = lower(format[i]);
        if (token != 'h' && token != 'n' && token != 's') {
            if (format[i] == ':')
                out += fs.timeSeparator;
            else
                out += format[i];
            ++i;
            continue;
        }
        const std::size_t run = runlength(format, i);
        i += run;
        const int width = run >= 2 ? 2 : 1;
        if (token == 'h')
            appendnumber(out, twelvehour ? (hour % 12 == 0 ? 12 : hour % 12) : hour, width);
        else if (token == 'n')
            appendnumber(out, minute, width);
        else
            appendnumber(out, second, width);
    }
    return out;
}

std::string formatdatetime(TDateTime date, const FormatSettings& fs)
{
    std::string out = formatdate(date, fs);
    int hour, minute, second;
    decodetime(date, hour, minute, second);
    if (!out.empty() && (hour != 0 || minute != 0 || second != 0))
        out += " " + formattime(date, fs);
    return out;
}

namespace {

// Reads typed date and time text from left to right.
class Scanner {
public:
    explicit Scanner(std::string_view text)
        : text_(text)
    {
    }

    bool atend() const { return pos_ == text_.size(); }

    bool literal(std::string_view s)
    {
        if (s.empty() || !text_.substr(pos_).starts_with(s))
            return false;
        pos_ += s.size();
        return true;
    }

    bool literalnocase(std::string_view s)
    {
        if (s.empty() || !equalsnocase(text_.substr(pos_, s.size()), s))
            return false;
        pos_ += s.size();
        return true;
    }

    bool spaces()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        return pos_ > start;
    }

    // 1 to maxdigits decimal digits.
    std::optional<int> number(std::size_t maxdigits, std::size_t* count = nullptr)
    {
        std::size_t n = 0;
        int value = 0;
        while (n < maxdigits && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = value * 10 + (text_[pos_++] - '0');
            ++n;
        }
        if (count)
            *count = n;
        return n > 0 ? std::optional(value) : std::nullopt;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Where the last day, month or year token of a format ends: literal text
// after it (the closing "." of "yyyy. mm. dd.") need not be typed.
std::size_t lasttokenend(std::string_view format)
{
    std::size_t end = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = lower(format[i]);
        if (c == 'd' || c == 'm' || c == 'y')
            end = i + 1;
    }
    return end;
}

// Two-digit years are taken around 2000: 00 to 49 are 20xx, 50 to 99 19xx.
int widenyear(int year, std::size_t digits)
{
    if (digits > 2)
        return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

std::optional<CivilDate> scandate(Scanner& scan, const FormatSettings& fs)
{
    const std::string_view format = fs.shortDateFormat;
    const std::size_t tokensend = lasttokenend(format);
    int day = 0, month = 0, year = 0;
    std::size_t yeardigits = 0;
    for (std::size_t i = 0; i < format.size();) {
        const char token = lower(format[i]);
        if (token == 'd' || token == 'm' || token == 'y') {
            i += runlength(format, i);
            std::size_t digits = 0;
            const auto value = scan.number(token == 'y' ? 4 : 2, &digits);
            if (!value)
                return std::nullopt;
            (token == 'd' ? day : token == 'm' ? month : year) = *value;
            if (token == 'y')
                yeardigits = digits;
            continue;
        }
        const std::string_view expected
            = format[i] == '/' ? std::string_view(fs.dateSeparator) : format.substr(i, 1);
        const bool found = scan.literal(expected);
        if (!found && i < tokensend)
            return std::nullopt;
        ++i;
    }
    year = widenyear(year, yeardigits);
    if (!isvaliddate(year, month, day))
        return std::nullopt;
    return CivilDate { year, month, day };
}

bool scanampm(Scanner& scan, const FormatSettings& fs, bool& pm)
{
    if (scan.literalnocase(fs.timeAMString) || scan.literalnocase("AM")) {
        pm = false;
        return true;
    }
    if (scan.literalnocase(fs.timePMString) || scan.literalnocase("PM")) {
        pm = true;
        return true;
    }
    return false;
}

// hh:nn[:ss], with an AM or PM text before or after it; the time as a
// fraction of a day.
std::optional<double> scantime(Scanner& scan, const FormatSettings& fs)
{
    bool pm = false;
    bool twelvehour = scanampm(scan, fs, pm);
    if (twelvehour)
        scan.spaces();
    const auto hour = scan.number(2);
    if (!hour || !scan.literal(fs.timeSeparator))
        return std::nullopt;
    const auto minute = scan.number(2);
    if (!minute)
        return std::nullopt;
    std::optional<int> second = 0;
    if (scan.literal(fs.timeSeparator) && !(second = scan.number(2)))
        return std::nullopt;
    if (!twelvehour) {
        scan.spaces();
        twelvehour = scanampm(scan, fs, pm);
    }
    int h = *hour;
    if (twelvehour) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = h % 12 + (pm ? 12 : 0);
    }
    if (h > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return (h * 3600 + *minute * 60 + *second) / 86400.0;
}

} // namespace

bool parsedate(std::string_view text, const FormatSettings& fs, TDateTime& value)
{
    Scanner scan(text);
    const auto date = scandate(scan, fs);
    if (!date)
        return false;
    double time = 0;
    if (!scan.atend()) {
        if (!scan.spaces())
            return false;
        const auto scanned = scantime(scan, fs);
        if (!scanned || !scan.atend())
            return false;
        time = *scanned;
    }
    const TDateTime day = encodedate(date->year, date->month, date->day);
    // Before 1899-12-30 the day counts are negative and the time still adds to
    // the day's size: -1.25 is 1899-12-29 06:00.
    value = day < 0 ? day - time : day + time;
    return true;
}
