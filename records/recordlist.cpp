#include "records/recordlist.h"

#include <cstring>

std::unique_ptr<tbaccrec> makerecord(const BrewFields& f)
{
    auto rec = std::make_unique<tbaccrec>();
    std::memset(rec.get(), 0, sizeof(tbaccrec));
    tbaccrec& r = *rec;
    r.num = f.num;
    setshortstring(r.kit, f.kit);
    r.down = f.down;
    r.bottled = f.bottled;
    r.days = f.days;
    r.alc = f.alc;
    r.minub = f.minub;
    r.maxub = f.maxub;
    setshortstring(r.brewsugar, f.brewsugar);
    r.kgused = f.kgused;
    r.water = f.water;
    setshortstring(r.yeast, f.yeast);
    r.origgrav = f.origgrav;
    setshortstring(r.primingsugar, f.primingsugar);
    r.pskgused = f.pskgused;
    r.finalgrav = f.finalgrav;
    r.days1 = f.days1;
    r.days2 = f.days2;
    r.brewtemp = f.brewtemp;
    setshortstring(r.add1, f.add1);
    setshortstring(r.add2, f.add2);
    setshortstring(r.add3, f.add3);
    setshortstring(r.add4, f.add4);
    setshortstring(r.add5, f.add5);
    setshortstring(r.batchname, f.batchname);
    r.appearance = f.appearance;
    r.aroma = f.aroma;
    r.taste = f.taste;
    putintonotes(f.notes, r);
    putintoextracts(f.extracts, r);
    r.recordtype = f.recordtype;
    r.fermkgused = f.fermkgused;
    return rec;
}

tbaccrec& createnewrec(RecordList& list, const BrewFields& fields)
{
    list.push_back(makerecord(fields));
    return *list.back();
}

BrewFields recordfields(const tbaccrec& r)
{
    BrewFields f;
    f.num = r.num;
    f.kit = getshortstring(r.kit);
    f.down = r.down;
    f.bottled = r.bottled;
    f.days = r.days;
    f.alc = r.alc;
    f.minub = r.minub;
    f.maxub = r.maxub;
    f.brewsugar = getshortstring(r.brewsugar);
    f.kgused = r.kgused;
    f.water = r.water;
    f.yeast = getshortstring(r.yeast);
    f.origgrav = r.origgrav;
    f.primingsugar = getshortstring(r.primingsugar);
    f.pskgused = r.pskgused;
    f.finalgrav = r.finalgrav;
    f.days1 = r.days1;
    f.days2 = r.days2;
    f.brewtemp = r.brewtemp;
    f.add1 = getshortstring(r.add1);
    f.add2 = getshortstring(r.add2);
    f.add3 = getshortstring(r.add3);
    f.add4 = getshortstring(r.add4);
    f.add5 = getshortstring(r.add5);
    f.batchname = getshortstring(r.batchname);
    f.appearance = r.appearance;
    f.aroma = r.aroma;
    f.taste = r.taste;
    f.notes = getnotesstring(r);
    f.recordtype = r.recordtype;
    f.extracts = getextractsstring(r);
    f.fermkgused = r.fermkgused;
    return f;
}

BrewFields examplerecord(TDateTime now)
{
    BrewFields f;
    f.num = 1;
    f.kit = "Example brew kit name";
    f.extracts = "Example extract";
    f.notes = "This is an example comment";
    f.batchname = "Example Batch Name";
    f.brewsugar = "Dextrose";
    f.primingsugar = "Sucrose";
    f.down = f.bottled = f.minub = f.maxub = now;
    f.days = f.days1 = f.days2 = 0;
    f.alc = 5.0;
    f.kgused = 1.0;
    f.water = 23.0;
    f.origgrav = 1046;
    f.finalgrav = 1006;
    f.pskgused = 0.35;
    f.brewtemp = 21.0;
    f.recordtype = kindKit;
    f.fermkgused = 0.0;
    return f;
}
