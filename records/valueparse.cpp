#include "records/valueparse.h"

std::string strip(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::int32_t getint(std::string_view text)
{
    std::int32_t value;
    return parseint(strip(text), value) ? value : notgivenint;
}

double getreal(std::string_view text, const FormatSettings& fs)
{
    double value;
    return parsereal(strip(text), fs, value) ? value : notgivenreal;
}

TDateTime getdate(std::string_view text, const FormatSettings& fs)
{
    TDateTime value;
    return parsedate(strip(text), fs, value) ? value : nodate;
}
