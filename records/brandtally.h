// The kit name tally: each distinct kit name of the brews, compared without
// regard to the case of ASCII letters, with the number of brews that use it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/recordlist.h"

struct BrandEntry {
    std::string name;  // single-byte text, as the first brew with it writes it
    std::int32_t count = 0;
};
using BrandTally = std::vector<BrandEntry>;

// Builds the tally in list order of first appearance. Trims blanks and control
// characters from every record's kit name, in the record itself. Brews with no
// kit name are not counted. The table has no fixed limit.
BrandTally getbrandinfo(RecordList& list);
