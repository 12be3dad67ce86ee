// The user's settings: their values in memory, their defaults, and how they
// are read from and written to the settings store.
#pragma once

#include <array>
#include <optional>
#include <string>

class SettingsStore;

// The brew list's columns: 0 to 9 shown, 10 the hidden position column.
inline constexpr int gridcolumns = 11;
using ColumnFractions = std::array<double, gridcolumns>;

// Each column's width as a fraction of the list's width.
ColumnFractions defaultcolwidths();
// The stored form of the fractions: 88 bytes, binary64 little-endian.
std::string encodecolwidths(const ColumnFractions& fractions);
// Reads a stored value over `fractions`: a value of at most 88 bytes replaces
// the fractions it holds whole; a longer one gives the defaults. A fraction
// that is not a number from 0 to 10 gives that column's default. The position
// column's fraction is always 0.
void decodecolwidths(const std::string& bytes, ColumnFractions& fractions);

struct Settings {
    bool CreateBackups = true;
    bool MetricUnits = true;
    bool ShowReportMessage = false;   // on: the notice before a report is skipped
    std::string FontSize = "\"1\"";   // the reports' font size attribute: "1" small, "2" large
    int Hiding = 3;                   // 1 blanks the list every HideDelay seconds
    int HideDelay = 30;               // seconds
    ColumnFractions ColWidths = defaultcolwidths();
    bool Reopen = true;
    bool CopyOnClick = true;
    std::string LastFile;
    // Held by the window and its list; kept here between reading and applying.
    bool Tips = true;
    int SortColumn = 0;
    bool SortAscending = true;
};

// The window's place. Read: each value that was stored and read as a number.
struct WindowPlace {
    bool maximized = false;
    std::optional<int> left, top, width, height;
};

// Reads every stored value over the defaults in `settings` and `place`.
// Absent, empty and unreadable values change nothing.
void readsettings(SettingsStore& store, Settings& settings, WindowPlace& place);
// Writes every value. False when the store could not be written.
bool writesettings(SettingsStore& store, const Settings& settings, const WindowPlace& place);
