#include <gtest/gtest.h>

#include "mainform/brewrows.h"
#include "platform/formatsettings.h"
#include "records/calendar.h"

namespace {

BrewFields shownbrew()
{
    BrewFields f;
    f.num = 7;
    f.kit = "Kit name";
    f.batchname = "Batch";
    f.down = encodedate(2024, 3, 5);
    f.bottled = encodedate(2024, 3, 19);
    f.days1 = 6;
    f.days2 = 8;
    f.brewtemp = 20;
    f.alc = 4.96;
    f.minub = encodedate(2024, 4, 19);
    f.maxub = encodedate(2025, 3, 19);
    return f;
}

std::array<std::string, positioncolumn> texts(const BrewFields& f, const FormatSettings& fs = {})
{
    return brewrowtexts(*makerecord(f), fs);
}

TEST(BrewRows, EveryColumnOfAGivenBrew)
{
    const auto t = texts(shownbrew());
    const std::array<std::string, positioncolumn> expected = {
        "7", "Batch", "05/03/2024", "19/03/2024", "6", "8", "20.0", "5.0", "19/04/2024", "19/03/2025"};
    EXPECT_EQ(t, expected);
    const auto comma = texts(shownbrew(), commadecimalsettings());
    EXPECT_EQ(comma[2], "05.03.2024");
    EXPECT_EQ(comma[6], "20,0");
}

TEST(BrewRows, ValuesNotGivenShowEmptyCells)
{
    struct Case {
        const char* what;
        void (*change)(BrewFields&);
        int col;
        const char* shown;
    };
    const Case cases[] = {
        {"number 0", [](BrewFields& f) { f.num = 0; }, 0, ""},
        {"negative number", [](BrewFields& f) { f.num = -3; }, 0, ""},
        {"batch name of spaces shows the kit", [](BrewFields& f) { f.batchname = "   "; }, 1, "Kit name"},
        {"batch name keeps its spaces", [](BrewFields& f) { f.batchname = " Mild "; }, 1, " Mild "},
        {"down not given", [](BrewFields& f) { f.down = nodate; }, 2, ""},
        {"down in 1900 is shown", [](BrewFields& f) { f.down = encodedate(1900, 6, 15); }, 2, "15/06/1900"},
        {"bottled in 1900 is blank", [](BrewFields& f) { f.bottled = encodedate(1900, 6, 15); }, 3, ""},
        {"days1 not given", [](BrewFields& f) { f.days1 = -1; }, 4, ""},
        {"days1 zero", [](BrewFields& f) { f.days1 = 0; }, 4, "0"},
        {"days2 not given", [](BrewFields& f) { f.days2 = -1; }, 5, ""},
        {"temperature not given", [](BrewFields& f) { f.brewtemp = -10000.0; }, 6, ""},
        {"alcohol rounding to not given", [](BrewFields& f) { f.alc = -10000.4; }, 7, ""},
        {"min use by not given", [](BrewFields& f) { f.minub = nodate; }, 8, ""},
        {"max use by not given", [](BrewFields& f) { f.maxub = nodate; }, 9, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BrewFields f = shownbrew();
        c.change(f);
        EXPECT_EQ(texts(f)[c.col], c.shown);
    }
}

TEST(BrewRows, RecordTextIsConvertedFromTheCodePage)
{
    BrewFields f = shownbrew();
    f.batchname = "Caf\xe9 stout";  // é in Windows-1252
    EXPECT_EQ(texts(f)[1], "Caf\xc3\xa9 stout");
}

RecordList numbered(int count)
{
    RecordList list;
    for (int i = 1; i <= count; ++i) {
        BrewFields f;
        f.num = i;
        createnewrec(list, f);
    }
    return list;
}

std::vector<int> nums(const RecordList& list)
{
    std::vector<int> out;
    for (const auto& rec : list)
        out.push_back(rec->num);
    return out;
}

TEST(BrewRows, ReorderFollowsThePositionCells)
{
    RecordList list = numbered(5);
    ASSERT_TRUE(reorderbypositions(list, {3, 1, 5, 2, 4}));
    EXPECT_EQ(nums(list), (std::vector<int>{3, 1, 5, 2, 4}));
}

TEST(BrewRows, ReorderRefusesPositionsThatAreNoArrangement)
{
    for (const std::vector<int>& bad : {std::vector<int>{1, 1, 2}, {1, 2}, {0, 1, 2}, {1, 2, 4}}) {
        RecordList list = numbered(3);
        EXPECT_FALSE(reorderbypositions(list, bad));
        EXPECT_EQ(nums(list), (std::vector<int>{1, 2, 3}));
    }
}

}  // namespace
