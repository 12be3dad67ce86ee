// What the brew editor proposes when it opens: the next batch number and the
// items and selections of its four combo boxes, taken from the brews already
// in the list. `last` is the brew at the end of the list, null when the list
// is empty: nothing is then taken from it.
#pragma once

#include <string>
#include <string_view>

#include "addacc/combolist.h"
#include "records/brandtally.h"
#include "records/recordlist.h"

// The highest batch number of all brews, 0 when none is above 0.
int highestnum(const RecordList& records);

// Empty, or made only of blanks, tabs, line breaks and zero characters.
bool isblank(std::string_view text);

ComboList brewingsugarlist(const RecordList& records, const tbaccrec* last);
ComboList yeastlist(const RecordList& records, const tbaccrec* last);
ComboList primingsugarlist(const RecordList& records, const tbaccrec* last);
// The kit names of the tally, sorted, with the last brew's kit selected. With
// no kit names at all, the list holds only "Example brew kit", selected.
ComboList kitlist(const BrandTally& kits, const tbaccrec* last);

// Selecting the values of the brew being edited.
void loadkit(ComboList& kits, std::string_view kit);
// Brewing sugar and yeast.
void loadsugar(ComboList& list, std::string_view value);
void loadprimingsugar(ComboList& list, std::string_view value);

// Priming by gas instead of sugar: the priming sugar weight does not apply.
bool isforcedcarbonation(std::string_view primingsugar);

// How full the notes are: "50 % full" for 1000 of 2000 characters.
std::string notesgauge(std::size_t characters, std::size_t limit);
