// The brews report: the brew list as one table, in the order the list shows
// it, with the sugar, the gravities and the taste score added.
#pragma once

#include <string>

#include "records/recordlist.h"

class ReportLines;
struct ReportContext;

inline constexpr const char* brewsreportfile = "brews report.html";

// The cells of the brew list as it shows them (program text, UTF-8). Row 0
// holds the headings; the last column holds each row's 1-based position in
// the record list.
class BrewListCells {
public:
    virtual ~BrewListCells() = default;
    virtual int colcount() const = 0;
    virtual int rowcount() const = 0;
    virtual std::string cell(int col, int row) const = 0;
    virtual int sortcol() const = 0;
};

// The sugar weight the report shows for a brew: the kit sugar, the
// fermentables, or both added together, by the brew's kind.
double sugarvalue(const tbaccrec& rec);

// Writes the page. A row whose position cell names no record (the one blank
// row of an empty list) is left out.
void writebrewsreport(ReportLines& out, const RecordList& records, const BrewListCells& list,
                      const ReportContext& ctx);
