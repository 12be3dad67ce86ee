#include "records/brandtally.h"

#include <unordered_map>

namespace {

bool isblankorcontrol(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string trimmed(const std::string& s)
{
    std::size_t first = 0, last = s.size();
    while (first < last && isblankorcontrol(s[first]))
        ++first;
    while (last > first && isblankorcontrol(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

// Upper case for the ASCII letters a to z only.
std::string foldascii(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

BrandTally getbrandinfo(RecordList& list)
{
    BrandTally tally;
    std::unordered_map<std::string, std::size_t> index;
    for (auto& rec : list) {
        const std::string name = trimmed(getshortstring(rec->kit));
        setshortstring(rec->kit, name);
        if (name.empty())
            continue;
        const auto [it, added] = index.emplace(foldascii(name), tally.size());
        if (added)
            tally.push_back({name, 1});
        else
            ++tally[it->second].count;
    }
    return tally;
}
