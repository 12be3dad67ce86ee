// Calendar arithmetic: TDateTime day counts, civil dates and Julian day numbers.
#pragma once

#include <string>
#include <string_view>

#include "records/tbaccrec.h"

struct CivilDate {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31
};

// True when the date exists in the calendar, in the years 1 to 9999.
bool isvaliddate(int year, int month, int day);
// True when a day count lies in the years 1 to 9999 (and is a number at all):
// the range in which dates are shown. Data files may hold anything.
bool isdatetimeinrange(TDateTime date);

// Day count of a civil date (time 00:00).
// Throws std::invalid_argument when the date does not exist (see isvaliddate).
TDateTime encodedate(int year, int month, int day);
// The civil date of a day count (its whole day; times belong to their day).
// Times are taken to the nearest millisecond, so 23:59:59.9999 is the next
// day. Day counts outside the years 1 to 9999 give the nearest date in range.
CivilDate decodedate(TDateTime date);
// Hours, minutes and seconds of a day count's time of day (0 when the day
// count is out of range). A negative day count keeps its time as a positive
// fraction: -1.25 is 1899-12-29 06:00.
void decodetime(TDateTime date, int& hour, int& minute, int& second);

// True when the date's year is 1900: such dates count as not given.
bool isoutdate(TDateTime date);

// YYYYMMDD text of a date.
std::string ymdoftdate(TDateTime date);

// Julian day number of YYYYMMDD text; 20000101 gives 2451545.
// Throws std::invalid_argument when the text's parts are not numbers.
int ymdtojulian(std::string_view ymd);
// YYYYMMDD text of a Julian day number.
std::string juliantoymd(int jdn);
// YYYYMMDD text: four-digit year, two-digit month and day, each cut to its width.
std::string ymdstring(int month, int day, int year);
