// Writing one report file: created beside the data file, written line by
// line, checked, and the failure said in the report's own words.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/formatsettings.h"
#include "records/recordlist.h"

class FileOps;
class Messages;
class ReportLines;

inline constexpr const char* cannotcreatemessage = "Could not create file on disk";
inline constexpr const char* reportfailmessage = "Could not create report file";
inline constexpr const char* detailsfailmessage = "Could not create brew details file";
inline constexpr const char* tastingfailmessage = "Could not create tasting sheet file";
inline constexpr const char* labelsfailmessage = "Could not create labels file";

// The report's file in the data file's folder.
std::string reportpath(const std::string& datafilename, std::string_view filename);

// Creates (or truncates) the file at `path`, lets `write` write the page and
// closes the file. When the file cannot be created it shows
// "Could not create file on disk"; when any line could not be written it
// shows `failmessage` and leaves the partly written file. True when the
// whole file was written.
bool writereportfile(FileOps& ops, Messages& messages, const std::string& path, std::string_view failmessage,
                     const std::function<void(ReportLines&)>& write);

// Writes the CSV export to `path` (created or overwritten). When the file
// cannot be created or written it shows why and returns false; whatever was
// written stays on disk.
bool writecsvfile(FileOps& ops, Messages& messages, const std::string& path, const RecordList& records,
                  const FormatSettings& fs);
