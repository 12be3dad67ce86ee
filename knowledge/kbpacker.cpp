#include "knowledge/kbpacker.h"

#include <algorithm>

#include "knowledge/fragments.h"
#include "knowledge/kbarticle.h"

namespace {

bool packable(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    return c == '\t' || (c >= 0x20 && c <= 0x7E);
}

std::string atline(std::size_t index, const std::string& what)
{
    return "line " + std::to_string(index + 1) + ": " + what;
}

bool blank(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::vector<std::string> kbarticlelines(std::string_view source)
{
    std::vector<std::string> lines;
    while (!source.empty()) {
        const std::size_t lf = source.find('\n');
        std::string_view line = source.substr(0, lf);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        source.remove_prefix(lf == std::string_view::npos ? source.size() : lf + 1);
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string kbcheckarticle(const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto bad = std::find_if_not(lines[i].begin(), lines[i].end(), packable);
        if (bad != lines[i].end())
            return atline(i, "only TAB and printable ASCII characters can be packed (column " +
                                 std::to_string(bad - lines[i].begin() + 1) + ")");
        if (lines[i].find(kbseparator) != std::string::npos)
            return atline(i, "\"----\" would end the article here");
    }
    if (lines.empty() || blank(lines[0]))
        return atline(0, "the article must start with its title");
    const auto gap = std::find_if(lines.begin(), lines.end(), blank);
    if (gap == lines.end())
        return atline(lines.size() - 1, "an empty line must follow the heading block");
    if (!gap->empty())
        return atline(gap - lines.begin(), "the line after the heading block must be empty, without spaces");
    if (std::all_of(gap + 1, lines.end(), blank))
        return atline(gap - lines.begin(), "the article has no body");
    return {};
}

std::string kbpackarticles(const std::vector<std::vector<std::string>>& articles)
{
    std::string out;
    for (const auto& lines : articles) {
        for (const auto& line : lines) {
            out += pack(line);
            out += "\r\n";
        }
        out += kbseparator;
        out += "\r\n";
    }
    return out;
}
