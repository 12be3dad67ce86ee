#include <gtest/gtest.h>

#include "addacc/calcalc.h"
#include "addacc/dateaids.h"
#include "platform/keyfilter.h"
#include "addacc/spinsteps.h"
#include "records/calendar.h"

namespace {

const FormatSettings dot; // "." decimals, dd/mm/yyyy
const FormatSettings comma = commadecimalsettings(); // "," decimals, day first

struct AlcoholCase {
    const char* name;
    bool metric;
    const char *og, *fg, *temp, *priming;
    AlcoholResult::Action action;
    const char* text;
};

class Alcohol : public ::testing::TestWithParam<AlcoholCase> { };

TEST_P(Alcohol, FollowsGravitiesTemperatureAndPriming)
{
    const AlcoholCase& c = GetParam();
    const AlcoholResult r = calcalc({ c.og, c.fg, c.temp, c.priming }, c.metric, dot);
    EXPECT_EQ(r.action, c.action);
    EXPECT_EQ(r.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, Alcohol,
    ::testing::Values(
        AlcoholCase { "MetricWithAll", true, "1042", "1006", "21.0", "0.180", AlcoholResult::write, "5.2" },
        AlcoholCase { "NoTemperature", true, "1042", "1006", "", "0.180", AlcoholResult::write, "5.3" },
        AlcoholCase { "GravitiesOnly", true, "1042", "1006", "", "", AlcoholResult::write, "4.8" },
        AlcoholCase {
            "ImperialAllowanceIsFixed", false, "1042", "1006", "70.0", "0.5", AlcoholResult::write, "5.2" },
        AlcoholCase {
            "TinyPrimingCountsAsNone", false, "1042", "1006", "", "0.0005", AlcoholResult::write, "4.8" },
        AlcoholCase {
            "ColdLowersFinalGravity", true, "1042", "1006", "10.0", "", AlcoholResult::write, "4.9" },
        AlcoholCase {
            "WarmRaisesFinalGravity", true, "1042", "1006", "30.0", "", AlcoholResult::write, "4.3" },
        AlcoholCase { "DoubleMetricPriming", true, "1042", "1006", "", "0.360", AlcoholResult::write, "5.8" },
        AlcoholCase { "EqualGravitiesWarn", true, "1010", "1010", "", "", AlcoholResult::warn, "" },
        AlcoholCase { "OneAboveClearsWarning", true, "1011", "1010", "", "", AlcoholResult::write, "0.1" },
        AlcoholCase {
            "CorrectionCanTriggerWarning", true, "1010", "1009", "30.0", "", AlcoholResult::warn, "" },
        AlcoholCase { "NoFinalGravity", true, "1042", "", "21.0", "", AlcoholResult::clear, "" },
        AlcoholCase { "NoOriginalGravity", true, "", "1006", "", "", AlcoholResult::clear, "" },
        AlcoholCase { "LettersAreNotGiven", true, "1042", "abc", "", "", AlcoholResult::clear, "" },
        AlcoholCase { "TemperatureNotANumberIsIgnored", true, "1042", "1006", "warm", "",
            AlcoholResult::write, "4.8" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Alcohol, ReadsAndWritesTheLocaleDecimalSeparator)
{
    EXPECT_EQ(calcalc({ "1042", "1006", "21,0", "0,180" }, true, comma).text, "5,2");
    // A point is no decimal separator there: the temperature counts as not given.
    EXPECT_EQ(calcalc({ "1042", "1006", "21.0", "" }, true, comma).text, "4,8");
}

TEST(TemperatureCorrection, BandEdges)
{
    const std::pair<double, double> table[] = {
        { 51.9, -0.6 },
        { 52, -0.3 },
        { 56.9, -0.3 },
        { 57, 0 },
        { 62, 0 },
        { 62.1, 0.4 },
        { 65, 0.4 },
        { 65.1, 0.9 },
        { 70, 0.9 },
        { 70.1, 1.5 },
        { 74, 1.5 },
        { 74.1, 2.0 },
        { 80, 2.0 },
        { 80.1, 2.6 },
        { 83, 2.6 },
        { 83.1, 3.4 },
        { 90, 3.4 },
        { 90.1, 4.0 },
        { 93, 4.0 },
        { 93.1, 5.0 },
        { 97, 5.0 },
        { 97.1, 5.9 },
        { 102, 5.9 },
        { 102.1, 6.8 },
        { -40, -0.6 },
        { 212, 6.8 },
    };
    for (const auto& [f, points] : table)
        EXPECT_DOUBLE_EQ(tempcorrection(f), points) << f << " F";
}

struct SpinCase {
    SpinField field;
    const char* text;
    bool up;
    bool metric;
    const char* expected;
};

TEST(SpinButtons, StepProposeAndEmpty)
{
    const SpinCase table[] = {
        { SpinField::kgused, "1.000", true, true, "1.050" },
        { SpinField::kgused, "0.05", false, true, "0.000" },
        { SpinField::kgused, "0.04", false, true, "" },
        { SpinField::kgused, "", true, true, "1.000" },
        { SpinField::kgused, "", false, true, "1.000" },
        { SpinField::kgused, "lots", true, true, "1.000" },
        { SpinField::kgused, "0.15", false, true, "0.100" },
        { SpinField::pskgused, "", true, false, "0.180" },
        { SpinField::fermkg, "", false, true, "1.000" },
        { SpinField::water, "", true, true, "23.0" },
        { SpinField::water, "", true, false, "5.0" },
        { SpinField::water, "23.0", false, true, "22.9" },
        { SpinField::water, "0.1", false, true, "0.0" },
        { SpinField::water, "0.09", false, true, "" },
        { SpinField::brewtemp, "", true, true, "21.0" },
        { SpinField::brewtemp, "", true, false, "70.0" },
        { SpinField::brewtemp, "0.5", false, true, "" },
        { SpinField::brewtemp, "1.0", false, true, "0.0" },
        { SpinField::brewtemp, "21.0", true, true, "22.0" },
        { SpinField::origgrav, "", true, true, "1042" },
        { SpinField::finalgrav, "", false, true, "1006" },
        { SpinField::origgrav, "1042", true, true, "1043" },
        { SpinField::finalgrav, "1", false, true, "0" },
        { SpinField::finalgrav, "0", false, true, "" },
        { SpinField::origgrav, "2147483647", true, true, "2147483648" },
    };
    for (const SpinCase& c : table) {
        EXPECT_EQ(stepnumber(c.field, c.text, c.up, c.metric, dot), c.expected)
            << static_cast<int>(c.field) << " '" << c.text << "' " << (c.up ? "up" : "down");
    }
}

TEST(SpinButtons, UseTheLocaleDecimalSeparator)
{
    EXPECT_EQ(stepnumber(SpinField::kgused, "", true, true, comma), "1,000");
    EXPECT_EQ(stepnumber(SpinField::kgused, "1,5", false, true, comma), "1,450");
}

TEST(SpinButtons, DatesStepOneDayAndIgnoreWhatIsNoDate)
{
    EXPECT_EQ(stepdate("29/02/2024", true, dot), "01/03/2024");
    EXPECT_EQ(stepdate(" 01/01/2024 ", false, dot), "31/12/2023");
    EXPECT_EQ(stepdate("   ", true, dot), std::nullopt);
    EXPECT_EQ(stepdate("31/02/2024", true, dot), std::nullopt);
    EXPECT_EQ(stepdate("soon", false, dot), std::nullopt);
}

TEST(DateProposals, BottlingDateFollowsTheDaysSinceTheDateDown)
{
    const TDateTime down = encodedate(2024, 3, 1);
    const std::pair<TDateTime, TDateTime> table[] = {
        { encodedate(2024, 3, 3), encodedate(2024, 3, 8) }, // two days: a week after
        { encodedate(2024, 3, 4), encodedate(2024, 3, 4) }, // three days: today
        { encodedate(2024, 3, 5), encodedate(2024, 3, 5) },
        { encodedate(2024, 3, 7), encodedate(2024, 3, 7) }, // six days: today
        { encodedate(2024, 3, 8), encodedate(2024, 3, 8) }, // seven days: a week after
        { encodedate(2024, 3, 20), encodedate(2024, 3, 8) },
        { encodedate(2024, 2, 1), encodedate(2024, 3, 8) }, // down in the future
    };
    for (const auto& [today, expected] : table)
        EXPECT_EQ(bottlingproposal(down, today + 0.75), expected) << formatdate(today, dot);
}

TEST(DateProposals, DaysAfterCrossMonthsYearsAndLeapDays)
{
    const TDateTime bottled = encodedate(2024, 3, 8);
    EXPECT_EQ(daysafter(bottled, minusebydays), encodedate(2024, 3, 23));
    EXPECT_EQ(daysafter(bottled, maxusebydays), encodedate(2025, 3, 23));
    EXPECT_EQ(daysafter(encodedate(2023, 12, 31) + 0.5, 1), encodedate(2024, 1, 1));
    EXPECT_EQ(daysafter(encodedate(2024, 2, 28), 1), encodedate(2024, 2, 29));
    EXPECT_EQ(daynumber(bottled) - daynumber(encodedate(2024, 3, 1)), 7);
}

TEST(DateProposals, ReadingATextThatIsNoDateExplainsWhy)
{
    const DateText good = readdate("08/03/2024", dot);
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(good.date, encodedate(2024, 3, 8));

    const DateText bad = readdate("next week", dot);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.error, "'next week' is not a valid date");
}

struct KeyCase {
    KeyFilter filter;
    const char* typed;
    KeyVerdict::Action action;
    const char* text;
};

TEST(KeyFilters, AcceptRefuseAndTranslate)
{
    FormatSettings dotted = comma; // "," decimals and "." between date parts
    dotted.dateSeparator = ".";
    const KeyCase table[] = {
        { KeyFilter::anykey, "x", KeyVerdict::accept, "" },
        { KeyFilter::anykey, "\r", KeyVerdict::nextcontrol, "" },
        { KeyFilter::numberkeys, "7", KeyVerdict::accept, "" },
        { KeyFilter::numberkeys, "\b", KeyVerdict::accept, "" },
        { KeyFilter::numberkeys, ",", KeyVerdict::accept, "" },
        { KeyFilter::numberkeys, ".", KeyVerdict::replace, "," },
        { KeyFilter::numberkeys, "-", KeyVerdict::refuse, "" },
        { KeyFilter::numberkeys, "e", KeyVerdict::refuse, "" },
        { KeyFilter::numberkeys, "\x16", KeyVerdict::refuse, "" }, // Ctrl+V
        { KeyFilter::numberkeys, "\r", KeyVerdict::nextcontrol, "" },
        { KeyFilter::digitsonly, "0", KeyVerdict::accept, "" },
        { KeyFilter::digitsonly, ".", KeyVerdict::refuse, "" },
        { KeyFilter::digitsonly, ",", KeyVerdict::refuse, "" },
        { KeyFilter::digitsonly, "\x03", KeyVerdict::refuse, "" }, // Ctrl+C
        { KeyFilter::datekeys, ".", KeyVerdict::accept, "" },
        { KeyFilter::datekeys, "-", KeyVerdict::replace, "." },
        { KeyFilter::datekeys, "/", KeyVerdict::replace, "." },
        { KeyFilter::datekeys, "\\", KeyVerdict::replace, "." },
        { KeyFilter::datekeys, "a", KeyVerdict::refuse, "" },
        { KeyFilter::datekeys, " ", KeyVerdict::refuse, "" },
    };
    for (const KeyCase& c : table) {
        const KeyVerdict v = filterkey(c.filter, c.typed, dotted);
        EXPECT_EQ(v.action, c.action) << static_cast<int>(c.filter) << " '" << c.typed << "'";
        EXPECT_EQ(v.text, c.text) << static_cast<int>(c.filter) << " '" << c.typed << "'";
    }
    EXPECT_EQ(filterkey(KeyFilter::numberkeys, ".", dot).action, KeyVerdict::accept);
}

} // namespace
