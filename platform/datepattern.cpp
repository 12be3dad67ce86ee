#include "platform/datepattern.h"

#include "platform/formattokens.h"
#include "platform/tailwriter.h"
#include "records/calendar.h"

DatePattern::DatePattern(std::string_view format, std::string_view separator)
    : format_(format)
    , separator_(separator)
{
    for (std::size_t i = 0; i < format.size();) {
        const char token = lower(format[i]);
        if (token == 'd' || token == 'm' || token == 'y') {
            const std::size_t width = runlength(format, i);
            i += width;
            const Part part = token == 'd' ? Part::day : token == 'm' ? Part::month : Part::year;
            steps_.push_back({ part, width >= (part == Part::year ? 3u : 2u), {} });
            continue;
        }
        if (steps_.empty() || steps_.back().part != Part::text)
            steps_.push_back({ Part::text, false, {} });
        steps_.back().text += format[i] == '/' ? separator : format.substr(i, 1);
        ++i;
    }
    for (const Step& step : steps_)
        room_ += step.part == Part::text ? step.text.size() : TailWriter::introom;
}

void DatePattern::append(std::string& out, const CivilDate& date) const
{
    TailWriter writer(out, room_);
    for (const Step& step : steps_) {
        switch (step.part) {
        case Part::text:
            writer.put(step.text);
            break;
        case Part::day:
            writer.putnumber(date.day, step.wide ? 2 : 1);
            break;
        case Part::month:
            writer.putnumber(date.month, step.wide ? 2 : 1);
            break;
        case Part::year:
            if (step.wide)
                writer.putnumber(date.year, 4);
            else
                writer.putnumber(date.year % 100, 2);
            break;
        }
    }
}
