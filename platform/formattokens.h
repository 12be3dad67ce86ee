// Reading the letters of the date and time formats, and writing their numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/tailwriter.h"

inline char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The length of the run of the same letter (either case) starting at i.
inline std::size_t runlength(std::string_view format, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < format.size() && lower(format[i + n]) == lower(format[i]))
        ++n;
    return n;
}

// A number of at least `width` digits, zeros in front.
inline void appendnumber(std::string& out, int n, int width)
{
    TailWriter(out, TailWriter::introom).putnumber(n, width);
}
