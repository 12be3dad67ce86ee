// The brew record: one fixed 4132-byte block, the same in memory and in the
// data file. Integers are 32-bit and reals binary64, both little-endian; dates
// are TDateTime day counts. Every offset is pinned below.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

static_assert(std::endian::native == std::endian::little,
              "the brew record is stored as it sits in memory, which needs a little-endian machine");

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

// The values that mean a field was not given.
inline constexpr TDateTime nodate = 2.0;          // 1900-01-01
inline constexpr double notgivenreal = -10000.0;  // test with isnotgiven()
inline constexpr std::int32_t notgivenint = -1;

// True when a real rounds to the not-given value (-10000.5 to -9999.5).
bool isnotgiven(double value);

// A short string: a length byte and up to 100 single-byte characters.
inline constexpr std::size_t shortstringmax = 100;
struct tbrewkitstring {
    std::uint8_t len;
    char text[shortstringmax];
};

inline constexpr std::size_t notessize = 2000;
inline constexpr std::size_t extractssize = 400;
using commentarraytype = char[notessize];
using extractsarraytype = char[extractssize];

#pragma pack(push, 1)
struct tbaccrec {
    std::int32_t num;
    tbrewkitstring kit;
    std::uint8_t b1, b2, b3;
    TDateTime down;
    TDateTime bottled;
    std::int32_t days;
    double alc;
    TDateTime minub;
    TDateTime maxub;
    tbrewkitstring brewsugar;
    std::uint8_t b4, b5, b6;
    double kgused;
    double water;
    tbrewkitstring yeast;
    std::uint8_t b7, b8, b9;
    std::int32_t origgrav;
    tbrewkitstring primingsugar;
    std::uint8_t b10, b11, b12;
    double pskgused;
    std::int32_t finalgrav;
    std::int32_t days1;
    std::int32_t days2;
    double brewtemp;
    tbrewkitstring add1;
    tbrewkitstring add2;
    tbrewkitstring add3;
    tbrewkitstring add4;
    tbrewkitstring add5;
    tbrewkitstring batchname;
    std::uint8_t b13, b14;
    std::int32_t appearance;
    std::int32_t aroma;
    std::int32_t taste;
    commentarraytype notes;
    std::int32_t recordtype;
    extractsarraytype extracts;
    double fermkgused;
    std::uint8_t dummy[588];
};
#pragma pack(pop)

inline constexpr std::size_t brewrecordsize = 4132;

static_assert(sizeof(tbaccrec) == brewrecordsize);
static_assert(offsetof(tbaccrec, num) == 0);
static_assert(offsetof(tbaccrec, kit) == 4);
static_assert(offsetof(tbaccrec, b1) == 105);
static_assert(offsetof(tbaccrec, down) == 108);
static_assert(offsetof(tbaccrec, bottled) == 116);
static_assert(offsetof(tbaccrec, days) == 124);
static_assert(offsetof(tbaccrec, alc) == 128);
static_assert(offsetof(tbaccrec, minub) == 136);
static_assert(offsetof(tbaccrec, maxub) == 144);
static_assert(offsetof(tbaccrec, brewsugar) == 152);
static_assert(offsetof(tbaccrec, b4) == 253);
static_assert(offsetof(tbaccrec, kgused) == 256);
static_assert(offsetof(tbaccrec, water) == 264);
static_assert(offsetof(tbaccrec, yeast) == 272);
static_assert(offsetof(tbaccrec, b7) == 373);
static_assert(offsetof(tbaccrec, origgrav) == 376);
static_assert(offsetof(tbaccrec, primingsugar) == 380);
static_assert(offsetof(tbaccrec, b10) == 481);
static_assert(offsetof(tbaccrec, pskgused) == 484);
static_assert(offsetof(tbaccrec, finalgrav) == 492);
static_assert(offsetof(tbaccrec, days1) == 496);
static_assert(offsetof(tbaccrec, days2) == 500);
static_assert(offsetof(tbaccrec, brewtemp) == 504);
static_assert(offsetof(tbaccrec, add1) == 512);
static_assert(offsetof(tbaccrec, add2) == 613);
static_assert(offsetof(tbaccrec, add3) == 714);
static_assert(offsetof(tbaccrec, add4) == 815);
static_assert(offsetof(tbaccrec, add5) == 916);
static_assert(offsetof(tbaccrec, batchname) == 1017);
static_assert(offsetof(tbaccrec, b13) == 1118);
static_assert(offsetof(tbaccrec, appearance) == 1120);
static_assert(offsetof(tbaccrec, aroma) == 1124);
static_assert(offsetof(tbaccrec, taste) == 1128);
static_assert(offsetof(tbaccrec, notes) == 1132);
static_assert(offsetof(tbaccrec, recordtype) == 3132);
static_assert(offsetof(tbaccrec, extracts) == 3136);
static_assert(offsetof(tbaccrec, fermkgused) == 3536);
static_assert(offsetof(tbaccrec, dummy) == 3544);

// recordtype values.
enum BrewKind : std::int32_t { kindKit = 0, kindExtract = 1, kindModifiedKit = 2 };

// Reads a short string: at most 100 bytes, whatever its length byte says.
std::string getshortstring(const tbrewkitstring& s);
// The same text read in place, valid while the record lives.
inline std::string_view shortstringview(const tbrewkitstring& s)
{
    return {s.text, s.len < shortstringmax ? s.len : shortstringmax};
}
// Stores single-byte text, cut to 100 bytes; the bytes after it become zero.
void setshortstring(tbrewkitstring& s, std::string_view text);

// notes and extracts: zero-terminated, at most 1999 and 399 bytes of text.
void putintonotes(std::string_view text, tbaccrec& rec);
void putintoextracts(std::string_view text, tbaccrec& rec);
std::string getnotesstring(const tbaccrec& rec);
std::string getextractsstring(const tbaccrec& rec);
