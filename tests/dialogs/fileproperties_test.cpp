#include <gtest/gtest.h>

#include "dialogs/fileproperties.h"

namespace {

TEST(GroupedNumber, ThousandsInTheLocaleSeparator)
{
    const FormatSettings point;
    EXPECT_EQ(groupednumber(0, point), "0");
    EXPECT_EQ(groupednumber(3, point), "3");
    EXPECT_EQ(groupednumber(999, point), "999");
    EXPECT_EQ(groupednumber(28819, point), "28,819");
    EXPECT_EQ(groupednumber(1234567, point), "1,234,567");
    EXPECT_EQ(groupednumber(1234567.5, point), "1,234,568");
    EXPECT_EQ(groupednumber(2.5, point), "2");
    EXPECT_EQ(groupednumber(413280000000.0, point), "413,280,000,000");
    FormatSettings dots = commadecimalsettings();
    dots.thousandSeparator = ".";
    EXPECT_EQ(groupednumber(28819, dots), "28.819");
}

struct StampCase {
    LocalStamp stamp;
    const char* dateformat;
    const char* am;
    const char* pm;
    const char* expected;
};

void PrintTo(const StampCase& c, std::ostream* os) { *os << c.expected; }

class DateTimeString : public ::testing::TestWithParam<StampCase> {};

TEST_P(DateTimeString, Text)
{
    const StampCase& c = GetParam();
    FormatSettings fs;
    fs.shortDateFormat = c.dateformat;
    fs.timeAMString = c.am;
    fs.timePMString = c.pm;
    EXPECT_EQ(getdatetimestring(c.stamp, fs), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Stamps, DateTimeString, ::testing::Values(
    StampCase{{2024, 3, 7, 15, 5}, "dd/mm/yyyy", "AM", "PM", "7/3/2024  3:05PM"},
    StampCase{{2024, 3, 7, 15, 5}, "mm/dd/yyyy", "AM", "PM", "3/7/2024  3:05PM"},
    StampCase{{2024, 3, 7, 15, 5}, "M/d/yyyy", "AM", "PM", "3/7/2024  3:05PM"},
    StampCase{{2024, 12, 25, 9, 59}, "yyyy-mm-dd", "AM", "PM", "25/12/2024  9:59AM"},
    // Noon and midnight on the 12-hour clock.
    StampCase{{2024, 3, 7, 12, 30}, "dd/mm/yyyy", "AM", "PM", "7/3/2024  12:30PM"},
    StampCase{{2024, 3, 7, 0, 5}, "dd/mm/yyyy", "AM", "PM", "7/3/2024  12:05AM"},
    StampCase{{2024, 3, 7, 23, 0}, "dd/mm/yyyy", "AM", "PM", "7/3/2024  11:00PM"},
    // Only the first two characters of the AM or PM text, counted as characters.
    StampCase{{2024, 3, 7, 8, 0}, "dd/mm/yyyy", "a.m.", "p.m.", "7/3/2024  8:00a."},
    StampCase{{2024, 3, 7, 20, 0}, "dd/mm/yyyy", "午前中", "午後中", "7/3/2024  8:00午後"},
    // A locale without AM and PM texts keeps the 24-hour clock.
    StampCase{{2024, 3, 7, 15, 5}, "dd/mm/yyyy", "", "", "7/3/2024  15:05"}));

TEST(DateTimeString, NoTimeGivesNoText)
{
    EXPECT_EQ(getdatetimestring(std::nullopt, FormatSettings{}), "");
}

TEST(DateTimeString, UsesTheLocaleSeparators)
{
    FormatSettings fs = commadecimalsettings();
    fs.dateSeparator = ".";
    fs.timeSeparator = ".";
    fs.timePMString = "PM";
    EXPECT_EQ(getdatetimestring(LocalStamp{2024, 3, 7, 15, 5}, fs), "7.3.2024  3.05PM");
}

TEST(PathParts, NameAndFolderWithItsSeparator)
{
    EXPECT_EQ(filenamepart("/home/ann/.local/share/Orvanti/Malvora/malvora.dat"), "malvora.dat");
    EXPECT_EQ(folderpart("/home/ann/.local/share/Orvanti/Malvora/malvora.dat"),
              "/home/ann/.local/share/Orvanti/Malvora/");
    EXPECT_EQ(filenamepart("malvora.dat"), "malvora.dat");
    EXPECT_EQ(folderpart("malvora.dat"), "");
    EXPECT_EQ(folderpart("/malvora.dat"), "/");
}

}  // namespace
