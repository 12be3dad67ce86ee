// The data file: a 322-byte header, a reserved block of 100 short strings, the
// shopping list block, then the brew records back to back.
//
//   offset 0      322 bytes   header: length 3 and "vlq", length 4 and "1.92" at 6
//   offset 322    10100 bytes reserved: 100 short strings, saved empty
//   offset 10422  6001 bytes  shopping list, single-byte text and a zero byte
//   offset 16423  4132 x n    brew records in list order
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "platform/messages.h"
#include "records/fileops.h"
#include "records/recordlist.h"

inline constexpr std::size_t headersize = 322;
inline constexpr std::size_t reservedsize = 10100;
inline constexpr std::size_t reservedentries = 100;
inline constexpr std::size_t shoppingsize = 6001;
inline constexpr std::size_t shoppingtextmax = 6000;
inline constexpr std::size_t recordsoffset = headersize + reservedsize + shoppingsize;  // 16423

// True for a version string that sorts at or before "1.2".
bool isoldversion(std::string_view version);

// What a load brings in.
struct LoadedFile {
    RecordList records;        // may be empty: a file with no brews
    std::string shoppinglist;  // single-byte text
};

// One data file and the blocks kept from its load for the next save.
class DataFile {
public:
    explicit DataFile(std::string path, FileOps& ops = realfileops());

    const std::string& path() const { return path_; }

    // Reads the file. On failure shows the reason and returns nothing; the
    // file is then kept under another name before the first save replaces it.
    std::optional<LoadedFile> load(Messages& messages);

    // Writes the whole file to a temporary file beside it, flushes it, turns
    // the previous file into the "_bak" copy when backups are on, and moves
    // the new file into place. A failed save leaves the previous file whole
    // and says "File write error". True when the file was written.
    bool save(const RecordList& records, std::string_view shoppinglist, bool createbackups,
              Messages& messages);

    // The name a failed load's file was moved to, once a save has moved it.
    const std::string& keptname() const { return keptname_; }

private:
    bool keepunreadablefile(Messages& messages);
    void makebackup(bool createbackups, Messages& messages);

    std::string path_;
    FileOps& ops_;
    std::array<unsigned char, headersize> header_{};
    std::array<unsigned char, reservedsize> reserved_{};
    bool loadfailed_ = false;
    std::string keptname_;
};

// The backup's name: the data file's name followed by "_bak".
std::string backupname(const std::string& path);
