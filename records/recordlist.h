// The record list: the brews in list order, each a separately allocated record.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "records/tbaccrec.h"

using RecordList = std::vector<std::unique_ptr<tbaccrec>>;

// One value for every field a brew is created from. Texts are single-byte
// (Windows-1252) text as stored in the record; every field starts not given.
struct BrewFields {
    std::int32_t num = notgivenint;
    std::string kit;
    TDateTime down = nodate;
    TDateTime bottled = nodate;
    std::int32_t days = 0;
    double alc = notgivenreal;
    TDateTime minub = nodate;
    TDateTime maxub = nodate;
    std::string brewsugar;
    double kgused = notgivenreal;
    double water = notgivenreal;
    std::string yeast;
    std::int32_t origgrav = notgivenint;
    std::string primingsugar;
    double pskgused = notgivenreal;
    std::int32_t finalgrav = notgivenint;
    std::int32_t days1 = notgivenint;
    std::int32_t days2 = notgivenint;
    double brewtemp = notgivenreal;
    std::string add1, add2, add3, add4, add5;
    std::string batchname;
    std::int32_t appearance = 0;
    std::int32_t aroma = 0;
    std::int32_t taste = 0;
    std::string notes;
    std::int32_t recordtype = kindKit;
    std::string extracts;
    double fermkgused = notgivenreal;
};

// A zero-filled record holding the given values.
std::unique_ptr<tbaccrec> makerecord(const BrewFields& fields);
// Builds a record from the values and appends it to the end of the list.
tbaccrec& createnewrec(RecordList& list, const BrewFields& fields);
// Reads every field of a record back into values.
BrewFields recordfields(const tbaccrec& rec);

// The record start-up shows while there is no data file; dated `now`.
BrewFields examplerecord(TDateTime now);
