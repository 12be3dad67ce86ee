#include <gtest/gtest.h>

#include <cstring>

#include "filebytes.h"
#include "records/recordlist.h"

namespace {

filebytes::Bytes bytesof(const tbaccrec& rec)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&rec);
    return filebytes::Bytes(p, p + sizeof rec);
}

}  // namespace

TEST(BrewRecord, FieldsSitAtTheirOffsetsInTheStoredBytes)
{
    const filebytes::Bytes hand = filebytes::record(12, "Coopers Lager", kindModifiedKit);
    tbaccrec rec;
    std::memcpy(&rec, hand.data(), sizeof rec);

    EXPECT_EQ(+rec.num, 12);
    EXPECT_EQ(getshortstring(rec.kit), "Coopers Lager");
    EXPECT_EQ(+rec.down, 45000.0);
    EXPECT_EQ(+rec.maxub, 45379.0);
    EXPECT_EQ(getshortstring(rec.yeast), "Ale yeast");
    EXPECT_EQ(+rec.origgrav, 1046);
    EXPECT_EQ(+rec.pskgused, 0.35);
    EXPECT_EQ(+rec.days2, 14);
    EXPECT_EQ(getshortstring(rec.batchname), "Batch 12");
    EXPECT_EQ(+rec.taste, 30);
    EXPECT_EQ(getnotesstring(rec), "Good head");
    EXPECT_EQ(+rec.recordtype, kindModifiedKit);
    EXPECT_EQ(getextractsstring(rec), "Light malt");
    EXPECT_EQ(+rec.fermkgused, 1.5);
}

TEST(BrewRecord, CreatedFromFieldsGivesTheHandBuiltBytes)
{
    BrewFields f;
    f.num = 12;
    f.kit = "Coopers Lager";
    f.down = 45000.0;
    f.bottled = 45014.0;
    f.days = 0;
    f.alc = 5.2;
    f.minub = 45042.0;
    f.maxub = 45379.0;
    f.brewsugar = "Dextrose";
    f.kgused = 1.0;
    f.water = 23.0;
    f.yeast = "Ale yeast";
    f.origgrav = 1046;
    f.primingsugar = "Sucrose";
    f.pskgused = 0.35;
    f.finalgrav = 1006;
    f.days1 = 7;
    f.days2 = 14;
    f.brewtemp = 21.0;
    f.add1 = "Hop pellets";
    f.batchname = "Batch 12";
    f.appearance = 6;
    f.aroma = 7;
    f.taste = 30;
    f.notes = "Good head";
    f.recordtype = kindModifiedKit;
    f.extracts = "Light malt";
    f.fermkgused = 1.5;

    RecordList list;
    createnewrec(list, f);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(bytesof(*list[0]), filebytes::record(12, "Coopers Lager", kindModifiedKit));
}

TEST(BrewRecord, EmptyFieldsGiveTheNotGivenValues)
{
    const auto rec = makerecord(BrewFields{});
    EXPECT_EQ(+rec->num, -1);
    EXPECT_EQ(+rec->origgrav, -1);
    EXPECT_EQ(+rec->finalgrav, -1);
    EXPECT_EQ(+rec->days1, -1);
    EXPECT_EQ(+rec->days2, -1);
    for (double v : {rec->alc, rec->kgused, rec->water, rec->pskgused, rec->brewtemp, rec->fermkgused})
        EXPECT_EQ(v, notgivenreal);
    for (double d : {rec->down, rec->bottled, rec->minub, rec->maxub})
        EXPECT_EQ(d, nodate);
    EXPECT_EQ(rec->appearance + rec->aroma + rec->taste, 0);
    EXPECT_EQ(getshortstring(rec->kit), "");
    EXPECT_EQ(getnotesstring(*rec), "");
}

TEST(BrewRecord, TextsAreCutToTheirRoom)
{
    BrewFields f;
    f.kit = std::string(100, 'k');
    f.batchname = std::string(101, 'b');
    f.notes = std::string(1999, 'n');
    f.extracts = std::string(500, 'e');
    const auto rec = makerecord(f);
    EXPECT_EQ(getshortstring(rec->kit), std::string(100, 'k'));
    EXPECT_EQ(getshortstring(rec->batchname), std::string(100, 'b'));
    EXPECT_EQ(getnotesstring(*rec), std::string(1999, 'n'));
    EXPECT_EQ(getextractsstring(*rec), std::string(399, 'e'));

    putintonotes(std::string(3000, 'x'), *rec);
    EXPECT_EQ(getnotesstring(*rec).size(), 1999u);
}

TEST(BrewRecord, ReadersNeverPassTheEndOfAField)
{
    tbaccrec rec;
    std::memset(&rec, 'z', sizeof rec);
    rec.kit.len = 255;  // a length byte no program writes
    EXPECT_EQ(getshortstring(rec.kit), std::string(100, 'z'));
    EXPECT_EQ(getnotesstring(rec), std::string(1999, 'z'));
    EXPECT_EQ(getextractsstring(rec), std::string(399, 'z'));
}

TEST(BrewRecord, NotGivenRealsAreThoseThatRoundToMinusTenThousand)
{
    struct Case {
        double value;
        bool notgiven;
    };
    for (const Case c : {Case{-10000.0, true}, Case{-10000.4, true}, Case{-9999.5, true}, Case{-10000.5, true},
                         Case{-10000.6, false}, Case{-9999.4, false}, Case{0.0, false}})
        EXPECT_EQ(isnotgiven(c.value), c.notgiven) << c.value;
}

TEST(BrewRecord, ExampleRecordCarriesTheExampleValues)
{
    const auto rec = makerecord(examplerecord(46000.5));
    EXPECT_EQ(+rec->num, 1);
    EXPECT_EQ(getshortstring(rec->kit), "Example brew kit name");
    EXPECT_EQ(getshortstring(rec->batchname), "Example Batch Name");
    EXPECT_EQ(getnotesstring(*rec), "This is an example comment");
    EXPECT_EQ(getextractsstring(*rec), "Example extract");
    EXPECT_EQ(+rec->down, 46000.5);
    EXPECT_EQ(+rec->maxub, 46000.5);
    EXPECT_EQ(+rec->origgrav, 1046);
    EXPECT_EQ(+rec->finalgrav, 1006);
    EXPECT_EQ(+rec->days1, 0);
    EXPECT_EQ(+rec->fermkgused, 0.0);
}
