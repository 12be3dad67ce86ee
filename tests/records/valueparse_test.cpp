#include <gtest/gtest.h>

#include "records/calendar.h"
#include "records/valueparse.h"

TEST(ValueParse, StripRemovesSpacesOnly)
{
    EXPECT_EQ(strip("   12  "), "12");
    EXPECT_EQ(strip("\t12"), "\t12");
    EXPECT_EQ(strip("    "), "");
    EXPECT_EQ(strip(""), "");
    EXPECT_EQ(strip(" a b "), "a b");
}

TEST(ValueParse, GetIntGivesMinusOneForAnythingElse)
{
    EXPECT_EQ(getint("  42 "), 42);
    EXPECT_EQ(getint("-17"), -17);
    for (const char* bad : { "4.2", "", "   ", "abc", "12abc", "\t12", "99999999999", "1 2" })
        EXPECT_EQ(getint(bad), -1) << '"' << bad << '"';
}

TEST(ValueParse, GetRealFollowsTheLocaleDecimalSeparator)
{
    const FormatSettings point;
    const FormatSettings comma = commadecimalsettings();
    EXPECT_EQ(getreal(" 3.5 ", point), 3.5);
    EXPECT_EQ(getreal("3.5", comma), -10000.0);
    EXPECT_EQ(getreal("3,5", comma), 3.5);
    EXPECT_EQ(getreal("3,5", point), -10000.0);
    EXPECT_EQ(getreal("", point), -10000.0);
    EXPECT_EQ(getreal(".", point), -10000.0);
    EXPECT_EQ(getreal("-1e3", point), -1000.0);
}

TEST(ValueParse, GetDateGivesNoDateForAnythingElse)
{
    const FormatSettings fs;
    EXPECT_EQ(getdate("", fs), nodate);
    EXPECT_EQ(getdate("   ", fs), nodate);
    EXPECT_EQ(getdate("31/02/2024", fs), nodate);
    EXPECT_EQ(getdate("tomorrow", fs), nodate);
    EXPECT_EQ(getdate("  05/03/2024 ", fs), encodedate(2024, 3, 5));
    EXPECT_EQ(getdate("05.03.2024", commadecimalsettings()), encodedate(2024, 3, 5));
}
