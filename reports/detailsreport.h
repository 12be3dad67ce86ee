// The brew details report: everything recorded for one brew on one page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/tbaccrec.h"

class ReportLines;
struct ReportContext;

inline constexpr const char* detailsreportfile = "Brew details.html";

// The lines the notes and extracts print as: the text split at every CR,
// each piece without its CR and LF characters, empty pieces left out.
std::vector<std::string> printedlines(std::string_view text);

// Writes the page for `rec`; `number` is the "No." text of its row in the
// brew list (program text).
void writedetailsreport(ReportLines& out, const tbaccrec& rec, std::string_view number, const ReportContext& ctx);
