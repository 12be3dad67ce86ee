#include "reportfixture.h"
#include "reports/detailsreport.h"
#include "reports/labelsreport.h"
#include "reports/tastingsheet.h"

namespace {

std::string details(const tbaccrec& rec, const std::string& number, const ReportContext& ctx)
{
    return pageof([&](ReportLines& out) { writedetailsreport(out, rec, number, ctx); });
}

bool hasline(const std::string& page, const std::string& line)
{
    return page.find("\r\n" + line + "\r\n") != std::string::npos;
}

}  // namespace

TEST(OneBrewReports, PagesMatchGolden)
{
    const RecordList brews = samplebrews();
    const ReportContext ctx = samplecontext();
    const char* kinds[] = {"kit", "extract", "modified", "empty"};
    for (std::size_t i = 0; i < brews.size(); ++i) {
        SCOPED_TRACE(kinds[i]);
        const tbaccrec& rec = *brews[i];
        const std::string number = rec.num > 0 ? std::to_string(rec.num) : "";
        expectgolden(details(rec, number, ctx), std::string("details-") + kinds[i] + ".html");
        expectgolden(pageof([&](ReportLines& out) { writetastingsheet(out, rec, number, ctx); }),
                     std::string("tasting-") + kinds[i] + ".html");
        expectgolden(pageof([&](ReportLines& out) { writelabelsreport(out, rec, ctx); }),
                     std::string("labels-") + kinds[i] + ".html");
    }
}

TEST(OneBrewReports, PrintedLinesSplitAtCrAndSkipEmptyPieces)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"a\r\n\r\nb", {"a", "b"}},
        {"", {}},
        {"one line", {"one line"}},
        {"x\ny\rz", {"xy", "z"}},
        {"\r\r\n\n", {}},
        {"end\r\n", {"end"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(printedlines(c.text), c.lines) << c.text;
}

TEST(OneBrewReports, DetailsFollowTheLocaleAndUnits)
{
    const RecordList brews = samplebrews();
    ReportContext ctx = samplecontext();
    ctx.fs = commadecimalsettings();
    ctx.MetricUnits = false;
    const std::string page = details(*brews[0], "12", ctx);
    EXPECT_TRUE(hasline(page, "1,000"));
    EXPECT_TRUE(hasline(page, "23,0"));
    EXPECT_TRUE(hasline(page, "5,3"));
    EXPECT_TRUE(hasline(page, "Gals"));
    EXPECT_TRUE(hasline(page, "lb</td><td>"));
    EXPECT_TRUE(hasline(page, formatdate(45000, ctx.fs)));
}

TEST(OneBrewReports, LargeFontChangesOnlyTheFontTagLines)
{
    const RecordList brews = samplebrews();
    const ReportContext small = samplecontext();
    ReportContext large = small;
    large.FontSize = "\"2\"";
    for (const auto& rec : brews) {
        for (auto write : {+[](ReportLines& o, const tbaccrec& r, const ReportContext& c) { writedetailsreport(o, r, "1", c); },
                           +[](ReportLines& o, const tbaccrec& r, const ReportContext& c) { writetastingsheet(o, r, "1", c); }}) {
            const std::vector<std::string> a = linesof(pageof([&](ReportLines& o) { write(o, *rec, small); }));
            const std::vector<std::string> b = linesof(pageof([&](ReportLines& o) { write(o, *rec, large); }));
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (a[i] == "<FONT SIZE=\"1\">")
                    EXPECT_EQ(b[i], "<FONT SIZE=\"2\">");
                else
                    EXPECT_EQ(b[i], a[i]);
            }
        }
        const std::string labels = pageof([&](ReportLines& o) { writelabelsreport(o, *rec, large); });
        EXPECT_EQ(labels, pageof([&](ReportLines& o) { writelabelsreport(o, *rec, small); }));
    }
}

TEST(OneBrewReports, LabelsShowTheRecordsOwnNumberEightTimes)
{
    RecordList brews = samplebrews();
    const std::string page = pageof([&](ReportLines& o) { writelabelsreport(o, *brews[0], samplecontext()); });
    EXPECT_EQ(countof(page, "\r\nBrew Batch No. 12\r\n"), 8);
    EXPECT_EQ(countof(page, "<td align=center>\r\n<font size=\"+1\"><i>Summer Ale</i></font><p>\r\n"), 8);
}
