#include <gtest/gtest.h>

#include "platform/localeformat.h"

TEST(LocaleFormat, DateFormatsBecomeNumericWithAFourDigitYear)
{
    struct Case {
        const char* qt;
        const char* format;
        const char* separator;
    };
    const Case cases[] = {
        { "dd/MM/yyyy", "dd/mm/yyyy", "/" },
        { "M/d/yy", "m/d/yyyy", "/" },
        { "dd.MM.yy", "dd/mm/yyyy", "." },
        { "d.M.yy", "d/m/yyyy", "." },
        { "yyyy-MM-dd", "yyyy/mm/dd", "-" },
        { "y. MM. dd.", "yyyy/mm/dd.", ". " },
        { "dd'.'MM'.'yyyy", "dd/mm/yyyy", "." },
        { "yyyy/M/d", "yyyy/m/d", "/" },
        // Names fall back to numbers in the same order.
        { "d MMM yyyy", "dd/mm/yyyy", "/" },
        { "d. MMMM yyyy", "dd/mm/yyyy", "." },
        { "MMM d, yyyy", "mm/dd/yyyy", "/" },
        { "dddd, d/M/yyyy", "dd/mm/yyyy", "/" },
        { "yyyy-MMM-dd", "yyyy/mm/dd", "-" },
        // Letters in the text, or a field missing: numbers again.
        { "d 'de' M 'de' yyyy", "dd/mm/yyyy", "/" },
        { "yyyy'年'M'月'd'日'", "yyyy/mm/dd", "/" },
        // Words around the date are left out; marks of writing direction too.
        { "d.MM.yyyy 'г.'", "d/mm/yyyy", "." },
        { "d\u200f/M\u200f/yyyy", "d/m/yyyy", "/" },
        { "MM/yyyy", "mm/yyyy/dd", "/" },
        { "", "dd/mm/yyyy", "/" },
    };
    for (const Case& c : cases) {
        const DateFormatParts parts = datefromqtformat(c.qt);
        EXPECT_EQ(parts.shortDateFormat, c.format) << c.qt;
        EXPECT_EQ(parts.dateSeparator, c.separator) << c.qt;
    }
}

TEST(LocaleFormat, TimeFormatsLoseZoneAndMilliseconds)
{
    struct Case {
        const char* qt;
        const char* format;
        const char* separator;
    };
    const Case cases[] = {
        { "HH:mm:ss", "hh:nn:ss", ":" },
        { "HH:mm:ss t", "hh:nn:ss", ":" },
        { "h:mm:ss AP t", "h:nn:ss ampm", ":" },
        { "h:mm:ss ap", "h:nn:ss ampm", ":" },
        { "AP h:mm:ss", "ampm h:nn:ss", ":" },
        { "HH.mm.ss", "hh:nn:ss", "." },
        { "H:mm:ss.zzz", "h:nn:ss", ":" },
        { "tttt HH:mm:ss", "hh:nn:ss", ":" },
        { "HH 'h' mm 'min' ss 's' tttt", "hh:nn:ss", ":" },
        { "h:mm:ss a", "h:nn:ss ampm", ":" },
        { "H:mm:ss (t)", "h:nn:ss", ":" },
        { "H\u200f:mm:ss", "h:nn:ss", ":" },
        // Words between the numbers give the plain form.
        { "H時mm分ss秒 t", "hh:nn:ss", ":" },
        { "a h시 m분 s초 zzzz", "h:nn:ss ampm", ":" },
        { "", "hh:nn:ss", ":" },
    };
    for (const Case& c : cases) {
        const TimeFormatParts parts = timefromqtformat(c.qt);
        EXPECT_EQ(parts.longTimeFormat, c.format) << c.qt;
        EXPECT_EQ(parts.timeSeparator, c.separator) << c.qt;
    }
}
