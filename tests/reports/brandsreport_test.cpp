#include "reportfixture.h"
#include "reports/brandsreport.h"

namespace {

std::vector<std::string> namesof(const BrandTally& tally)
{
    std::vector<std::string> names;
    for (const BrandEntry& e : tally)
        names.push_back(e.name);
    return names;
}

}  // namespace

TEST(BrandsReport, SortPutsTheMostUsedFirstInItsOwnTieOrder)
{
    struct Case {
        BrandTally tally;
        std::vector<std::string> sorted;
    };
    const std::vector<Case> cases = {
        {{{"A", 1}, {"B", 3}, {"C", 3}, {"D", 2}}, {"C", "B", "D", "A"}},
        {{}, {}},
        {{{"A", 4}}, {"A"}},
        {{{"A", 1}, {"B", 2}}, {"B", "A"}},
        {{{"A", 2}, {"B", 2}, {"C", 2}}, {"A", "B", "C"}},
        {{{"A", 1}, {"B", 1}, {"C", 5}, {"D", 1}, {"E", 9}}, {"E", "C", "B", "D", "A"}},
    };
    for (const Case& c : cases) {
        BrandTally tally = c.tally;
        sortbrands(tally);
        EXPECT_EQ(namesof(tally), c.sorted);
        sortbrands(tally);
        EXPECT_EQ(namesof(tally), c.sorted) << "a second sort must change nothing";
    }
}

TEST(BrandsReport, PageMatchesGolden)
{
    RecordList brews = samplebrews();
    BrandTally tally = getbrandinfo(brews);
    sortbrands(tally);
    const std::string page = pageof([&](ReportLines& out) { writebrandsreport(out, tally, samplecontext()); });
    expectgolden(page, "brands.html");
}

TEST(BrandsReport, EmptyListHasTheHeadingRowOnly)
{
    const std::string page = pageof([&](ReportLines& out) { writebrandsreport(out, {}, samplecontext()); });
    EXPECT_NE(page.find("\r\nNo. brands: 0<p>\r\n"), std::string::npos);
    EXPECT_EQ(countof(page, "<tr>"), 0);
    EXPECT_EQ(countof(page, "<tr BGCOLOR=\"white\">"), 1);
}
