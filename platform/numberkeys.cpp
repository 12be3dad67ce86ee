#include "platform/numberkeys.h"

NumberKey numberkey(std::string_view typed, bool allowminus, const FormatSettings& fs)
{
    if (typed == "\r" || typed == "\n")
        return {KeyVerdict::nextcontrol, {}};
    if (typed == "\b")
        return {KeyVerdict::accept, {}};
    if (typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9')
        return {KeyVerdict::accept, {}};
    if (typed == "-" && allowminus)
        return {KeyVerdict::accept, {}};
    if (!fs.decimalSeparator.empty() && typed == fs.decimalSeparator)
        return {KeyVerdict::accept, {}};
    // The full stop is the decimal key on every keypad, whatever the locale.
    if (typed == "." && !fs.decimalSeparator.empty())
        return {KeyVerdict::replace, fs.decimalSeparator};
    return {KeyVerdict::discard, {}};
}
