#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/formatsettings.h"
#include "records/calendar.h"

namespace {

TDateTime at(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return encodedate(y, m, d) + (h * 3600 + n * 60 + s) / 86400.0;
}

FormatSettings usstyle()
{
    FormatSettings fs;
    fs.shortDateFormat = "m/d/yyyy";
    fs.longTimeFormat = "h:nn:ss ampm";
    return fs;
}

// "yyyy. mm. dd." with ". " between the numbers and a closing full stop.
FormatSettings yearfirst()
{
    FormatSettings fs;
    fs.shortDateFormat = "yyyy/mm/dd.";
    fs.dateSeparator = ". ";
    fs.timeSeparator = ".";
    return fs;
}

} // namespace

TEST(FormatDate, ShortDateAndLongTimeFormats)
{
    const FormatSettings point;
    const FormatSettings comma = commadecimalsettings();
    const FormatSettings us = usstyle();
    const FormatSettings ymd = yearfirst();
    const TDateTime afternoon = at(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(formatdate(afternoon, point), "05/03/2024");
    EXPECT_EQ(formatdate(afternoon, comma), "05.03.2024");
    EXPECT_EQ(formatdate(afternoon, us), "3/5/2024");
    EXPECT_EQ(formatdate(afternoon, ymd), "2024. 03. 05.");
    EXPECT_EQ(formattime(afternoon, point), "14:07:09");
    EXPECT_EQ(formattime(afternoon, us), "2:07:09 PM");
    EXPECT_EQ(formattime(afternoon, ymd), "14.07.09");
    EXPECT_EQ(formatdatetime(afternoon, point), "05/03/2024 14:07:09");
    EXPECT_EQ(formatdatetime(afternoon, us), "3/5/2024 2:07:09 PM");

    EXPECT_EQ(formatdate(nodate, point), "01/01/1900");
    EXPECT_EQ(formatdate(at(987, 7, 5), point), "05/07/0987");
    FormatSettings shortyear;
    shortyear.shortDateFormat = "d-m-yy";
    EXPECT_EQ(formatdate(at(2024, 3, 5), shortyear), "5-3-24");
}

TEST(FormatDate, TwelveHourClockAroundMidnightAndNoon)
{
    const FormatSettings us = usstyle();
    EXPECT_EQ(formattime(at(2024, 1, 1, 0, 30), us), "12:30:00 AM");
    EXPECT_EQ(formattime(at(2024, 1, 1, 11, 59, 59), us), "11:59:59 AM");
    EXPECT_EQ(formattime(at(2024, 1, 1, 12, 0), us), "12:00:00 PM");
    EXPECT_EQ(formattime(at(2024, 1, 1, 23, 5), us), "11:05:00 PM");
}

TEST(FormatDate, MidnightLeavesTheTimeOut)
{
    const FormatSettings fs;
    EXPECT_EQ(formatdatetime(at(2024, 3, 5), fs), "05/03/2024");
    EXPECT_EQ(formatdatetime(at(2024, 3, 5, 0, 0, 1), fs), "05/03/2024 00:00:01");
}

TEST(FormatDate, DayCountsOutsideTheCalendarGiveEmptyText)
{
    const FormatSettings fs;
    for (double v : { std::numeric_limits<double>::quiet_NaN(), 1e300, -1e7, 2958466.0 }) {
        EXPECT_EQ(formatdate(v, fs), "") << v;
        EXPECT_EQ(formatdatetime(v, fs), "") << v;
    }
    EXPECT_EQ(formatdate(2958465.5, fs), "31/12/9999");
    EXPECT_EQ(formatdate(-693593.0, fs), "01/01/0001");
}

TEST(ParseDate, DayMonthAndYearInTheFormatsOrder)
{
    const FormatSettings point;
    const FormatSettings comma = commadecimalsettings();
    const FormatSettings us = usstyle();
    const FormatSettings ymd = yearfirst();
    struct Case {
        const FormatSettings* fs;
        const char* text;
        TDateTime expected;
    };
    constexpr TDateTime fails = -1e9;
    const Case cases[] = {
        { &point, "05/03/2024", at(2024, 3, 5) },
        { &point, "5/3/2024", at(2024, 3, 5) },
        { &point, "5/3/24", at(2024, 3, 5) },
        { &point, "5/3/49", at(2049, 3, 5) },
        { &point, "5/3/50", at(1950, 3, 5) },
        { &point, "5/3/0", at(2000, 3, 5) },
        { &point, "5/3/0024", at(24, 3, 5) },
        { &point, "29/02/2024", at(2024, 2, 29) },
        { &point, "29/02/2023", fails },
        { &point, "31/04/2024", fails },
        { &point, "00/03/2024", fails },
        { &point, "5/13/2024", fails },
        { &point, "5/3/0000", fails },
        { &point, "5/3", fails },
        { &point, "05-03-2024", fails },
        { &point, "05/03/2024x", fails },
        { &point, "05/03/20245", fails },
        { &point, "", fails },
        { &point, "/03/2024", fails },
        { &comma, "05.03.2024", at(2024, 3, 5) },
        { &comma, "5.3.24", at(2024, 3, 5) },
        { &comma, "05/03/2024", fails },
        { &us, "3/5/2024", at(2024, 3, 5) },
        { &us, "13/5/2024", fails },
        { &ymd, "2024. 03. 05.", at(2024, 3, 5) },
        { &ymd, "2024. 3. 5", at(2024, 3, 5) },
        { &ymd, "2024.03.05", fails },
    };
    for (const Case& c : cases) {
        TDateTime value = 99;
        EXPECT_EQ(parsedate(c.text, *c.fs, value), c.expected != fails) << '"' << c.text << '"';
        EXPECT_EQ(value, c.expected != fails ? c.expected : 99) << '"' << c.text << '"';
    }
}

TEST(ParseDate, OptionalTimeAfterTheDate)
{
    const FormatSettings point;
    const FormatSettings us = usstyle();
    const FormatSettings ymd = yearfirst();
    constexpr TDateTime fails = -1e9;
    struct Case {
        const FormatSettings* fs;
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        { &point, "05/03/2024 14:07", at(2024, 3, 5, 14, 7) },
        { &point, "05/03/2024  14:07:09", at(2024, 3, 5, 14, 7, 9) },
        { &point, "05/03/2024 2:07 pm", at(2024, 3, 5, 14, 7) },
        { &point, "05/03/2024 12:00 AM", at(2024, 3, 5) },
        { &point, "05/03/2024 12:00PM", at(2024, 3, 5, 12, 0) },
        { &point, "05/03/2024 PM 1:15", at(2024, 3, 5, 13, 15) },
        { &us, "3/5/2024 2:07:09 PM", at(2024, 3, 5, 14, 7, 9) },
        { &ymd, "2024. 03. 05. 14.07", at(2024, 3, 5, 14, 7) },
        { &point, "05/03/2024 24:00", fails },
        { &point, "05/03/2024 13:00 PM", fails },
        { &point, "05/03/2024 0:00 AM", fails },
        { &point, "05/03/2024 10:60", fails },
        { &point, "05/03/2024 10:00:60", fails },
        { &point, "05/03/2024 10", fails },
        { &point, "05/03/2024 10:", fails },
        { &point, "05/03/202410:00", fails },
        { &point, "05/03/2024 10:00 tea", fails },
    };
    for (const Case& c : cases) {
        TDateTime value = 99;
        EXPECT_EQ(parsedate(c.text, *c.fs, value), c.expected != fails) << '"' << c.text << '"';
        if (c.expected != fails) {
            EXPECT_NEAR(value, c.expected, 1e-9) << '"' << c.text << '"';
        }
    }
}

TEST(ParseDate, TimeBeforeTheDayCountsStartKeepsItsDay)
{
    TDateTime value = 0;
    ASSERT_TRUE(parsedate("29/12/1899 06:00", FormatSettings {}, value));
    EXPECT_DOUBLE_EQ(value, -1.25);
    EXPECT_EQ(formatdatetime(value, FormatSettings {}), "29/12/1899 06:00:00");
}

TEST(ParseDate, EveryFormattedDateReadsBack)
{
    const FormatSettings settings[] = { FormatSettings {}, commadecimalsettings(), usstyle(), yearfirst() };
    for (const FormatSettings& fs : settings)
        for (TDateTime day = at(1899, 1, 1); day < at(2101, 1, 1); day += 1) {
            const TDateTime when = day < 0 ? day - 0.4375 : day + 0.4375; // 10:30
            TDateTime back = 0;
            ASSERT_TRUE(parsedate(formatdatetime(when, fs), fs, back)) << formatdatetime(when, fs);
            ASSERT_NEAR(back, when, 1e-9) << formatdatetime(when, fs);
        }
}
