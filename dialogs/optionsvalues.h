// The settings the Options dialog shows and changes.
#pragma once

#include <string>

// The report font-size attribute, quotes included, as the reports write it.
inline const std::string smallfontsize = "\"1\"";
inline const std::string largefontsize = "\"2\"";

struct OptionsValues {
    std::string FontSize = smallfontsize;
    bool MetricUnits = true;
    bool tips = true;  // the main window's tool tips
};
