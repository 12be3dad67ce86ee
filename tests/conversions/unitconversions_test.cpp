#include <gtest/gtest.h>

#include "conversions/unitconversions.h"

namespace {

struct Case {
    UnitPair pair;
    const char* text;
    const char* left;
    const char* right;
};

void PrintTo(const Case& c, std::ostream* os) { *os << int(c.pair) << " \"" << c.text << '"'; }

class PointDecimal : public ::testing::TestWithParam<Case> {};

TEST_P(PointDecimal, ShowsBothResults)
{
    const Case& c = GetParam();
    const PairResults results = convertunits(c.pair, c.text, FormatSettings{});
    EXPECT_EQ(results.left, c.left);
    EXPECT_EQ(results.right, c.right);
}

INSTANTIATE_TEST_SUITE_P(Conversions, PointDecimal, ::testing::Values(
    Case{UnitPair::temperature, "0", "-17.8 °C", "32.0 °F"},
    Case{UnitPair::temperature, "100", "37.8 °C", "212.0 °F"},
    Case{UnitPair::temperature, "-40", "-40.0 °C", "-40.0 °F"},
    Case{UnitPair::temperature, "-5", "-20.6 °C", "23.0 °F"},
    Case{UnitPair::temperature, " 20 ", "-6.7 °C", "68.0 °F"},
    Case{UnitPair::gallons, "1", "0.220 gal", "4.546 lit"},
    Case{UnitPair::pounds, "1", "0.002 lbs", "453.59 g"},
    Case{UnitPair::ounces, "1", "0.035 oz", "28.35 g"},
    Case{UnitPair::pints, "1", "0.002 pts", "568.20 ml"},
    Case{UnitPair::gallons, "23", "5.060 gal", "104.549 lit"},
    Case{UnitPair::pounds, "2.5", "0.006 lbs", "1133.98 g"}));

// Nothing that fails to read as a number gives a result, and no message.
INSTANTIATE_TEST_SUITE_P(Unreadable, PointDecimal, ::testing::Values(
    Case{UnitPair::temperature, "", "", ""},
    Case{UnitPair::temperature, "-", "", ""},
    Case{UnitPair::temperature, " - ", "", ""},
    Case{UnitPair::gallons, "-", "", ""},
    Case{UnitPair::gallons, ".", "", ""},
    Case{UnitPair::gallons, "   ", "", ""},
    Case{UnitPair::ounces, "abc", "", ""},
    Case{UnitPair::pints, "1.2.3", "", ""},
    Case{UnitPair::pounds, "2,5", "", ""},
    Case{UnitPair::temperature, "-999999", "", ""},
    Case{UnitPair::gallons, "-999999", "", ""},
    Case{UnitPair::gallons, "-999999.4", "", ""},
    Case{UnitPair::pints, "1e308", "", ""}));

TEST(Conversions, ReadsTheLocaleDecimalSeparator)
{
    const FormatSettings comma = commadecimalsettings();
    PairResults results = convertunits(UnitPair::gallons, "2,5", comma);
    EXPECT_EQ(results.left, "0,550 gal");
    EXPECT_EQ(results.right, "11,364 lit");
    results = convertunits(UnitPair::temperature, "-5,5", comma);
    EXPECT_EQ(results.left, "-20,8 °C");
    EXPECT_EQ(results.right, "22,1 °F");
}

TEST(Conversions, NearMinusNineHundredNinetyNineThousandStillConverts)
{
    // Only numbers that round to -999999 stand for "unreadable".
    EXPECT_FALSE(convertunits(UnitPair::temperature, "-999998", FormatSettings{}).left.empty());
    EXPECT_FALSE(convertunits(UnitPair::temperature, "-999999.6", FormatSettings{}).left.empty());
}

TEST(Conversions, HugeResultsTurnToExponentForm)
{
    const PairResults results = convertunits(UnitPair::pints, "100000", FormatSettings{});
    EXPECT_EQ(results.left, "176.000 pts");
    EXPECT_NE(results.right.find_first_of("Ee"), std::string::npos) << results.right;
    EXPECT_TRUE(results.right.ends_with(" ml"));
}

}  // namespace
