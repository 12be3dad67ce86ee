#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "knowledge/fragments.h"

TEST(Fragments, TableHoldsDistinctPrintableFragmentsWithoutHyphens)
{
    std::set<std::string_view> seen;
    for (std::string_view f : fragments) {
        SCOPED_TRACE(std::string(f));
        EXPECT_GE(f.size(), minfragment);
        EXPECT_LE(f.size(), maxfragment);
        EXPECT_TRUE(std::all_of(f.begin(), f.end(), [](char c) { return c >= 0x20 && c <= 0x7E; }));
        EXPECT_EQ(f.find('-'), std::string_view::npos);
        EXPECT_TRUE(seen.insert(f).second);
    }
}

TEST(Fragments, OnlyCodeBytesExpand)
{
    std::string every;
    for (int c = 0; c < 256; ++c)
        every += static_cast<char>(c);
    const std::string text = expand(every);
    std::string expected;
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        expected += iscode(b) ? std::string(fragmentof(b)) : std::string(1, static_cast<char>(b));
    }
    EXPECT_EQ(text, expected);
    EXPECT_EQ(expand(std::string(1, '\x7F')), fragments.front());
    EXPECT_EQ(expand(std::string(1, '\xFE')), fragments.back());
    EXPECT_EQ(expand("\xFF"), "\xFF");
}

TEST(Fragments, PackingRoundTripsAndNeverGrows)
{
    const std::vector<std::string> texts = {
        "",
        "a",
        "Pitch the yeast when the wort is between 18 and 22 C; then fit the airlock.",
        "----",
        "  leading and trailing spaces  ",
        "\tTAB\tseparated\t",
        "Priming sugar: 5 to 7 grams per litre, bottled at FG 1.010 (100% ready).",
        "\xFF\x01\x7E~",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const std::string packed = pack(text);
        EXPECT_EQ(expand(packed), text);
        EXPECT_LE(packed.size(), text.size());
    }
    EXPECT_EQ(pack("----"), "----");
}

TEST(Fragments, PackingUsesTheTableForEveryFragment)
{
    // Each fragment on its own packs to its single code byte.
    for (std::size_t i = 0; i < fragmentcount; ++i) {
        const std::string packed = pack(fragments[i]);
        ASSERT_EQ(packed.size(), 1u) << fragments[i];
        EXPECT_EQ(static_cast<unsigned char>(packed[0]), firstcode + i);
    }
}
