// What the brew list shows of each record, and keeping the record list in the
// order of the list's rows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/recordlist.h"

struct FormatSettings;

// The position column: the hidden last column, holding each row's 1-based
// position in the record list.
inline constexpr int positioncolumn = 10;

// The texts of columns 0 to 9 for one record, in UTF-8; empty where a value
// was not given.
std::array<std::string, positioncolumn> brewrowtexts(const tbaccrec& rec, const FormatSettings& fs);

// Brings the list into row order: positions[i] is the 1-based list position
// of the record that row i + 1 shows. Linear in the number of records. When
// `positions` is not an arrangement of 1 .. list size, nothing moves and the
// result is false.
bool reorderbypositions(RecordList& list, const std::vector<int>& positions);
