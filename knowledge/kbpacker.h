// Building know.dat from the article sources: plain ASCII text files, one
// article each, with a title line, a heading block, an empty line and a body.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of an article source (LF or CR LF line ends), without the empty
// lines at its end.
std::vector<std::string> kbarticlelines(std::string_view source);

// What is wrong with an article, with its line number, or empty when it can be
// packed: only TAB and printable ASCII, no "----" anywhere, a title on the
// first line, an empty line after the heading block, and a body after that.
std::string kbcheckarticle(const std::vector<std::string>& lines);

// The bytes of know.dat: every article's lines packed, each line ending in
// CR LF, and a "----" line after each article.
std::string kbpackarticles(const std::vector<std::vector<std::string>>& articles);
