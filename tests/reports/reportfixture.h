// What the report tests share: files in memory, the brew list's cells, a
// small set of brews and the golden pages.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "mainform/brewrows.h"
#include "platform/formatsettings.h"
#include "records/calendar.h"
#include "records/fileops.h"
#include "records/recordlist.h"
#include "reports/brewsreport.h"
#include "reports/reportcontext.h"
#include "reports/reportlines.h"

// Files kept in memory. A create can be refused, and the Nth write can fail.
class MemoryFileOps : public FileOps {
public:
    std::map<std::string, std::string> files;
    bool failcreate = false;
    int failingwrite = -1;  // counted from 0 over every file
    int writes = 0;

    bool exists(const std::string& p) override { return files.count(p) != 0; }
    bool remove(const std::string& p) override { return files.erase(p) != 0; }
    bool rename(const std::string&, const std::string&) override { return false; }
    bool link(const std::string&, const std::string&) override { return false; }
    std::unique_ptr<WritableFile> create(const std::string& p) override
    {
        if (failcreate)
            return nullptr;
        files[p].clear();
        return std::make_unique<File>(*this, files[p]);
    }

private:
    struct File : WritableFile {
        File(MemoryFileOps& o, std::string& d) : ops(o), data(d) {}
        bool write(const void* p, std::size_t n) override
        {
            if (ops.writes++ == ops.failingwrite)
                return false;
            data.append(static_cast<const char*>(p), n);
            return true;
        }
        bool close() override { return true; }
        MemoryFileOps& ops;
        std::string& data;
    };
};

// The whole output of a writer, as the file would hold it.
template <typename Write>
std::string pageof(Write write)
{
    MemoryFileOps ops;
    auto file = ops.create("page");
    ReportLines out(*file);
    write(out);
    out.close();
    return ops.files["page"];
}

inline std::vector<std::string> linesof(const std::string& page)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = page.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(page.substr(start, end - start));
    EXPECT_EQ(start, page.size()) << "the page does not end in CR LF";
    return lines;
}

inline std::string readfile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline int countof(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

// The brew list's cells held in a table: rows[0] are the headings.
class TableCells : public BrewListCells {
public:
    std::vector<std::vector<std::string>> rows;
    int sort = 0;

    int colcount() const override { return 11; }
    int rowcount() const override { return static_cast<int>(rows.size()); }
    std::string cell(int col, int row) const override
    {
        return row < rowcount() && col >= 0 && col < 11 ? rows[row][col] : std::string();
    }
    int sortcol() const override { return sort; }
};

// The cells the brew list shows for these records, in list order.
inline TableCells listcells(const RecordList& records, const FormatSettings& fs)
{
    TableCells t;
    t.rows.push_back({"No.", "Brew Name", "Down", "Bottled", "Days1", "Days2", "Brew tmp", "Alc %", "Min use by",
                      "Max use by", ""});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto texts = brewrowtexts(*records[i], fs);
        t.rows.emplace_back(texts.begin(), texts.end());
        t.rows.back().push_back(std::to_string(i + 1));
    }
    if (records.empty())
        t.rows.push_back(std::vector<std::string>(11));
    return t;
}

// Four brews: a kit with everything given, an extract, a modified kit whose
// texts need escaping, and a brew with nothing given but its kit name.
inline RecordList samplebrews()
{
    RecordList list;
    BrewFields kit;
    kit.num = 12;
    kit.kit = "Coopers Real Ale";
    kit.batchname = "Summer Ale";
    kit.down = 45000;  // 2023-03-15
    kit.bottled = 45014;
    kit.alc = 5.26;
    kit.minub = 45042;
    kit.maxub = 45379;
    kit.brewsugar = "Dextrose";
    kit.kgused = 1;
    kit.water = 23;
    kit.yeast = "Kit yeast";
    kit.origgrav = 1045;
    kit.primingsugar = "Carb drops";
    kit.pskgused = 0.15;
    kit.finalgrav = 1006;
    kit.days1 = 7;
    kit.days2 = 14;
    kit.brewtemp = 20;
    kit.add1 = "Hop tea";
    kit.add3 = "Finings";
    kit.appearance = 5;
    kit.aroma = 6;
    kit.taste = 30;
    kit.notes = "Good head\r\nClear by week 3";
    createnewrec(list, kit);

    BrewFields extract;
    extract.num = 13;
    extract.down = 45400;
    extract.water = 21.5;
    extract.yeast = "US-05";
    extract.origgrav = 1050;
    extract.brewtemp = 18.5;
    extract.recordtype = kindExtract;
    extract.extracts = "Light DME 1.5 kg\r\n\r\nCrystal 250 g";
    extract.fermkgused = 2.25;
    extract.notes = "Tasted \"grainy\", try again";
    createnewrec(list, extract);

    BrewFields modified;
    modified.num = 14;
    modified.kit = "<b>Stout & \"Co\"";
    modified.batchname = "   ";
    modified.down = 45500;
    modified.bottled = 200;  // a day of 1900: not bottled
    modified.minub = 200;    // a day of 1900 that is not the not-given date
    modified.alc = 4.56;
    modified.kgused = 1;
    modified.fermkgused = 0.5;
    modified.origgrav = 1000;
    modified.add1 = "Oak chips, toasted";
    modified.add2 = "Vanilla";
    modified.add4 = "Lactose";
    modified.extracts = "Choc malt";
    modified.notes = "a\r\n\r\nb";
    modified.recordtype = kindModifiedKit;
    modified.appearance = 7;
    modified.aroma = 8;
    modified.taste = 35;
    createnewrec(list, modified);

    BrewFields empty;
    empty.kit = "coopers real ale ";
    createnewrec(list, empty);
    return list;
}

inline ReportContext samplecontext()
{
    ReportContext ctx;
    ctx.today = 45600;  // 2024-11-04
    return ctx;
}

// Compares a page with its golden file. MALVORA_UPDATE_GOLDEN=1 writes the
// golden file instead; check every line of a new one before committing it.
inline void expectgolden(const std::string& page, const std::string& name)
{
    const std::string path = std::string(MALVORA_SOURCE_DIR) + "/tests/reports/golden/" + name;
    if (std::getenv("MALVORA_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << page;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    std::stringstream golden;
    golden << in.rdbuf();
    const std::vector<std::string> want = linesof(golden.str());
    const std::vector<std::string> got = linesof(page);
    for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
        ASSERT_EQ(got[i], want[i]) << name << ", line " << i + 1;
    ASSERT_EQ(got.size(), want.size()) << name << ": line count";
}
