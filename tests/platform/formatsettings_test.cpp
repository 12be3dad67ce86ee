#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/formatsettings.h"

namespace {

const FormatSettings point;
const FormatSettings comma = commadecimalsettings();

// The comma form of a point-decimal text: only the decimal separator differs.
std::string withcomma(std::string text)
{
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

} // namespace

TEST(FormatFixed, SevenSignificantDigitsAndTheDecimalsAsked)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        { 123456.789, 2, "123456.80" },
        { 1234.56789, 2, "1234.57" },
        { 1234567.891, 3, "1234568.000" },
        { 12345678901.0, 2, "1.234568E10" },
        { -12345678901.0, 2, "-1.234568E10" },
        { 12000000000.0, 1, "1.2E10" },
        { 9999999.5, 0, "1E7" },
        { 9999999.4, 1, "9999999.0" },
        { 23, 1, "23.0" },
        { 1, 3, "1.000" },
        { 0.18, 3, "0.180" },
        { 4.56, 1, "4.6" },
        { 5.26, 1, "5.3" },
        { 453.592, 2, "453.59" },
        { -10000, 1, "-10000.0" },
        { 1.0 / 3, 3, "0.333" },
        { 0, 1, "0.0" },
        { 0, 0, "0" },
        { 7.5, 0, "8" },
        // Halves of the typed digits round away from zero, although 2.675 and
        // 1.005 are a little less in binary.
        { 2.675, 2, "2.68" },
        { -2.675, 2, "-2.68" },
        { 1.005, 2, "1.01" },
        { 0.125, 2, "0.13" },
        { 0.006, 2, "0.01" },
        { 0.004, 2, "0.00" },
        { -0.001, 2, "0.00" },
        { 0.000012345, 3, "0.000" },
        { 99.96, 1, "100.0" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatfixed(c.value, c.decimals, point), c.text) << c.value;
        EXPECT_EQ(formatfixed(c.value, c.decimals, comma), withcomma(c.text)) << c.value;
    }
}

TEST(FormatFixed, ValuesThatAreNotNumbersStillGiveText)
{
    EXPECT_EQ(formatfixed(std::numeric_limits<double>::quiet_NaN(), 1, point), "NAN");
    EXPECT_EQ(formatfixed(std::numeric_limits<double>::infinity(), 1, point), "INF");
    EXPECT_EQ(formatfixed(-std::numeric_limits<double>::infinity(), 1, point), "-INF");
    EXPECT_EQ(formatfixed(1e308, 2, point), "1E308");
    EXPECT_EQ(formatfixed(5e-324, 2, point), "0.00");
    EXPECT_EQ(formatfixed(1.5, -3, point), "2");
}

TEST(FormatGeneral, FifteenDigitsWithoutTrailingZeros)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        { 4.5, "4.5" },
        { 23, "23" },
        { -10000, "-10000" },
        { 0, "0" },
        { -0.0, "0" },
        { 0.1 + 0.2, "0.3" },
        { 0.0001, "0.0001" },
        { 0.00012, "0.00012" },
        { 0.00001, "1E-5" },
        { 0.000001, "1E-6" },
        { -1.5e-7, "-1.5E-7" },
        { 999999999999999.0, "999999999999999" },
        { 1e15, "1E15" },
        { 1.23e20, "1.23E20" },
        { 123456789.125, "123456789.125" },
        { 1234567890.123456789, "1234567890.12346" },
        { 2.0 / 3, "0.666666666666667" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatgeneral(c.value, point), c.text) << c.value;
        EXPECT_EQ(formatgeneral(c.value, comma), withcomma(c.text)) << c.value;
    }
}

TEST(FormatGrouped, ThousandsSeparatorBetweenGroupsOfThree)
{
    struct Case {
        std::int64_t value;
        const char* text;
    };
    const Case cases[] = {
        { 0, "0" },
        { 999, "999" },
        { 1000, "1,000" },
        { 28819, "28,819" },
        { 1234567, "1,234,567" },
        { -1234, "-1,234" },
        { -999, "-999" },
        { std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatgrouped(c.value, point), c.text);
        std::string dotted = c.text;
        for (char& ch : dotted)
            if (ch == ',')
                ch = '.';
        EXPECT_EQ(formatgrouped(c.value, comma), dotted);
    }
    FormatSettings nbsp;
    nbsp.thousandSeparator = "\u202f";
    EXPECT_EQ(formatgrouped(1234567, nbsp), "1\u202f234\u202f567");
}

TEST(ParseInt, WholeTextMustBeA32BitNumber)
{
    struct Case {
        const char* text;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {
        { "42", true, 42 },
        { "-7", true, -7 },
        { "+7", true, 7 },
        { "007", true, 7 },
        { "2147483647", true, 2147483647 },
        { "-2147483648", true, std::numeric_limits<std::int32_t>::min() },
        { "2147483648", false, 0 },
        { "4.2", false, 0 },
        { "", false, 0 },
        { "-", false, 0 },
        { "+", false, 0 },
        { "+-1", false, 0 },
        { "--1", false, 0 },
        { " 42", false, 0 },
        { "42 ", false, 0 },
        { "0x10", false, 0 },
        { "1e3", false, 0 },
    };
    for (const Case& c : cases) {
        std::int32_t value = 99;
        EXPECT_EQ(parseint(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 99) << '"' << c.text << '"';
    }
}

TEST(ParseReal, LocaleDecimalSeparatorAndExponentOnly)
{
    struct Case {
        const char* text;
        bool pointok;
        bool commaok;
        double value;
    };
    const Case cases[] = {
        { "3.5", true, false, 3.5 },
        { "3,5", false, true, 3.5 },
        { "-2.5E-2", true, false, -0.025 },
        { "-2,5e-2", false, true, -0.025 },
        { "+1.5", true, false, 1.5 },
        { "1e3", true, true, 1000 },
        { "42", true, true, 42 },
        { "5.", true, false, 5 },
        { ".5", true, false, 0.5 },
        { "1,000.5", false, false, 0 },
        { "1.000,5", false, false, 0 },
        { ".", false, false, 0 },
        { ",", false, false, 0 },
        { "", false, false, 0 },
        { "-", false, false, 0 },
        { "1e", false, false, 0 },
        { "inf", false, false, 0 },
        { "nan", false, false, 0 },
        { "1e400", false, false, 0 },
        { "0x1p3", false, false, 0 },
        { " 3", false, false, 0 },
        { "3 ", false, false, 0 },
        { "++3", false, false, 0 },
    };
    for (const Case& c : cases) {
        double value = 99;
        EXPECT_EQ(parsereal(c.text, point, value), c.pointok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.pointok ? c.value : 99) << '"' << c.text << '"';
        value = 99;
        EXPECT_EQ(parsereal(c.text, comma, value), c.commaok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.commaok ? c.value : 99) << '"' << c.text << '"';
    }
}

TEST(ParseReal, FormattedNumbersReadBack)
{
    for (const FormatSettings* fs : { &point, &comma })
        for (double v : { 0.0, 1.0, -2.675, 123456.8, 1.234568e10, 4.5e-7, -10000.0 }) {
            double back = 0;
            ASSERT_TRUE(parsereal(formatgeneral(v, *fs), *fs, back)) << formatgeneral(v, *fs);
            EXPECT_EQ(back, v);
            ASSERT_TRUE(parsereal(formatfixed(v, 3, *fs), *fs, back)) << formatfixed(v, 3, *fs);
            EXPECT_NEAR(back, v, std::fabs(v) * 1e-6 + 0.0005);
        }
}
