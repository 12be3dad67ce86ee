#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "mainform/settings.h"
#include "mainform/memorystore.h"

namespace {

struct ReadResult {
    Settings settings;
    WindowPlace place;
};

ReadResult readfrom(MemoryStore& store)
{
    ReadResult r;
    readsettings(store, r.settings, r.place);
    return r;
}

std::string fractionbytes(std::initializer_list<double> values)
{
    std::string bytes(values.size() * 8, '\0');
    std::memcpy(bytes.data(), std::data(values), bytes.size());
    return bytes;
}

TEST(Settings, NothingStoredKeepsEveryDefault)
{
    MemoryStore store;
    const auto r = readfrom(store);
    EXPECT_TRUE(r.settings.CreateBackups);
    EXPECT_TRUE(r.settings.MetricUnits);
    EXPECT_FALSE(r.settings.ShowReportMessage);
    EXPECT_EQ(r.settings.FontSize, "\"1\"");
    EXPECT_EQ(r.settings.Hiding, 3);
    EXPECT_EQ(r.settings.HideDelay, 30);
    EXPECT_TRUE(r.settings.Tips);
    EXPECT_EQ(r.settings.SortColumn, 0);
    EXPECT_TRUE(r.settings.SortAscending);
    EXPECT_EQ(r.settings.ColWidths, defaultcolwidths());
    EXPECT_FALSE(r.place.maximized);
    EXPECT_FALSE(r.place.left || r.place.top || r.place.width || r.place.height);
}

TEST(Settings, StringValuesReadByTheirRules)
{
    struct Case {
        const char* name;
        const char* value;
        void (*check)(const Settings&);
    };
    const Case cases[] = {
        {"FontSize", "1", [](const Settings& s) { EXPECT_EQ(s.FontSize, "\"2\""); }},
        {"FontSize", "0", [](const Settings& s) { EXPECT_EQ(s.FontSize, "\"1\""); }},
        {"FontSize", "x", [](const Settings& s) { EXPECT_EQ(s.FontSize, "\"2\""); }},
        {"SortDirection", "1", [](const Settings& s) { EXPECT_TRUE(s.SortAscending); }},
        {"SortDirection", "0", [](const Settings& s) { EXPECT_FALSE(s.SortAscending); }},
        {"SortDirection", "yes", [](const Settings& s) { EXPECT_FALSE(s.SortAscending); }},
        {"SortDirection", "", [](const Settings& s) { EXPECT_TRUE(s.SortAscending); }},
        {"CreateBackups", "0", [](const Settings& s) { EXPECT_FALSE(s.CreateBackups); }},
        {"CreateBackups", "true", [](const Settings& s) { EXPECT_FALSE(s.CreateBackups); }},
        {"MetricUnits", "0", [](const Settings& s) { EXPECT_FALSE(s.MetricUnits); }},
        {"ShowReportMessage", "1", [](const Settings& s) { EXPECT_TRUE(s.ShowReportMessage); }},
        {"Tips", "0", [](const Settings& s) { EXPECT_FALSE(s.Tips); }},
        {"Reopen", "0", [](const Settings& s) { EXPECT_FALSE(s.Reopen); }},
        {"CopyOnClick", "0", [](const Settings& s) { EXPECT_FALSE(s.CopyOnClick); }},
        {"Hiding", "1", [](const Settings& s) { EXPECT_EQ(s.Hiding, 1); }},
        {"Hiding", "2", [](const Settings& s) { EXPECT_EQ(s.Hiding, 2); }},
        {"Hiding", "7", [](const Settings& s) { EXPECT_EQ(s.Hiding, 3); }},
        {"HideDelay", "5", [](const Settings& s) { EXPECT_EQ(s.HideDelay, 30); }},
        {"LastFile", "/x/malvora.dat", [](const Settings& s) { EXPECT_EQ(s.LastFile, "/x/malvora.dat"); }},
        {"SortColumn", "9", [](const Settings& s) { EXPECT_EQ(s.SortColumn, 9); }},
        {"SortColumn", "10", [](const Settings& s) { EXPECT_EQ(s.SortColumn, 0); }},
        {"SortColumn", "-1", [](const Settings& s) { EXPECT_EQ(s.SortColumn, 0); }},
        {"SortColumn", "3x", [](const Settings& s) { EXPECT_EQ(s.SortColumn, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.value);
        MemoryStore store;
        store.strings[c.name] = c.value;
        c.check(readfrom(store).settings);
    }
}

TEST(Settings, WindowPlaceStopsAtTheFirstValueThatIsNoNumber)
{
    MemoryStore store;
    store.strings = {{"MAX", "1"}, {"Left", "abc"}, {"Top", "20"}};
    auto r = readfrom(store);
    EXPECT_TRUE(r.place.maximized);
    EXPECT_FALSE(r.place.top);

    store.strings = {{"MAX", "0"}, {"Left", "abc"}, {"Top", "20"}, {"Width", "600"}};
    r = readfrom(store);
    EXPECT_FALSE(r.place.maximized);
    EXPECT_FALSE(r.place.left || r.place.top || r.place.width);

    store.strings = {{"Left", "10"}, {"Top", "20"}, {"Width", "wide"}, {"Height", "300"}};
    r = readfrom(store);
    EXPECT_EQ(r.place.left, 10);
    EXPECT_EQ(r.place.top, 20);
    EXPECT_FALSE(r.place.width || r.place.height);
}

TEST(Settings, ColumnWidthRules)
{
    // The table before reading: the defaults with column 5 dragged wider.
    ColumnFractions before = defaultcolwidths();
    before[5] = 0.5;
    ColumnFractions full = {0.1, 0.2, 0.1, 0.1, 0.05, 0.05, 0.1, 0.1, 0.1, 0.05, 0.7};
    ColumnFractions fullread = full;
    fullread[10] = 0;
    ColumnFractions two = before;
    two[0] = 0.3;
    two[1] = 0.4;
    ColumnFractions odd = before;
    odd[1] = 2.5;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        std::string bytes;
        ColumnFractions expected;
    };
    const Case cases[] = {
        {"88 bytes replace the table, the last entry forced to 0", encodecolwidths(full), fullread},
        {"16 bytes and a piece replace the first two only", fractionbytes({0.3, 0.4}) + "abc", two},
        {"longer than 88 bytes gives the defaults", encodecolwidths(full) + "x", defaultcolwidths()},
        {"NaN, negative and huge fractions take their defaults", fractionbytes({nan, 2.5, -0.1, 1e300}), odd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryStore store;
        store.binaries["ColWidths"] = c.bytes;
        Settings settings;
        settings.ColWidths = before;
        WindowPlace place;
        readsettings(store, settings, place);
        EXPECT_EQ(settings.ColWidths, c.expected);
    }
}

TEST(Settings, ValueOfTheWrongKindReadsAsAbsent)
{
    MemoryStore store;
    store.binaries["SortDirection"] = "0";
    store.strings["ColWidths"] = "abc";
    const auto r = readfrom(store);
    EXPECT_TRUE(r.settings.SortAscending);
    EXPECT_EQ(r.settings.ColWidths, defaultcolwidths());
}

TEST(Settings, WriteOrderAndRoundTrip)
{
    Settings s;
    s.CreateBackups = false;
    s.MetricUnits = false;
    s.ShowReportMessage = true;
    s.FontSize = "\"2\"";
    s.Hiding = 1;
    s.Tips = false;
    s.Reopen = false;
    s.CopyOnClick = false;
    s.SortColumn = 4;
    s.SortAscending = false;
    s.LastFile = "/home/a/malvora.dat";
    s.ColWidths[3] = 0.25;
    WindowPlace place{false, 12, 34, 640, 480};

    MemoryStore store;
    ASSERT_TRUE(writesettings(store, s, place));
    const std::vector<std::string> order = {"Left", "Top", "Width", "Height", "Reopen", "Tips",
                                            "SortDirection", "CreateBackups", "ShowReportMessage",
                                            "CopyOnClick", "MetricUnits", "FontSize", "LastFile", "MAX",
                                            "SortColumn", "Hiding", "HideDelay", "ColWidths"};
    EXPECT_EQ(store.written, order);
    EXPECT_EQ(store.strings["FontSize"], "1");
    EXPECT_EQ(store.strings["SortDirection"], "0");
    EXPECT_EQ(store.strings["HideDelay"], "30");
    EXPECT_EQ(store.binaries["ColWidths"].size(), 88u);

    const auto r = readfrom(store);
    EXPECT_EQ(r.settings.CreateBackups, s.CreateBackups);
    EXPECT_EQ(r.settings.MetricUnits, s.MetricUnits);
    EXPECT_EQ(r.settings.ShowReportMessage, s.ShowReportMessage);
    EXPECT_EQ(r.settings.FontSize, s.FontSize);
    EXPECT_EQ(r.settings.Hiding, s.Hiding);
    EXPECT_EQ(r.settings.Tips, s.Tips);
    EXPECT_EQ(r.settings.Reopen, s.Reopen);
    EXPECT_EQ(r.settings.CopyOnClick, s.CopyOnClick);
    EXPECT_EQ(r.settings.SortColumn, s.SortColumn);
    EXPECT_EQ(r.settings.SortAscending, s.SortAscending);
    EXPECT_EQ(r.settings.LastFile, s.LastFile);
    EXPECT_EQ(r.settings.ColWidths, s.ColWidths);
    EXPECT_EQ(r.place.left, 12);
    EXPECT_EQ(r.place.top, 34);
    EXPECT_EQ(r.place.width, 640);
    EXPECT_EQ(r.place.height, 480);
}

TEST(Settings, UnwritableStoreWritesNothing)
{
    MemoryStore store;
    store.canwrite = false;
    EXPECT_FALSE(writesettings(store, Settings{}, WindowPlace{}));
    EXPECT_TRUE(store.written.empty());
}

}  // namespace
