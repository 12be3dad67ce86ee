#include <gtest/gtest.h>

#include "records/brandtally.h"

namespace {

RecordList withkits(std::initializer_list<std::string> kits)
{
    RecordList list;
    for (const std::string& kit : kits) {
        BrewFields f;
        f.kit = kit;
        createnewrec(list, f);
    }
    return list;
}

}  // namespace

TEST(BrandTally, NamesDifferingInAsciiCaseCountAsOneAndAreTrimmedInPlace)
{
    RecordList list = withkits({"Coopers Lager", "COOPERS lager ", "coopers LAGER", "Muntons Bitter"});
    const BrandTally tally = getbrandinfo(list);
    ASSERT_EQ(tally.size(), 2u);
    EXPECT_EQ(tally[0].name, "Coopers Lager");
    EXPECT_EQ(tally[0].count, 3);
    EXPECT_EQ(tally[1].name, "Muntons Bitter");
    EXPECT_EQ(tally[1].count, 1);
    EXPECT_EQ(getshortstring(list[1]->kit), "COOPERS lager");
}

TEST(BrandTally, AccentedCaseAndEmptyNames)
{
    // "\xC9" and "\xE9" are E-acute in upper and lower case in Windows-1252.
    RecordList list = withkits({"\xC9t\xE9", "\xE9t\xE9", "", " \t ", "Kit"});
    const BrandTally tally = getbrandinfo(list);
    ASSERT_EQ(tally.size(), 3u);
    EXPECT_EQ(tally[2].name, "Kit");
    EXPECT_EQ(getshortstring(list[3]->kit), "");
    RecordList none;
    EXPECT_TRUE(getbrandinfo(none).empty());
}

TEST(BrandTally, TwiceGivesTheSameTableAndHasNoLimit)
{
    RecordList list;
    for (int i = 0; i < 250; ++i) {
        BrewFields f;
        f.kit = "Kit " + std::to_string(i % 150);
        createnewrec(list, f);
    }
    const BrandTally first = getbrandinfo(list);
    const BrandTally second = getbrandinfo(list);
    ASSERT_EQ(first.size(), 150u);
    EXPECT_EQ(first.back().name, "Kit 149");
    EXPECT_EQ(first[0].count, 2);
    ASSERT_EQ(second.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(second[i].name + std::to_string(second[i].count), first[i].name + std::to_string(first[i].count));
}
