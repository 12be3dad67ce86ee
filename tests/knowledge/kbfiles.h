// Small knowledge-base files for tests, packed with the program's table.
#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "knowledge/fragments.h"
#include "knowledge/kbsearch.h"

namespace kbfiles {

// Articles written with '\n' line ends become stored lines with CR LF, each
// followed by a "----" line (except the last when lastseparator is false).
inline std::string knowbytes(const std::vector<std::string>& articles, bool lastseparator = true)
{
    std::string out;
    for (std::size_t a = 0; a < articles.size(); ++a) {
        std::string_view rest = articles[a];
        while (!rest.empty()) {
            const std::size_t lf = rest.find('\n');
            out += pack(rest.substr(0, lf));
            out += "\r\n";
            rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        }
        if (lastseparator || a + 1 < articles.size())
            out += "----\r\n";
    }
    return out;
}

inline void writefile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Keeps the list as the window does: top-part matches first.
struct Recorder : KbSearchEvents {
    std::vector<KbEntry> list;
    std::vector<std::int64_t> pauses;
    std::int64_t filesize = -1;
    int stopatpause = -1;  // pause() number (from 1) that asks to stop

    void started(std::int64_t size) override { filesize = size; }
    void found(const KbEntry& entry, bool attop) override
    {
        list.insert(attop ? list.begin() : list.end(), entry);
    }
    bool pause(std::int64_t bytesread) override
    {
        pauses.push_back(bytesread);
        return static_cast<int>(pauses.size()) == stopatpause;
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> t;
        for (const auto& e : list)
            t.push_back(e.title);
        return t;
    }
};

}  // namespace kbfiles
