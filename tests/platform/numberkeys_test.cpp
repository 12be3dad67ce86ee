#include <gtest/gtest.h>

#include "platform/numberkeys.h"

namespace {

struct KeyCase {
    const char* typed;
    bool allowminus;
    bool commalocale;
    KeyVerdict verdict;
    const char* text;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << '"' << c.typed << '"' << (c.allowminus ? " signed" : "") << (c.commalocale ? " comma" : "");
}

class NumberKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumberKeys, Verdict)
{
    const KeyCase& c = GetParam();
    const FormatSettings fs = c.commalocale ? commadecimalsettings() : FormatSettings{};
    const NumberKey key = numberkey(c.typed, c.allowminus, fs);
    EXPECT_EQ(key.verdict, c.verdict);
    EXPECT_EQ(key.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Keys, NumberKeys, ::testing::Values(
    KeyCase{"0", false, false, KeyVerdict::accept, ""},
    KeyCase{"9", false, true, KeyVerdict::accept, ""},
    KeyCase{"\b", false, false, KeyVerdict::accept, ""},
    KeyCase{"\r", false, false, KeyVerdict::nextcontrol, ""},
    KeyCase{"-", true, false, KeyVerdict::accept, ""},
    KeyCase{"-", false, false, KeyVerdict::discard, ""},
    KeyCase{"+", true, false, KeyVerdict::discard, ""},
    KeyCase{"a", true, false, KeyVerdict::discard, ""},
    KeyCase{"e", false, false, KeyVerdict::discard, ""},
    KeyCase{" ", false, false, KeyVerdict::discard, ""},
    KeyCase{"é", false, false, KeyVerdict::discard, ""},
    KeyCase{".", false, false, KeyVerdict::accept, ""},
    KeyCase{",", false, false, KeyVerdict::discard, ""},
    // Under a comma-decimal locale the full stop becomes the comma.
    KeyCase{".", false, true, KeyVerdict::replace, ","},
    KeyCase{",", false, true, KeyVerdict::accept, ""}));

}  // namespace
