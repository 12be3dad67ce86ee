// The editor's spin buttons: one step up or down on the text of their field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/formatsettings.h"

enum class SpinField {
    kgused, // brewing sugar weight
    pskgused, // priming sugar weight
    fermkg, // fermentables weight
    water,
    brewtemp,
    origgrav,
    finalgrav,
};

// The field's new text after one click. A field that holds no number gets the
// field's usual value; stepping below one step empties the field.
std::string stepnumber(
    SpinField field, std::string_view text, bool up, bool metricunits, const FormatSettings& fs);

// One day later or earlier, as a short date; nothing when the text is empty
// or not a date.
std::optional<std::string> stepdate(std::string_view text, bool up, const FormatSettings& fs);
