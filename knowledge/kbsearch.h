// The search of know.dat: reads the file once, line by line, and reports each
// article that holds the search text, ranking the articles that hold it in
// their top part (above their first empty line) first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One listed article: its title (first non-blank line, TABs removed) and the
// byte offset in the stored file where the article starts.
struct KbEntry {
    std::string title;
    std::int64_t start = 0;
};

// What the search tells its caller while it runs.
class KbSearchEvents {
public:
    virtual ~KbSearchEvents() = default;
    // The file is open and the search begins; filesize is its size in bytes.
    virtual void started(std::int64_t filesize) = 0;
    // An article matched for the first time in this search. attop: it matched
    // in its top part, so it belongs at the top of the list.
    virtual void found(const KbEntry& entry, bool attop) = 0;
    // Called after every kbpauselines lines with the bytes read so far, so that the
    // window can handle its events. Returning true stops the search.
    virtual bool pause(std::int64_t bytesread) = 0;
};

inline constexpr int kbpauselines = 400;

enum class KbSearchEnd {
    finished,   // read to the end of the file (or to a read error)
    stopped,    // pause() asked to stop
    notopened,  // the file could not be opened
};

// Searches the file for `text` (single-byte text, matched without regard to
// the case of a to z, spaces included). REQUIRES: text is not empty.
KbSearchEnd kbsearch(const std::string& path, std::string_view text, KbSearchEvents& events);

// The size of the file in bytes, or nothing when it cannot be read.
std::optional<std::int64_t> kbfilesize(const std::string& path);

// Upper-cases the letters a to z and nothing else.
std::string upcase(std::string_view text);
