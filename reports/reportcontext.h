// What every report writer reads besides the brews: the report settings, the
// user's number and date conventions and today's date; and the pieces that
// every page shares.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"
#include "records/tbaccrec.h"

class ReportLines;

struct ReportContext {
    // The font-size attribute the reports write: "\"1\"" small or "\"2\"" large.
    std::string FontSize = "\"1\"";
    // Chooses the unit names only; no value is converted.
    bool MetricUnits = true;
    FormatSettings fs;
    TDateTime today = 0.0;
};

// The head of every page: "<html>", the page's head line and the body tag.
void writepagehead(ReportLines& out, std::string_view headline);
// The font-tag line: "<FONT SIZE=" + the font-size attribute + ">".
void writefontline(ReportLines& out, const ReportContext& ctx);

// The value forms of the reports, as single-byte text. Each "orblank" form
// gives one blank for a value that was not given.
std::string fixedtext(double value, int decimals, const ReportContext& ctx);
std::string fixedorblank(double value, int decimals, const ReportContext& ctx);
std::string datetext(TDateTime date, const ReportContext& ctx);
// Date down and date bottled: blank for any day of 1900.
std::string outdateorblank(TDateTime date, const ReportContext& ctx);
// The use-by dates: blank for the not-given date itself.
std::string nodateorblank(TDateTime date, const ReportContext& ctx);
std::string intorblank(std::int32_t value);

// The weight unit the reports name: "kg" or "lb".
std::string_view weightunit(const ReportContext& ctx);
