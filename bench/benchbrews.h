// The brews the benchmarks measure with: dated a day apart, 500 kit names.
#pragma once

#include <string>

#include "records/recordlist.h"

inline BrewFields benchbrew(int i)
{
    BrewFields f = examplerecord(40000.0 + i);
    f.num = i + 1;
    f.kit = "Kit " + std::to_string(i % 500);
    return f;
}
