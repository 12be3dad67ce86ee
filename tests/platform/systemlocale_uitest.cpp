#include <gtest/gtest.h>

#include <QLocale>

#include "platform/systemlocale.h"
#include "records/calendar.h"

namespace {

const TDateTime afternoon = encodedate(2024, 3, 5) + (14 * 3600 + 7 * 60 + 9) / 86400.0;

} // namespace

TEST(SystemLocale, NumbersAndDatesAsTheLocaleWritesThem)
{
    struct Case {
        const char* locale;
        const char* datetime;
        const char* number; // 1234.5 with 1 decimal
        const char* grouped; // 1234567
    };
    const Case cases[] = {
        { "en_US", "3/5/2024 2:07:09 PM", "1234.5", "1,234,567" },
        { "en_GB", "05/03/2024 14:07:09", "1234.5", "1,234,567" },
        { "de_DE", "05.03.2024 14:07:09", "1234,5", "1.234.567" },
        { "hu_HU", "2024. 03. 05. 14:07:09", "1234,5", "1\u00a0234\u00a0567" },
        { "sv_SE", "2024-03-05 14:07:09", "1234,5", "1\u00a0234\u00a0567" },
    };
    for (const Case& c : cases) {
        const FormatSettings fs = localeformatsettings(QLocale(c.locale));
        EXPECT_EQ(formatdatetime(afternoon, fs), c.datetime) << c.locale;
        EXPECT_EQ(formatfixed(1234.5, 1, fs), c.number) << c.locale;
        EXPECT_EQ(formatgrouped(1234567, fs), c.grouped) << c.locale;
    }
}

// Whatever a locale's quirks, what we write reads back.
TEST(SystemLocale, WrittenValuesReadBackInEveryLocale)
{
    for (const QLocale& locale :
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const FormatSettings fs = localeformatsettings(locale);
        const std::string name = locale.name().toStdString();
        TDateTime date = 0;
        ASSERT_TRUE(parsedate(formatdatetime(afternoon, fs), fs, date))
            << name << ": " << formatdatetime(afternoon, fs);
        EXPECT_NEAR(date, afternoon, 1e-9) << name;
        double number = 0;
        ASSERT_TRUE(parsereal(formatfixed(-1234.5, 1, fs), fs, number))
            << name << ": " << formatfixed(-1234.5, 1, fs);
        EXPECT_EQ(number, -1234.5) << name;
    }
}

TEST(SystemLocale, SystemSettingsComeFromTheSystemLocale)
{
    const FormatSettings fs = systemformatsettings();
    const FormatSettings expected = localeformatsettings(QLocale::system());
    EXPECT_EQ(fs.shortDateFormat, expected.shortDateFormat);
    EXPECT_EQ(fs.decimalSeparator, expected.decimalSeparator);
    EXPECT_EQ(fs.longTimeFormat, expected.longTimeFormat);
}
