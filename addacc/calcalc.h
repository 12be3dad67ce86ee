// The alcohol content of a brew from its gravities, corrected for the
// hydrometer's temperature and allowing for the priming sugar. Works on the
// texts of the editor's fields.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"

// Gravity points to add to a final gravity read at `fahrenheit` degrees.
double tempcorrection(double fahrenheit);

struct AlcoholInput {
    std::string_view origgrav; // whole gravity points: 1042 for 1.042
    std::string_view finalgrav;
    std::string_view brewtemp; // Celsius under metric units, else Fahrenheit
    std::string_view pskgused; // priming sugar, kg or lbs
};

struct AlcoholResult {
    enum Action {
        clear, // a gravity is missing: empty the alcohol field
        warn, // the original gravity is not above the final: keep the field, show the warning
        write, // write `text` and hide the warning
    };
    Action action = clear;
    std::string text; // percent by volume, one decimal
};

AlcoholResult calcalc(const AlcoholInput& input, bool metricunits, const FormatSettings& fs);
