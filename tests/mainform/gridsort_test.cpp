#include "mainform/gridsort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/formatsettings.h"

namespace {

using Order = std::vector<std::size_t>;

Order sorted(const std::vector<std::u16string>& texts, TSortStyle style, TSortDirection direction,
    bool caseSensitive = false, const FormatSettings& fs = {})
{
    std::vector<std::u16string_view> cells(texts.begin(), texts.end());
    return sortorder(cells, style, direction, caseSensitive, fs);
}

struct SortCase {
    const char* name;
    std::vector<std::u16string> cells;
    TSortStyle style;
    TSortDirection direction;
    bool caseSensitive;
    Order expected;
};

class SortOrderTest : public ::testing::TestWithParam<SortCase> { };

TEST_P(SortOrderTest, GivesTheStableOrder)
{
    const SortCase& c = GetParam();
    EXPECT_EQ(sorted(c.cells, c.style, c.direction, c.caseSensitive), c.expected);
}

// Default settings: "." decimals, day-first dates "dd/mm/yyyy".
const std::vector<std::u16string> names { u"b", u"A", u"a", u"B", u"\u00e9", u"z" };
const std::vector<std::u16string> numbers { u"10", u"9", u"", u"x", u"9", u"-1.5" };
const std::vector<std::u16string> dates { u"01/02/2020", u"", u"15/01/2020", u"31/12/2019", u"15/01/2020" };

INSTANTIATE_TEST_SUITE_P(Styles, SortOrderTest,
    ::testing::Values(
        // A-Z fold to a-z; ties (A/a, b/B) keep their order; code units beyond ASCII sort by value.
        SortCase { "TextAscending", names, ssNormal, sdAscending, false, { 1, 2, 0, 3, 5, 4 } },
        SortCase { "TextDescending", names, ssNormal, sdDescending, false, { 4, 5, 0, 3, 1, 2 } },
        SortCase { "TextCaseSensitive", names, ssNormal, sdAscending, true, { 1, 3, 2, 0, 5, 4 } },
        // Unreadable and empty cells after the values ascending, before them descending.
        SortCase { "NumericAscending", numbers, ssNumeric, sdAscending, false, { 5, 1, 4, 0, 2, 3 } },
        SortCase { "NumericDescending", numbers, ssNumeric, sdDescending, false, { 2, 3, 0, 1, 4, 5 } },
        SortCase { "DateAscending", dates, ssDateTime, sdAscending, false, { 3, 2, 4, 0, 1 } },
        SortCase { "DateDescending", dates, ssDateTime, sdDescending, false, { 1, 0, 2, 4, 3 } },
        // Text order would put "10" before "9" and "01/02/2020" first.
        SortCase { "AutomaticNumbers", { u"10", u"9", u"" }, ssAutomatic, sdAscending, false, { 1, 0, 2 } },
        SortCase { "AutomaticDates", dates, ssAutomatic, sdAscending, false, { 3, 2, 4, 0, 1 } },
        SortCase { "AutomaticText", { u"10", u"9", u"x" }, ssAutomatic, sdAscending, false, { 0, 1, 2 } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SortOrder, ReadsNumbersAndDatesWithTheGivenSettings)
{
    FormatSettings comma = commadecimalsettings();
    EXPECT_EQ(sorted({ u"10", u"2,5", u"-3" }, ssNumeric, sdAscending, false, comma), (Order { 2, 1, 0 }));

    FormatSettings monthfirst;
    monthfirst.shortDateFormat = "mm/dd/yyyy";
    EXPECT_EQ(sorted({ u"02/01/2020", u"01/15/2020" }, ssDateTime, sdAscending, false, monthfirst),
        (Order { 1, 0 }));
}

TEST(SortOrder, EmptyAndSingleColumns)
{
    EXPECT_TRUE(sorted({}, ssNumeric, sdAscending).empty());
    EXPECT_EQ(sorted({ u"x" }, ssDateTime, sdDescending), (Order { 0 }));
}

// A small table read through a CellReader; row 0 is the heading.
class SearchTest : public ::testing::Test {
protected:
    std::vector<std::vector<std::u16string>> rows {
        { u"No.", u"Brew Name", u"" },
        { u"1", u"Lager", u"1" },
        { u"2", u"Stout", u"2" },
        { u"12", u"Bitter", u"3" },
        { u"3", u"stout extra", u"4" },
    };
    CellReader reader = [this](int col, int row) { return std::u16string_view(rows[row][col]); };
    int last() const { return int(rows.size()) - 1; }
};

TEST(CellContains, MatchesAnywhereFoldingOnlyAToZ)
{
    struct Case {
        std::u16string cell, text;
        bool caseSensitive, expected;
    } cases[] = {
        { u"Irish Stout", u"stout", false, true },
        { u"Irish Stout", u"stout", true, false },
        { u"Irish Stout", u"h S", false, true },
        { u"\u00c9t\u00e9", u"\u00e9t", false, false }, // only A-Z fold
        { u"Ale", u"Ales", false, false },
        { u"", u"", false, true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellcontains(c.cell, c.text, c.caseSensitive), c.expected)
            << std::string(c.cell.begin(), c.cell.end());
}

TEST_F(SearchTest, FindsTheFirstRowFromTheStartRowAndNeverTheHeading)
{
    EXPECT_EQ(findrow(reader, 1, last(), 3, -1, u"STOUT", false), 2);
    EXPECT_EQ(findrow(reader, 3, last(), 3, -1, u"STOUT", false), 4);
    EXPECT_EQ(findrow(reader, 5, last(), 3, -1, u"STOUT", false), 0);
    EXPECT_EQ(findrow(reader, 1, last(), 3, -1, u"STOUT", true), 0);
    EXPECT_EQ(findrow(reader, 0, last(), 3, -1, u"Brew", false), 0);
}

TEST_F(SearchTest, LooksAtEveryColumnUnlessOneIsChosen)
{
    // "4" is only in the last column of row 4.
    EXPECT_EQ(findrow(reader, 1, last(), 3, -1, u"4", false), 4);
    EXPECT_EQ(findrow(reader, 1, last(), 3, 0, u"4", false), 0);
    EXPECT_EQ(findrow(reader, 1, last(), 3, 0, u"2", false), 2);
}

TEST_F(SearchTest, TypeAheadGoesDownThenWrapsToTheSelectedRow)
{
    // Column 0: 1, 2, 12, 3.
    EXPECT_EQ(typeaheadrow(reader, 1, last(), u'1'), 3);
    EXPECT_EQ(typeaheadrow(reader, 3, last(), u'1'), 1);
    EXPECT_EQ(typeaheadrow(reader, 2, last(), u'2'), 2); // only the selected row itself
    EXPECT_EQ(typeaheadrow(reader, 1, last(), u'9'), 0);
    rows[2][0] = u"stout";
    EXPECT_EQ(typeaheadrow(reader, 4, last(), u'S'), 2);
}

} // namespace
