// Builds data files byte by byte, from the file layout alone, for the tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace filebytes {

using Bytes = std::vector<unsigned char>;

inline void putint(Bytes& b, std::size_t at, std::int32_t v) { std::memcpy(&b[at], &v, 4); }
inline void putreal(Bytes& b, std::size_t at, double v) { std::memcpy(&b[at], &v, 8); }
inline void putshort(Bytes& b, std::size_t at, const std::string& s)
{
    b[at] = static_cast<unsigned char>(s.size());
    std::memcpy(&b[at + 1], s.data(), s.size());
}
inline std::int32_t getint(const Bytes& b, std::size_t at)
{
    std::int32_t v;
    std::memcpy(&v, &b[at], 4);
    return v;
}
inline double getreal(const Bytes& b, std::size_t at)
{
    double v;
    std::memcpy(&v, &b[at], 8);
    return v;
}

// The three fixed blocks: header with the given version, reserved block, shopping list.
inline Bytes fileheader(const std::string& version = "1.92", const std::string& shopping = "")
{
    Bytes b(16423, 0);
    putshort(b, 0, "vlq");
    putshort(b, 6, version);
    std::memcpy(&b[10422], shopping.data(), shopping.size());
    return b;
}

// A record with a few fields set by offset; every other byte zero.
inline Bytes record(std::int32_t num, const std::string& kit, std::int32_t recordtype = 0)
{
    Bytes r(4132, 0);
    putint(r, 0, num);
    putshort(r, 4, kit);
    putreal(r, 108, 45000.0);          // down
    putreal(r, 116, 45014.0);          // bottled
    putreal(r, 128, 5.2);              // alc
    putreal(r, 136, 45042.0);          // minub
    putreal(r, 144, 45379.0);          // maxub
    putshort(r, 152, "Dextrose");      // brewsugar
    putreal(r, 256, 1.0);              // kgused
    putreal(r, 264, 23.0);             // water
    putshort(r, 272, "Ale yeast");     // yeast
    putint(r, 376, 1046);              // origgrav
    putshort(r, 380, "Sucrose");       // primingsugar
    putreal(r, 484, 0.35);             // pskgused
    putint(r, 492, 1006);              // finalgrav
    putint(r, 496, 7);                 // days1
    putint(r, 500, 14);                // days2
    putreal(r, 504, 21.0);             // brewtemp
    putshort(r, 512, "Hop pellets");   // add1
    putshort(r, 1017, "Batch " + std::to_string(num));
    putint(r, 1120, 6);                // appearance
    putint(r, 1124, 7);                // aroma
    putint(r, 1128, 30);               // taste
    std::memcpy(&r[1132], "Good head", 9);  // notes
    putint(r, 3132, recordtype);
    std::memcpy(&r[3136], "Light malt", 10);  // extracts
    putreal(r, 3536, 1.5);             // fermkgused
    return r;
}

inline void append(Bytes& file, const Bytes& more) { file.insert(file.end(), more.begin(), more.end()); }

inline void write(const std::filesystem::path& path, const Bytes& b)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline Bytes read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

}  // namespace filebytes
