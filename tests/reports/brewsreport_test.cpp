#include "reportfixture.h"
#include "reports/brewsreport.h"

#include <algorithm>

namespace {

std::string brewspage(const RecordList& brews, const BrewListCells& cells, const ReportContext& ctx)
{
    return pageof([&](ReportLines& out) { writebrewsreport(out, brews, cells, ctx); });
}

// The name line of each brew row, in page order.
std::vector<std::string> namelines(const std::string& page)
{
    std::vector<std::string> names;
    const std::vector<std::string> lines = linesof(page);
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i - 1] == "<td>" && lines[i].rfind("<FONT SIZE=", 0) == 0 && lines[i].find("</b></td>") != std::string::npos)
            names.push_back(lines[i]);
    return names;
}

}  // namespace

TEST(BrewsReport, PageMatchesGolden)
{
    const RecordList brews = samplebrews();
    const ReportContext ctx = samplecontext();
    expectgolden(brewspage(brews, listcells(brews, ctx.fs), ctx), "brews.html");
}

TEST(BrewsReport, SugarValueByKind)
{
    struct Case {
        std::int32_t kind;
        double kgused, fermkgused, sugar;
    };
    const Case cases[] = {
        {kindKit, 1, 0.5, 1},
        {kindKit, notgivenreal, 0.5, notgivenreal},
        {kindExtract, 1, 2.25, 2.25},
        {kindExtract, 1, notgivenreal, 1},
        {kindModifiedKit, 1, 0.5, 1.5},
        {kindModifiedKit, 1, notgivenreal, 1},
        {kindModifiedKit, notgivenreal, 0.5, 0.5},
        {7, 2, 0.25, 2.25},
    };
    for (const Case& c : cases) {
        BrewFields f;
        f.recordtype = c.kind;
        f.kgused = c.kgused;
        f.fermkgused = c.fermkgused;
        EXPECT_EQ(sugarvalue(*makerecord(f)), c.sugar) << "kind " << c.kind;
    }
}

TEST(BrewsReport, RowsFollowTheListAfterASort)
{
    RecordList brews = samplebrews();
    const ReportContext ctx = samplecontext();
    TableCells cells = listcells(brews, ctx.fs);
    // The list sorted by name descending: rows move whole, position cells too.
    std::swap(cells.rows[1], cells.rows[3]);
    cells.sort = 1;
    const std::string page = brewspage(brews, cells, ctx);
    EXPECT_NE(page.find("\r\nSorted by: Brew Name<p>\r\n"), std::string::npos);
    EXPECT_EQ(namelines(page), (std::vector<std::string>{
                                   "<FONT SIZE=\"1\"><b>&lt;b&gt;Stout &amp; &quot;Co&quot;</b></td>",
                                   "<FONT SIZE=\"1\"><b><i>Unnamed Extract Brew</i></b></td>",
                                   "<FONT SIZE=\"1\"><b><i>Summer Ale</i></b></td>",
                                   "<FONT SIZE=\"1\"><b>coopers real ale </b></td>",
                               }));
}

TEST(BrewsReport, BlankedRowsPrintDashesButKeepTheRecordColumns)
{
    RecordList brews;
    createnewrec(brews, recordfields(*samplebrews()[0]));
    const ReportContext ctx = samplecontext();
    TableCells cells = listcells(brews, ctx.fs);
    for (int col = 1; col <= 9; ++col)
        cells.rows[1][col].clear();
    const std::vector<std::string> lines = linesof(brewspage(brews, cells, ctx));
    const auto row = std::find(lines.begin(), lines.end(), "<tr>");
    ASSERT_NE(row, lines.end());
    // No., name, sugar, Down, Bottled, two day counts, temperature, two
    // gravities, Alc %, two use-by dates, taste.
    const std::vector<std::string> want = {
        "<td>", "<FONT SIZE=\"1\">", "12", "</td>",
        "<td>", "<FONT SIZE=\"1\"><b><i>Summer Ale</i></b></td>",
        "<td align=right>", "<FONT SIZE=\"1\">", "1.000", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "<b>", "-", "</b>", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=right>", "<FONT SIZE=\"1\">", "1.045", "</td>",
        "<td align=right>", "<FONT SIZE=\"1\">", "1.006", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=center>", "<FONT SIZE=\"1\">", "-", "</td>",
        "<td align=right>", "<FONT SIZE=\"1\">", "30", "</td>",
    };
    EXPECT_EQ(std::vector<std::string>(row + 1, row + 1 + static_cast<long>(want.size())), want);
    EXPECT_EQ(*(row + 1 + static_cast<long>(want.size())), "</tr>");
}

TEST(BrewsReport, EmptyListWritesNoBrewRows)
{
    const RecordList none;
    const ReportContext ctx = samplecontext();
    const std::string page = brewspage(none, listcells(none, ctx.fs), ctx);
    EXPECT_NE(page.find("\r\nNo. brews: 0<br>\r\n"), std::string::npos);
    EXPECT_EQ(countof(page, "<tr>"), 0);
    EXPECT_NE(page.find("</tr>\r\n</FONT>\r\n\r\n</table>\r\n</center>\r\n</html>\r\n"), std::string::npos);
}

TEST(BrewsReport, ImperialUnitsNameTheUnitsOnly)
{
    const RecordList brews = samplebrews();
    ReportContext ctx = samplecontext();
    ctx.MetricUnits = false;
    const std::string page = brewspage(brews, listcells(brews, ctx.fs), ctx);
    EXPECT_NE(page.find("\r\nSugar<br>(lb)\r\n"), std::string::npos);
    EXPECT_NE(page.find("\r\nBrew<br>temp<br>(&deg;F)\r\n"), std::string::npos);
    EXPECT_EQ(page.find("(kg)"), std::string::npos);
    EXPECT_NE(page.find("\r\n1.000\r\n"), std::string::npos);
}
