#include "addacc/editorfill.h"

#include <algorithm>
#include <cmath>

namespace {

const std::vector<std::string> brewingsugaritems = {
    "",
    "Brown sugar",
    "Coopers brewing sugar",
    "Dextrose (brewers sugar)",
    "Raw sugar",
    "Sucrose (ordinary sugar)",
};

const std::vector<std::string> primingsugaritems = {
    "",
    "Brown sugar",
    "Coopers brewing sugar",
    "Coopers sugar drops",
    "Dextrose (brewers sugar)",
    "Force carbonation (CO2 bottle)",
    "Raw sugar",
    "Sucrose (ordinary sugar)",
};

// Selects the last brew's value, adding it when the list lacks it and it is
// not empty.
void selectlast(ComboList& list, const std::string& value)
{
    if (list.selecttext(value))
        return;
    if (!value.empty()) {
        list.add(value);
        if (!list.selecttext(value))
            list.select(0);
    }
}

} // namespace

int highestnum(const RecordList& records)
{
    int highest = 0;
    for (const auto& rec : records)
        highest = std::max(highest, static_cast<int>(rec->num));
    return highest;
}

bool isblank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
        [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; });
}

ComboList brewingsugarlist(const RecordList& records, const tbaccrec* last)
{
    ComboList list(brewingsugaritems, true);
    for (const auto& rec : records) {
        std::string sugar = getshortstring(rec->brewsugar);
        if (!isblank(sugar) && !list.holds(sugar))
            list.add(std::move(sugar));
    }
    list.selecttext("Dextrose (brewers sugar)");
    if (last)
        selectlast(list, getshortstring(last->brewsugar));
    return list;
}

ComboList yeastlist(const RecordList& records, const tbaccrec* last)
{
    ComboList list({}, true);
    for (const auto& rec : records) {
        std::string yeast = getshortstring(rec->yeast);
        if (!isblank(yeast) && !list.holds(yeast))
            list.add(std::move(yeast));
    }
    list.select(0);
    if (!last)
        return list;
    const std::string yeast = getshortstring(last->yeast);
    if (yeast.empty() && !list.holds(yeast)) {
        list.add("");
        list.select(0);
        return list;
    }
    selectlast(list, yeast);
    return list;
}

ComboList primingsugarlist(const RecordList& records, const tbaccrec* last)
{
    ComboList list(primingsugaritems, true);
    for (const auto& rec : records) {
        std::string sugar = getshortstring(rec->primingsugar);
        if (!list.holds(sugar))
            list.add(std::move(sugar));
    }
    list.selecttext("Sucrose (ordinary sugar)");
    if (last)
        selectlast(list, getshortstring(last->primingsugar));
    return list;
}

ComboList kitlist(const BrandTally& kits, const tbaccrec* last)
{
    ComboList list;
    for (const BrandEntry& entry : kits)
        list.add(entry.name);
    list.makesorted();
    if (list.items().empty()) {
        list.add("Example brew kit");
        list.select(0);
        return list;
    }
    const std::string kit = last ? getshortstring(last->kit) : std::string();
    selectlast(list, kit);
    if (kit.empty())
        list.settext("");
    return list;
}

void loadkit(ComboList& kits, std::string_view kit)
{
    if (kits.selecttext(kit))
        return;
    if (!kit.empty()) {
        kits.select(0);
        return;
    }
    kits.select(-1);
}

void loadsugar(ComboList& list, std::string_view value)
{
    if (list.selecttext(value))
        return;
    list.add(std::string(value));
    list.select(0);
}

void loadprimingsugar(ComboList& list, std::string_view value)
{
    if (list.selecttext(value))
        return;
    list.insertfirst(std::string(value));
    list.select(0);
}

bool isforcedcarbonation(std::string_view primingsugar)
{
    return primingsugar.starts_with("Force carbonation");
}

std::string notesgauge(std::size_t characters, std::size_t limit)
{
    // Halves go to the even number: 0.5 gives 0, 1.5 gives 2.
    const double percent = static_cast<double>(characters) / static_cast<double>(limit) * 100.0;
    return std::to_string(static_cast<long long>(std::nearbyint(percent))) + " % full";
}
