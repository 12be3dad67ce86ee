#include <gtest/gtest.h>

#include "addacc/editorfill.h"

namespace {

using Items = std::vector<std::string>;

struct Brew {
    int num = 1;
    const char* kit = "";
    const char* brewsugar = "";
    const char* yeast = "";
    const char* primingsugar = "";
};

RecordList brews(std::initializer_list<Brew> list)
{
    RecordList records;
    for (const Brew& b : list) {
        BrewFields f;
        f.num = b.num;
        f.kit = b.kit;
        f.brewsugar = b.brewsugar;
        f.yeast = b.yeast;
        f.primingsugar = b.primingsugar;
        createnewrec(records, f);
    }
    return records;
}

const tbaccrec* lastof(const RecordList& records)
{
    return records.empty() ? nullptr : records.back().get();
}

TEST(EditorFill, ProposesTheNumberAfterTheHighest)
{
    EXPECT_EQ(highestnum(brews({ { 3 }, { 12 }, { 7 } })) + 1, 13);
    EXPECT_EQ(highestnum(brews({ { 0 }, { -1 } })) + 1, 1);
    EXPECT_EQ(highestnum(RecordList {}) + 1, 1);
}

TEST(EditorFill, BlankMeansOnlyBlanksTabsLineBreaksAndZeros)
{
    EXPECT_TRUE(isblank(""));
    EXPECT_TRUE(isblank(std::string(" \t\r\n\0", 5)));
    EXPECT_FALSE(isblank(" x "));
}

TEST(EditorFill, BrewingSugarsGainTheBrewsSugarsAndSelectTheLastOne)
{
    const RecordList records
        = brews({ { 1, "", "honey" }, { 2, "", "  " }, { 3, "", "HONEY" }, { 4, "", "Malt" } });
    const ComboList list = brewingsugarlist(records, lastof(records));
    EXPECT_EQ(list.items(),
        (Items { "", "Brown sugar", "Coopers brewing sugar", "Dextrose (brewers sugar)", "honey", "Malt",
            "Raw sugar", "Sucrose (ordinary sugar)" }));
    EXPECT_EQ(list.text(), "Malt");

    // A last brew with no sugar selects the empty item; none at all, dextrose.
    const RecordList nosugar = brews({ { 1, "", "honey" }, { 2, "", "" } });
    EXPECT_EQ(brewingsugarlist(nosugar, lastof(nosugar)).index(), 0);
    EXPECT_EQ(brewingsugarlist({}, nullptr).text(), "Dextrose (brewers sugar)");
}

TEST(EditorFill, BlankLastSugarIsAddedAndSelected)
{
    const RecordList records = brews({ { 1, "", "  " } });
    const ComboList list = brewingsugarlist(records, lastof(records));
    EXPECT_EQ(list.text(), "  ");
    EXPECT_EQ(list.items().size(), 7u);
}

TEST(EditorFill, YeastsComeFromTheBrewsOnly)
{
    const RecordList records
        = brews({ { 1, "", "", "US-05" }, { 2, "", "", "nottingham" }, { 3, "", "", "us-05" } });
    const ComboList list = yeastlist(records, lastof(records));
    EXPECT_EQ(list.items(), (Items { "nottingham", "US-05" }));
    EXPECT_EQ(list.text(), "US-05");

    // A last brew without yeast adds an empty item, which sorts first.
    const RecordList noyeast = brews({ { 1, "", "", "US-05" }, { 2, "", "", "" } });
    const ComboList empty = yeastlist(noyeast, lastof(noyeast));
    EXPECT_EQ(empty.items(), (Items { "", "US-05" }));
    EXPECT_EQ(empty.index(), 0);
    EXPECT_EQ(empty.text(), "");

    const ComboList none = yeastlist({}, nullptr);
    EXPECT_TRUE(none.items().empty());
    EXPECT_EQ(none.text(), "");
}

TEST(EditorFill, PrimingSugarsKeepEveryBrewsTextAndSelectTheLastOne)
{
    const RecordList records = brews({ { 1, "", "", "", "corn sugar" }, { 2, "", "", "", "Raw sugar" } });
    const ComboList list = primingsugarlist(records, lastof(records));
    EXPECT_EQ(list.items().size(), 9u);
    EXPECT_TRUE(list.holds("Corn Sugar"));
    EXPECT_EQ(list.text(), "Raw sugar");
    EXPECT_EQ(primingsugarlist({}, nullptr).text(), "Sucrose (ordinary sugar)");
}

TEST(EditorFill, KitsAreSortedWithTheLastBrewsKitSelected)
{
    RecordList records
        = brews({ { 1, "Muntons Bitter" }, { 2, "coopers lager" }, { 3, "Black Rock Stout" } });
    const ComboList list = kitlist(getbrandinfo(records), lastof(records));
    EXPECT_EQ(list.items(), (Items { "Black Rock Stout", "coopers lager", "Muntons Bitter" }));
    EXPECT_EQ(list.index(), 0);
    EXPECT_EQ(list.text(), "Black Rock Stout");
}

TEST(EditorFill, LastBrewWithoutKitShowsNoKit)
{
    RecordList records = brews({ { 1, "Muntons Bitter" }, { 2, "" } });
    const ComboList list = kitlist(getbrandinfo(records), lastof(records));
    EXPECT_EQ(list.index(), -1);
    EXPECT_EQ(list.text(), "");
}

TEST(EditorFill, NoKitNamesAtAllProposeTheExampleKit)
{
    RecordList records = brews({ { 1, "" } });
    for (const tbaccrec* last : { lastof(records), static_cast<const tbaccrec*>(nullptr) }) {
        const ComboList list = kitlist(getbrandinfo(records), last);
        EXPECT_EQ(list.items(), Items { "Example brew kit" });
        EXPECT_EQ(list.text(), "Example brew kit");
    }
}

TEST(EditorLoad, KitOfTheEditedBrew)
{
    ComboList kits({ "Black Rock Stout", "Coopers Lager" }, true);
    kits.select(1);
    loadkit(kits, "black rock stout");
    EXPECT_EQ(kits.index(), 0);
    loadkit(kits, "");
    EXPECT_EQ(kits.index(), -1);
    EXPECT_EQ(kits.text(), "");
    loadkit(kits, "Unknown");
    EXPECT_EQ(kits.index(), 0);
}

TEST(EditorLoad, SugarsMissingFromTheListAreAdded)
{
    ComboList yeasts({ "US-05" }, true);
    loadsugar(yeasts, "");
    EXPECT_EQ(yeasts.items(), (Items { "", "US-05" }));
    EXPECT_EQ(yeasts.text(), "");

    ComboList priming({ "Raw sugar", "Sucrose (ordinary sugar)" }, true);
    loadprimingsugar(priming, "Zucker");
    EXPECT_EQ(priming.items().front(), "Zucker");
    EXPECT_EQ(priming.text(), "Zucker");
    loadprimingsugar(priming, "raw SUGAR");
    EXPECT_EQ(priming.text(), "Raw sugar");
}

TEST(ComboLists, CaseIsIgnoredForAccentedLettersToo)
{
    EXPECT_TRUE(sametextignoringcase("\xC9tat", "\xE9TAT")); // État, éTAT
    EXPECT_FALSE(sametextignoringcase("abc", "abd"));
    ComboList list({ "b", "A", "c" }, true);
    EXPECT_EQ(list.items(), (Items { "A", "b", "c" }));
    list.select(1);
    list.add("a");
    EXPECT_EQ(list.items(), (Items { "A", "a", "b", "c" }));
    EXPECT_EQ(list.text(), "b");
    EXPECT_EQ(list.index(), 2);
}

TEST(NotesGauge, RoundsHalvesToEven)
{
    EXPECT_EQ(notesgauge(1000, 2000), "50 % full");
    EXPECT_EQ(notesgauge(10, 2000), "0 % full");
    EXPECT_EQ(notesgauge(30, 2000), "2 % full");
    EXPECT_EQ(notesgauge(50, 2000), "2 % full");
    EXPECT_EQ(notesgauge(0, 2000), "0 % full");
    EXPECT_EQ(notesgauge(2000, 2000), "100 % full");
}

TEST(ForcedCarbonation, RecognisedByItsBeginning)
{
    EXPECT_TRUE(isforcedcarbonation("Force carbonation (CO2 bottle)"));
    EXPECT_TRUE(isforcedcarbonation("Force carbonation"));
    EXPECT_FALSE(isforcedcarbonation("force carbonation"));
    EXPECT_FALSE(isforcedcarbonation("Raw sugar"));
}

} // namespace
