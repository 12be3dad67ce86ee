// The brands report: every kit name with the number of brews that use it,
// most used first.
#pragma once

#include "records/brandtally.h"

class ReportLines;
struct ReportContext;

inline constexpr const char* brandsreportfile = "brew brands report.html";

// Sorts the tally by usage, most used first, with the gap-halving exchange
// sort the page has always used: entries of equal usage end up in the same
// order as they always have (for usages 1, 3, 3, 2 of A, B, C, D: C, B, D, A).
void sortbrands(BrandTally& tally);

// Writes the page for a tally that is already sorted.
void writebrandsreport(ReportLines& out, const BrandTally& tally, const ReportContext& ctx);
