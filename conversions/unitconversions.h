// The five unit pairs of the conversions tab. Each pair has one input box
// between two results: the left one reads the number as the right-hand unit,
// the right one reads it as the left-hand unit. Gallons and pints are imperial.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"

enum class UnitPair {
    temperature,  // Celsius - Fahrenheit
    gallons,      // Gallons - Litres
    pounds,       // Pounds - Grams
    ounces,       // Ounces - Grams
    pints,        // Pints - Millilitres
};

struct PairResults {
    std::string left;   // e.g. "-17.8 °C"
    std::string right;  // e.g. "32.0 °F"
};

// Both results for the text of a pair's box, formatted with the locale. Both
// are empty when the text is empty or does not read as a number, and when the
// number rounds to -999999. In the temperature box a lone "-" counts as empty.
PairResults convertunits(UnitPair pair, std::string_view text, const FormatSettings& fs);
