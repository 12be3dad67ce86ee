#include "platform/keyfilter.h"

namespace {

bool isdigit(std::string_view typed)
{
    return typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9';
}

KeyVerdict acceptorreplace(std::string_view typed, const std::string& wanted)
{
    if (typed == wanted)
        return { KeyVerdict::accept, {} };
    return { KeyVerdict::replace, wanted };
}

} // namespace

KeyVerdict filterkey(KeyFilter filter, std::string_view typed, const FormatSettings& fs)
{
    if (typed == "\r" || typed == "\n")
        return { KeyVerdict::nextcontrol, {} };
    if (filter == KeyFilter::anykey || isdigit(typed) || typed == "\b")
        return { KeyVerdict::accept, {} };
    switch (filter) {
    case KeyFilter::signednumberkeys:
        if (typed == "-")
            return { KeyVerdict::accept, {} };
        [[fallthrough]];
    case KeyFilter::numberkeys:
        if (typed == fs.decimalSeparator || typed == ".")
            return acceptorreplace(typed, fs.decimalSeparator);
        break;
    case KeyFilter::datekeys:
        if (typed == fs.dateSeparator || typed == "-" || typed == "/" || typed == "\\")
            return acceptorreplace(typed, fs.dateSeparator);
        break;
    default:
        break;
    }
    return { KeyVerdict::refuse, {} };
}
