// The tasting sheet: a blank score sheet for one brew, to fill in by hand.
#pragma once

#include <string_view>

#include "records/tbaccrec.h"

class ReportLines;
struct ReportContext;

inline constexpr const char* tastingsheetfile = "tasting sheet.html";

// Writes the page for `rec`; `number` is the "No." text of its row in the
// brew list (program text).
void writetastingsheet(ReportLines& out, const tbaccrec& rec, std::string_view number, const ReportContext& ctx);
