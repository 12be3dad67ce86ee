// One article of know.dat, read from its offset and laid out for display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kbseparator = "----";
inline constexpr std::string_view kbcourtesy = "[Item courtesy of 3rd party source]";

enum class KbReadResult {
    ok,
    notopened,  // the file could not be opened
    badoffset,  // the offset lies outside the file
};

// Reads the article that starts at `start`: the stored bytes up to its
// separator line (or the end of the file), the separator removed, expanded.
KbReadResult kbreadarticle(const std::string& path, std::int64_t start, std::string& article);

// What the article box shows: the text with '\n' line breaks, the heading
// block to colour green and the matches of the search text to colour red.
struct KbArticleView {
    std::string text;                  // article, an empty line, the courtesy line
    std::size_t headinglength = 0;     // characters from the start, line breaks included; 0: none
    std::vector<std::size_t> matches;  // start of each match, in order; matches may overlap
    std::size_t matchlength = 0;
};

// Lays out an article (as kbreadarticle gives it) for the search box's text,
// which is stripped of spaces and matched without regard to case (a to z).
KbArticleView kbarticleview(std::string_view article, std::string_view searchtext);
