#include "addacc/spinsteps.h"

#include <cstdint>

#include "records/tbaccrec.h"
#include "records/valueparse.h"

namespace {

struct RealSpin {
    double step;
    int decimals;
    double metricstart;
    double imperialstart;
};

RealSpin realspin(SpinField field)
{
    switch (field) {
    case SpinField::kgused:
        return { 0.05, 3, 1.0, 1.0 };
    case SpinField::pskgused:
        return { 0.05, 3, 0.18, 0.18 };
    case SpinField::fermkg:
        return { 0.05, 3, 1.0, 1.0 };
    case SpinField::water:
        return { 0.1, 1, 23.0, 5.0 };
    default:
        return { 1.0, 1, 21.0, 70.0 }; // brewing temperature
    }
}

std::string stepgravity(SpinField field, std::string_view text, bool up)
{
    const std::int64_t value = getint(text);
    if (value == -1)
        return field == SpinField::origgrav ? "1042" : "1006";
    if (up)
        return std::to_string(value + 1);
    return value <= 0 ? std::string() : std::to_string(value - 1);
}

} // namespace

std::string stepnumber(
    SpinField field, std::string_view text, bool up, bool metricunits, const FormatSettings& fs)
{
    if (field == SpinField::origgrav || field == SpinField::finalgrav)
        return stepgravity(field, text, up);
    const RealSpin spin = realspin(field);
    const double value = getreal(text, fs);
    if (isnotgiven(value))
        return formatfixed(metricunits ? spin.metricstart : spin.imperialstart, spin.decimals, fs);
    if (up)
        return formatfixed(value + spin.step, spin.decimals, fs);
    if (value < spin.step)
        return {};
    return formatfixed(value - spin.step, spin.decimals, fs);
}

std::optional<std::string> stepdate(std::string_view text, bool up, const FormatSettings& fs)
{
    const std::string stripped = strip(text);
    TDateTime date = 0;
    if (stripped.empty() || !parsedate(stripped, fs, date))
        return std::nullopt;
    return formatdate(date + (up ? 1 : -1), fs);
}
