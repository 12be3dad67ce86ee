#include "reportfixture.h"
#include "reports/csvexport.h"

namespace {

std::string csvof(const RecordList& records, const FormatSettings& fs)
{
    return pageof([&](ReportLines& out) { writecsv(out, records, fs); });
}

// A standard (RFC 4180) reader: records of fields, quoted fields may hold
// commas, quotes (doubled) and line breaks.
std::vector<std::vector<std::string>> readcsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, wasquoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            EXPECT_TRUE(field.empty() && !wasquoted) << "quote inside an unquoted field";
            quoted = wasquoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
            wasquoted = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            wasquoted = false;
            rows.emplace_back();
            ++i;
        } else {
            EXPECT_TRUE(c != '\r' && c != '\n') << "bare line break outside quotes";
            field += c;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "the last line has no CR LF";
    rows.pop_back();
    return rows;
}

}  // namespace

TEST(CsvExport, ExtensionRule)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/home/b/brews", "/home/b/brews.csv"},
        {"/home/b/brews.csv", "/home/b/brews.csv"},
        {"/home/b/brews.CSV", "/home/b/brews.CSV.csv"},
        {"/home/b/brews.txt", "/home/b/brews.txt.csv"},
        {"/home/b.d/brews.csv", "/home/b.d/brews.csv"},
        {"/home/b.d/brews", "/home/b.d/brews.csv"},
        {"brews", "brews.csv"},
        {"/home/b/.csv", "/home/b/.csv"},
    };
    for (const auto& [chosen, used] : cases)
        EXPECT_EQ(csvfilename(chosen), used) << chosen;
}

TEST(CsvExport, FieldQuotingIsStandard)
{
    const std::pair<std::string, std::string> fields[] = {
        {"Coopers Real Ale", "Coopers Real Ale"},
        {"", ""},
        {"Oak chips, toasted", "\"Oak chips, toasted\""},
        {"12\" tube", "\"12\"\" tube\""},
        {"a\rb", "\"a\rb\""},
        {"a\nb", "\"a\nb\""},
        {"4,5", "\"4,5\""},
        {"it's; fine", "it's; fine"},
    };
    for (const auto& [text, field] : fields)
        EXPECT_EQ(csvfield(text), field) << text;
    EXPECT_EQ(csvquoted(""), "\"\"");
    EXPECT_EQ(csvquoted("say \"hi\""), "\"say \"\"hi\"\"\"");
}

TEST(CsvExport, SmallHelpers)
{
    EXPECT_EQ(recordtypename(0), "Kit");
    EXPECT_EQ(recordtypename(1), "Extract");
    EXPECT_EQ(recordtypename(2), "Modified kit");
    EXPECT_EQ(recordtypename(3), "Kit");
    EXPECT_EQ(recordtypename(-1), "Kit");
    EXPECT_EQ(blankifsentinel("-10000", "-10000"), "");
    EXPECT_EQ(blankifsentinel("-10000.5", "-10000"), "-10000.5");
    EXPECT_EQ(blankifsentinel("-1", "-1"), "");
}

TEST(CsvExport, FileMatchesGolden)
{
    expectgolden(csvof(samplebrews(), FormatSettings{}), "malvora.csv");
}

TEST(CsvExport, StandardReaderSeesOneRowPerBrewWithEveryColumnInPlace)
{
    const RecordList brews = samplebrews();
    for (const FormatSettings& fs : {FormatSettings{}, commadecimalsettings()}) {
        const auto rows = readcsv(csvof(brews, fs));
        ASSERT_EQ(rows.size(), brews.size() + 1);
        for (const auto& row : rows)
            EXPECT_EQ(row.size(), 27u);
        EXPECT_EQ(rows[0][0], "Brew Number");
        EXPECT_EQ(rows[0][26], "Fermentables (kg)");

        const auto& kit = rows[1];
        EXPECT_EQ(kit[0], "12");
        EXPECT_EQ(kit[1], "Coopers Real Ale");
        EXPECT_EQ(kit[2], formatdate(45000, fs));
        EXPECT_EQ(kit[4], formatgeneral(5.26, fs));
        EXPECT_EQ(kit[9], "23");
        EXPECT_EQ(kit[18], "Hop tea\r\rFinings\r\r");
        EXPECT_EQ(kit[23], "Good head\r\nClear by week 3");
        EXPECT_EQ(kit[24], "Kit");
        EXPECT_EQ(kit[26], "");

        const auto& extract = rows[2];
        EXPECT_EQ(extract[4], "") << "alcohol not given";
        EXPECT_EQ(extract[3], formatdate(nodate, fs)) << "dates are written as they are";
        EXPECT_EQ(extract[14], "") << "final gravity not given";
        EXPECT_EQ(extract[15], "-1") << "primary days are never blanked";
        EXPECT_EQ(extract[18], "\r\r\r\r");
        EXPECT_EQ(extract[23], "Tasted \"grainy\", try again");
        EXPECT_EQ(extract[24], "Extract");
        EXPECT_EQ(extract[25], "Light DME 1.5 kg\r\n\r\nCrystal 250 g");
        EXPECT_EQ(extract[26], formatgeneral(2.25, fs));

        const auto& modified = rows[3];
        EXPECT_EQ(modified[1], "<b>Stout & \"Co\"");
        EXPECT_EQ(modified[9], "-10000") << "water is never blanked";
        EXPECT_EQ(modified[13], "") << "priming sugar weight not given";
        EXPECT_EQ(modified[18], "Oak chips, toasted\rVanilla\r\rLactose\r");
        EXPECT_EQ(modified[24], "Modified kit");
    }
}

TEST(CsvExport, EmptyListGivesTheHeaderLineAlone)
{
    EXPECT_EQ(csvof({}, FormatSettings{}), std::string(csvheader) + "\r\n");
}
