// A short date format read once into the steps that write a date, so that a
// list of many dates does not read the format again for each one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CivilDate;

class DatePattern {
public:
    // The empty format: writes nothing.
    DatePattern() = default;
    // Tokens d, dd, m, mm, yy, yyyy (either case, a longer run counts as the
    // longest form); "/" stands for `separator`; any other character is copied.
    DatePattern(std::string_view format, std::string_view separator);

    // True when the pattern was read from this format and separator.
    bool readfrom(std::string_view format, std::string_view separator) const
    {
        return format == format_ && separator == separator_;
    }

    // Appends the date as the format writes it.
    void append(std::string& out, const CivilDate& date) const;

private:
    enum class Part : char { text, day, month, year };
    struct Step {
        Part part;
        bool wide; // dd, mm and yyyy rather than d, m and yy
        std::string text; // the literal text of a text step
    };

    std::string format_;
    std::string separator_;
    std::vector<Step> steps_;
    std::size_t room_ = 0; // the longest text the steps can write
};
