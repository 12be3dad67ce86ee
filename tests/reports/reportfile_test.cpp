#include <filesystem>

#include "../records/tempfolder.h"
#include "platform/fakemessages.h"
#include "reportfixture.h"
#include "reports/brewsreport.h"
#include "reports/csvexport.h"
#include "reports/detailsreport.h"
#include "reports/htmlescape.h"
#include "reports/reportfile.h"

namespace {

// A brews report big enough to need several writes.
RecordList manybrews(int count)
{
    RecordList list;
    const RecordList sample = samplebrews();
    for (int i = 0; i < count; ++i)
        createnewrec(list, recordfields(*sample[static_cast<std::size_t>(i) % sample.size()]));
    return list;
}

}  // namespace

TEST(ReportFile, HtmlEscaping)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Coopers Real Ale", "Coopers Real Ale"},
        {"<b>Stout", "&lt;b&gt;Stout"},
        {"Fish & Chips", "Fish &amp; Chips"},
        {"12\" tube", "12&quot; tube"},
        {"it's caf\xe9", "it's caf\xe9"},
        {"&amp;", "&amp;amp;"},
        {"", ""},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(htmlescape(text), escaped) << text;
}

TEST(ReportFile, PathIsBesideTheDataFile)
{
    EXPECT_EQ(reportpath("/home/b/.local/share/Orvanti/Malvora/malvora.dat", brewsreportfile),
              "/home/b/.local/share/Orvanti/Malvora/brews report.html");
    EXPECT_EQ(reportpath("/malvora.dat", "labels.html"), "/labels.html");
    EXPECT_EQ(reportpath("malvora.dat", "labels.html"), "labels.html");
}

TEST(ReportFile, FileThatCannotBeCreatedWritesNothing)
{
    MemoryFileOps ops;
    ops.failcreate = true;
    FakeMessages messages;
    bool wrote = false;
    EXPECT_FALSE(writereportfile(ops, messages, "/r/labels.html", labelsfailmessage,
                                 [&](ReportLines&) { wrote = true; }));
    EXPECT_FALSE(wrote);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Could not create file on disk"});
}

TEST(ReportFile, FailedWriteShowsTheReportsMessageAndKeepsWriting)
{
    const RecordList brews = manybrews(3000);
    const ReportContext ctx = samplecontext();
    const TableCells cells = listcells(brews, ctx.fs);
    auto write = [&](ReportLines& out) { writebrewsreport(out, brews, cells, ctx); };

    MemoryFileOps whole;
    FakeMessages quiet;
    ASSERT_TRUE(writereportfile(whole, quiet, "r", reportfailmessage, write));
    EXPECT_TRUE(quiet.shown.empty());
    ASSERT_GE(whole.writes, 2) << "the page should take more than one write";

    MemoryFileOps ops;
    ops.failingwrite = 0;
    FakeMessages messages;
    EXPECT_FALSE(writereportfile(ops, messages, "r", reportfailmessage, write));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Could not create report file"});
    EXPECT_EQ(ops.writes, whole.writes) << "writing goes on after a failure";
    const std::string& partial = ops.files["r"];
    EXPECT_GT(partial.size(), 0u);
    EXPECT_LT(partial.size(), whole.files["r"].size());
    EXPECT_EQ(partial, whole.files["r"].substr(whole.files["r"].size() - partial.size()));
}

TEST(ReportFile, RealFileIsSingleByteWithCrLfAndIsOverwritten)
{
    TempFolder folder;
    const std::string path = reportpath(folder.file("malvora.dat"), detailsreportfile);
    FakeMessages messages;
    BrewFields f;
    f.num = 1;
    f.kit = "Caf\xe9 cr\xe8me";  // Windows-1252 text, as the record holds it
    const auto rec = makerecord(f);
    auto write = [&](ReportLines& out) { writedetailsreport(out, *rec, "1", samplecontext()); };
    ASSERT_TRUE(writereportfile(realfileops(), messages, path, detailsfailmessage, write));
    const std::string first = readfile(path);
    EXPECT_NE(first.find("\r\n<h2>Caf\xe9 cr\xe8me</h2>\r\n"), std::string::npos);
    EXPECT_EQ(first.substr(first.size() - 9), "</html>\r\n");
    EXPECT_EQ(countof(first, "\n"), countof(first, "\r\n"));

    ASSERT_TRUE(writereportfile(realfileops(), messages, path, detailsfailmessage, write));
    EXPECT_EQ(readfile(path), first);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ReportFile, CsvFailuresSayWhy)
{
    TempFolder folder;
    const RecordList brews = samplebrews();
    FakeMessages messages;
    const std::string missing = folder.file("no such folder") + "/brews.csv";
    EXPECT_FALSE(writecsvfile(realfileops(), messages, missing, brews, FormatSettings{}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("Cannot create file \"" + missing + "\". ", 0), 0u) << messages.shown[0];
    EXPECT_FALSE(std::filesystem::exists(missing));

    MemoryFileOps ops;
    ops.failingwrite = 0;
    messages.shown.clear();
    EXPECT_FALSE(writecsvfile(ops, messages, "brews.csv", brews, FormatSettings{}));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Stream write error"});

    const std::string good = folder.file("brews.csv");
    messages.shown.clear();
    EXPECT_TRUE(writecsvfile(realfileops(), messages, good, brews, FormatSettings{}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readfile(good).rfind(std::string(csvheader) + "\r\n12,", 0), 0u);
}
