#include <gtest/gtest.h>

#include "platform/keyfilter.h"

namespace {

struct KeyCase {
    const char* typed;
    bool allowminus;
    bool commalocale;
    KeyVerdict::Action verdict;
    const char* text;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << '"' << c.typed << '"' << (c.allowminus ? " signed" : "") << (c.commalocale ? " comma" : "");
}

class NumberBoxKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumberBoxKeys, Verdict)
{
    const KeyCase& c = GetParam();
    const FormatSettings fs = c.commalocale ? commadecimalsettings() : FormatSettings{};
    const KeyVerdict key =
        filterkey(c.allowminus ? KeyFilter::signednumberkeys : KeyFilter::numberkeys, c.typed, fs);
    EXPECT_EQ(key.action, c.verdict);
    EXPECT_EQ(key.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Keys, NumberBoxKeys, ::testing::Values(
    KeyCase{"0", false, false, KeyVerdict::accept, ""},
    KeyCase{"9", false, true, KeyVerdict::accept, ""},
    KeyCase{"\b", false, false, KeyVerdict::accept, ""},
    KeyCase{"\r", false, false, KeyVerdict::nextcontrol, ""},
    KeyCase{"-", true, false, KeyVerdict::accept, ""},
    KeyCase{"-", false, false, KeyVerdict::refuse, ""},
    KeyCase{"+", true, false, KeyVerdict::refuse, ""},
    KeyCase{"a", true, false, KeyVerdict::refuse, ""},
    KeyCase{"e", false, false, KeyVerdict::refuse, ""},
    KeyCase{" ", false, false, KeyVerdict::refuse, ""},
    KeyCase{"é", false, false, KeyVerdict::refuse, ""},
    KeyCase{".", false, false, KeyVerdict::accept, ""},
    KeyCase{",", false, false, KeyVerdict::refuse, ""},
    // Under a comma-decimal locale the full stop becomes the comma.
    KeyCase{".", false, true, KeyVerdict::replace, ","},
    KeyCase{",", false, true, KeyVerdict::accept, ""}));

}  // namespace
