#include "mainform/brewrows.h"

#include <utility>

#include "platform/codepage.h"
#include "platform/formatsettings.h"
#include "records/calendar.h"
#include "records/valueparse.h"

namespace {

std::string number(std::int32_t value, bool shown) { return shown ? std::to_string(value) : std::string(); }

std::string date(TDateTime value, bool shown, const FormatSettings& fs)
{
    return shown ? formatdate(value, fs) : std::string();
}

std::string real(double value, const FormatSettings& fs)
{
    return isnotgiven(value) ? std::string() : formatfixed(value, 1, fs);
}

// The batch name as stored, or the kit when the batch name holds only spaces.
std::string brewname(const tbaccrec& rec)
{
    const std::string batchname = getshortstring(rec.batchname);
    return ansitoutf8(strip(batchname).empty() ? getshortstring(rec.kit) : batchname);
}

}  // namespace

std::array<std::string, positioncolumn> brewrowtexts(const tbaccrec& rec, const FormatSettings& fs)
{
    return {
        number(rec.num, rec.num > 0),
        brewname(rec),
        date(rec.down, rec.down != nodate, fs),
        date(rec.bottled, !isoutdate(rec.bottled), fs),
        number(rec.days1, rec.days1 >= 0),
        number(rec.days2, rec.days2 >= 0),
        real(rec.brewtemp, fs),
        real(rec.alc, fs),
        date(rec.minub, rec.minub != nodate, fs),
        date(rec.maxub, rec.maxub != nodate, fs),
    };
}

bool reorderbypositions(RecordList& list, const std::vector<int>& positions)
{
    if (positions.size() != list.size())
        return false;
    std::vector<bool> seen(list.size(), false);
    for (const int k : positions) {
        if (k < 1 || static_cast<std::size_t>(k) > list.size() || seen[k - 1])
            return false;
        seen[k - 1] = true;
    }
    RecordList ordered;
    ordered.reserve(list.capacity());
    for (const int k : positions)
        ordered.push_back(std::move(list[k - 1]));
    list = std::move(ordered);
    return true;
}
