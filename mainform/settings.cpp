#include "mainform/settings.h"

#include <cmath>
#include <cstring>

#include "platform/formatsettings.h"
#include "platform/settingsstore.h"

namespace {

constexpr std::size_t colwidthsbytes = gridcolumns * sizeof(double);  // 88
// A column dragged wider than the list has a fraction above 1.
constexpr double maxfraction = 10.0;

// A stored string value that is present and not empty.
std::optional<std::string> readtext(SettingsStore& store, const char* name)
{
    auto value = store.readstring(name);
    if (value && value->empty())
        return std::nullopt;
    return value;
}

void readflag(SettingsStore& store, const char* name, bool& flag)
{
    if (const auto value = readtext(store, name))
        flag = *value == "1";
}

std::optional<int> readnumber(SettingsStore& store, const char* name)
{
    const auto value = readtext(store, name);
    std::int32_t number = 0;
    if (!value || !parseint(*value, number))
        return std::nullopt;
    return number;
}

// Reads Left, Top, Width and Height in that order; the first one that is
// stored but is not a number ends the reading, and the ones after it are not
// applied.
void readplace(SettingsStore& store, WindowPlace& place)
{
    for (auto [name, slot] : {std::pair{"Left", &place.left}, std::pair{"Top", &place.top},
                              std::pair{"Width", &place.width}, std::pair{"Height", &place.height}}) {
        const auto text = readtext(store, name);
        if (!text)
            continue;
        std::int32_t number = 0;
        if (!parseint(*text, number))
            return;
        *slot = number;
    }
}

std::string flagtext(bool on) { return on ? "1" : "0"; }

}  // namespace

ColumnFractions defaultcolwidths()
{
    return {0.045, 0.225, 0.11, 0.11, 0.07, 0.07, 0.08, 0.07, 0.101, 0.101, 0};
}

std::string encodecolwidths(const ColumnFractions& fractions)
{
    std::string bytes(colwidthsbytes, '\0');
    std::memcpy(bytes.data(), fractions.data(), colwidthsbytes);
    return bytes;
}

void decodecolwidths(const std::string& bytes, ColumnFractions& fractions)
{
    const ColumnFractions defaults = defaultcolwidths();
    if (bytes.size() > colwidthsbytes) {
        fractions = defaults;
        return;
    }
    const std::size_t held = bytes.size() / sizeof(double);
    for (std::size_t i = 0; i < held; ++i) {
        double value;
        std::memcpy(&value, bytes.data() + i * sizeof(double), sizeof value);
        // NaN fails both comparisons.
        fractions[i] = value >= 0.0 && value <= maxfraction ? value : defaults[i];
    }
    fractions[gridcolumns - 1] = 0;
}

void readsettings(SettingsStore& store, Settings& settings, WindowPlace& place)
{
    if (!store.exists())
        return;
    readflag(store, "Reopen", settings.Reopen);
    readflag(store, "Tips", settings.Tips);
    readflag(store, "CopyOnClick", settings.CopyOnClick);
    readflag(store, "CreateBackups", settings.CreateBackups);
    readflag(store, "MetricUnits", settings.MetricUnits);
    readflag(store, "ShowReportMessage", settings.ShowReportMessage);
    if (const auto value = readtext(store, "FontSize"))
        settings.FontSize = *value == "0" ? "\"1\"" : "\"2\"";
    readflag(store, "SortDirection", settings.SortAscending);
    if (const auto value = readtext(store, "LastFile"))
        settings.LastFile = *value;
    if (const auto value = readtext(store, "Hiding"))
        settings.Hiding = *value == "1" ? 1 : *value == "2" ? 2 : 3;

    if (const auto bytes = store.readbinary("ColWidths"))
        decodecolwidths(*bytes, settings.ColWidths);

    if (const auto column = readnumber(store, "SortColumn"); column && *column >= 0 && *column < gridcolumns - 1)
        settings.SortColumn = *column;

    if (const auto max = readtext(store, "MAX"); max && *max == "1")
        place.maximized = true;
    else
        readplace(store, place);
}

bool writesettings(SettingsStore& store, const Settings& settings, const WindowPlace& place)
{
    if (!store.writable())
        return false;
    store.writestring("Left", std::to_string(place.left.value_or(0)));
    store.writestring("Top", std::to_string(place.top.value_or(0)));
    store.writestring("Width", std::to_string(place.width.value_or(0)));
    store.writestring("Height", std::to_string(place.height.value_or(0)));
    store.writestring("Reopen", flagtext(settings.Reopen));
    store.writestring("Tips", flagtext(settings.Tips));
    store.writestring("SortDirection", flagtext(settings.SortAscending));
    store.writestring("CreateBackups", flagtext(settings.CreateBackups));
    store.writestring("ShowReportMessage", flagtext(settings.ShowReportMessage));
    store.writestring("CopyOnClick", flagtext(settings.CopyOnClick));
    store.writestring("MetricUnits", flagtext(settings.MetricUnits));
    store.writestring("FontSize", flagtext(settings.FontSize == "\"2\""));
    store.writestring("LastFile", settings.LastFile);
    store.writestring("MAX", flagtext(place.maximized));
    store.writestring("SortColumn", std::to_string(settings.SortColumn));
    store.writestring("Hiding", std::to_string(settings.Hiding));
    store.writestring("HideDelay", std::to_string(settings.HideDelay));
    store.writebinary("ColWidths", encodecolwidths(settings.ColWidths));
    return store.sync();
}
