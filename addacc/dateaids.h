// The dates the editor proposes: bottling, use-by and the days of primary
// fermentation. Day arithmetic goes through Julian day numbers.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"
#include "records/tbaccrec.h"

// A date read from a field, or why it could not be read.
struct DateText {
    bool ok = false;
    TDateTime date = nodate;
    std::string error; // "'31/02/2024' is not a valid date"
};
DateText readdate(std::string_view text, const FormatSettings& fs);

// Julian day number of the date's day.
int daynumber(TDateTime date);
// The date `days` days after the date's day (time 00:00).
TDateTime daysafter(TDateTime date, int days);

// A brew that went down 3 to 6 days ago is bottled today; otherwise a week
// after the date down is proposed.
TDateTime bottlingproposal(TDateTime down, TDateTime today);

inline constexpr int minusebydays = 15;
inline constexpr int maxusebydays = 380;
