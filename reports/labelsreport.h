// The bottle labels: a page of eight identical labels for one brew.
#pragma once

#include "records/tbaccrec.h"

class ReportLines;
struct ReportContext;

inline constexpr const char* labelsreportfile = "labels.html";

// Writes the page for `rec`. The label shows the record's own batch number;
// the report font size plays no part.
void writelabelsreport(ReportLines& out, const tbaccrec& rec, const ReportContext& ctx);
