// The CSV export: every brew, one line each, for a spreadsheet.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"
#include "records/recordlist.h"

class ReportLines;

inline constexpr const char* csvdefaultname = "malvora.csv";
inline constexpr const char* csvheader =
    "Brew Number,Kit Name,Date Down,Date Bottled,Alcohol (%),Min Use By,Max Use By,Brewing Sugar,"
    "BS Kg Used,Water (litres),Yeast,Original gravity,Priming Sugar,PS Kg Used,Final Gravity,"
    "Primary Fermentation Days,Secondary Fermentation Days,Brewing Temperature,Additives,Batch Name,"
    "Appearance,Aroma,Taste,Notes,Record Type,Extracts,Fermentables (kg)";

// The chosen file name with ".csv" appended unless its extension is exactly
// ".csv" (case counts): brews and brews.CSV get it, brews.csv does not.
std::string csvfilename(const std::string& chosen);

// A field as a standard CSV reader expects it: wrapped in double quotes, with
// inner quotes doubled, when it holds a comma, a double quote, a CR or an LF;
// otherwise unchanged.
std::string csvfield(std::string_view text);
// A field that is always wrapped in double quotes, inner quotes doubled.
std::string csvquoted(std::string_view text);

// "Kit", "Extract" or "Modified kit"; any unknown kind counts as a kit.
std::string_view recordtypename(std::int32_t recordtype);
// Empty text when `text` is exactly `sentinel`, otherwise `text`.
std::string blankifsentinel(std::string text, std::string_view sentinel);

// One brew's line (single-byte text, without the line end).
std::string csvline(const tbaccrec& rec, const FormatSettings& fs);
// The header line and one line per brew, in list order.
void writecsv(ReportLines& out, const RecordList& records, const FormatSettings& fs);
