// The safe conversions of typed text into record values. They never fail: text
// that is empty or unreadable gives the field's not-given value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/formatsettings.h"

// Removes leading and trailing spaces (U+0020 only).
std::string strip(std::string_view text);
std::int32_t getint(std::string_view text);                        // -1 when not given
double getreal(std::string_view text, const FormatSettings& fs);     // -10000.0 when not given
TDateTime getdate(std::string_view text, const FormatSettings& fs);  // nodate when not given
