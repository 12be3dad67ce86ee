#include "platform/paths.h"

#include <filesystem>
#include <system_error>

namespace {
constexpr char separator = '/';
}

std::string makefullname(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == separator)
        return folder + name;
    return folder + separator + name;
}

bool direxists(const std::string& path)
{
    if (path.empty())
        return false;
    std::string p = path;
    if (p.size() > 1 && p.back() == separator)
        p.pop_back();
    std::error_code ec;
    return std::filesystem::is_directory(p, ec);
}
