#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "records/calendar.h"

namespace {

namespace chr = std::chrono;

// 2000-01-01 is day 36526 and Julian day 2451545.
constexpr int juliandaycountoffset = 2451545 - 36526;

std::string chronoymd(const chr::year_month_day& ymd)
{
    return ymdstring(int(unsigned(ymd.month())), int(unsigned(ymd.day())), int(ymd.year()));
}

// Every day of a span against std::chrono: the day count, the civil date
// back, the YYYYMMDD text and the Julian day number both ways.
void checkspan(chr::year_month_day from, chr::year_month_day to)
{
    int expectedday = int((chr::sys_days { from } - chr::sys_days { chr::year { 1899 } / 12 / 30 }).count());
    for (chr::sys_days d = from; d <= chr::sys_days { to }; d += chr::days { 1 }, ++expectedday) {
        const chr::year_month_day ymd { d };
        const int y = int(ymd.year()), m = int(unsigned(ymd.month())), dd = int(unsigned(ymd.day()));
        const TDateTime day = encodedate(y, m, dd);
        ASSERT_EQ(day, expectedday) << y << "-" << m << "-" << dd;
        // 18:00 of the day; before 1899-12-30 the time counts away from zero.
        const CivilDate back = decodedate(day < 0 ? day - 0.75 : day + 0.75);
        ASSERT_TRUE(back.year == y && back.month == m && back.day == dd) << expectedday;
        const std::string text = chronoymd(ymd);
        ASSERT_EQ(ymdoftdate(day), text);
        ASSERT_EQ(ymdtojulian(text), expectedday + juliandaycountoffset) << text;
        ASSERT_EQ(juliantoymd(expectedday + juliandaycountoffset), text);
    }
}

} // namespace

TEST(Calendar, EveryDayAgreesWithChrono)
{
    checkspan(chr::year { 1 } / 1 / 1, chr::year { 3 } / 12 / 31);
    checkspan(chr::year { 1580 } / 1 / 1, chr::year { 2600 } / 12 / 31);
    checkspan(chr::year { 9997 } / 1 / 1, chr::year { 9999 } / 12 / 31);
    EXPECT_EQ(encodedate(1, 1, 1), -693593.0);
    EXPECT_EQ(encodedate(9999, 12, 31), 2958465.0);
}

TEST(Calendar, JulianDayEdgeCases)
{
    struct Case {
        const char* ymd;
        int jdn;
    };
    for (const Case& c :
        { Case { "20000101", 2451545 }, Case { "20000229", 2451604 }, Case { "19000301", 2415080 } }) {
        EXPECT_EQ(ymdtojulian(c.ymd), c.jdn) << c.ymd;
        EXPECT_EQ(juliantoymd(c.jdn), c.ymd);
    }
    EXPECT_EQ(juliantoymd(ymdtojulian("20231231") + 1), "20240101");
    EXPECT_EQ(juliantoymd(ymdtojulian("20240228") + 1), "20240229");
    // Characters after the eighth are not read.
    EXPECT_EQ(ymdtojulian("20000101xyz"), 2451545);
}

TEST(Calendar, YmdToJulianRejectsTextThatIsNotNumbers)
{
    for (const char* bad : { "", "2000", "200001", "2000ab01", "abcdefgh", "2000 101" })
        EXPECT_THROW(ymdtojulian(bad), std::invalid_argument) << '"' << bad << '"';
}

TEST(Calendar, YmdStringCutsEachPartToItsWidth)
{
    EXPECT_EQ(ymdstring(7, 5, 987), "09870705");
    EXPECT_EQ(ymdstring(12, 31, 2024), "20241231");
    EXPECT_EQ(ymdstring(1, 1, 12345), "23450101");
    EXPECT_EQ(ymdstring(123, 456, 7), "00072356");
}

TEST(Calendar, IsOutDateIsTheYear1900)
{
    const TDateTime first = encodedate(1900, 1, 1);
    EXPECT_TRUE(isoutdate(nodate));
    EXPECT_TRUE(isoutdate(first + 0.999));
    EXPECT_TRUE(isoutdate(encodedate(1900, 6, 15)));
    EXPECT_TRUE(isoutdate(encodedate(1900, 12, 31) + 0.5));
    EXPECT_FALSE(isoutdate(encodedate(1899, 12, 31)));
    EXPECT_FALSE(isoutdate(encodedate(1901, 1, 1)));
    EXPECT_FALSE(isoutdate(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(isoutdate(1e300));
}

TEST(Calendar, EncodeDateRefusesDatesThatDoNotExist)
{
    EXPECT_EQ(encodedate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodedate(2000, 1, 1), 36526.0);
    struct Case {
        int y, m, d;
    };
    for (const Case& c :
        { Case { 2023, 2, 29 }, Case { 1900, 2, 29 }, Case { 2024, 4, 31 }, Case { 2024, 13, 1 },
            Case { 2024, 0, 1 }, Case { 2024, 1, 0 }, Case { 0, 1, 1 }, Case { 10000, 1, 1 } }) {
        EXPECT_FALSE(isvaliddate(c.y, c.m, c.d)) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_THROW(encodedate(c.y, c.m, c.d), std::invalid_argument);
    }
    EXPECT_TRUE(isvaliddate(2024, 2, 29));
    EXPECT_TRUE(isvaliddate(2000, 2, 29));
}

TEST(Calendar, TimesBelongToTheirDay)
{
    int h, n, s;
    // Before 1899-12-30 the fraction is still the time of day, counted forwards.
    const CivilDate before = decodedate(-1.25);
    EXPECT_TRUE(before.year == 1899 && before.month == 12 && before.day == 29);
    decodetime(-1.25, h, n, s);
    EXPECT_TRUE(h == 6 && n == 0 && s == 0) << h << ":" << n << ":" << s;

    const TDateTime day = encodedate(2024, 3, 5);
    decodetime(day + (14 * 3600 + 7 * 60 + 9) / 86400.0, h, n, s);
    EXPECT_TRUE(h == 14 && n == 7 && s == 9) << h << ":" << n << ":" << s;

    // A hair before midnight is midnight of the next day, for the date and the time alike.
    const TDateTime almost = day + 1 - 1e-9;
    EXPECT_EQ(decodedate(almost).day, 6);
    decodetime(almost, h, n, s);
    EXPECT_TRUE(h == 0 && n == 0 && s == 0);
}

TEST(Calendar, DayCountsOutOfRangeDoNotBreakDecoding)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : { nan, inf, -inf, 1e300, -1e300, 2958466.5, -693595.0 }) {
        EXPECT_FALSE(isdatetimeinrange(v)) << v;
        const CivilDate c = decodedate(v);
        EXPECT_TRUE(c.year == 1 || c.year == 9999) << v;
        EXPECT_EQ(ymdoftdate(v).size(), 8u);
        int h, n, s;
        decodetime(v, h, n, s);
        EXPECT_EQ(h + n + s, 0);
    }
    EXPECT_TRUE(isdatetimeinrange(2958465.99));
    EXPECT_TRUE(isdatetimeinrange(-693593.5));
}
