#include "platform/datafolder.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/paths.h"

namespace fs = std::filesystem;

std::string choosedatafilename(const std::string& programdir, const std::string& appdatafolder,
                               bool removable)
{
    const std::string standby = makefullname(programdir, datafiledefaultname);
    if (removable || appdatafolder.empty())
        return standby;
    const std::string folder = makefullname(makefullname(appdatafolder, "Orvanti"), "Malvora");
    const std::string name = makefullname(folder, datafiledefaultname);
    std::error_code ec;
    if (fs::exists(name, ec))
        return name;
    // A new user may not have the application-data folder itself yet, so the
    // whole chain of folders is made.
    fs::create_directories(folder, ec);
    return direxists(folder) ? name : standby;
}

bool blockdeviceremovable(const std::string& sysroot, const std::string& device)
{
    const fs::path name = fs::path(device).filename();
    if (name.empty())
        return false;
    std::error_code ec;
    // /sys/class/block/<name> links to the device; a partition sits in the
    // folder of its disk, and only the disk tells whether it is removable.
    fs::path node = fs::canonical(fs::path(sysroot) / "class" / "block" / name, ec);
    if (ec)
        return false;
    if (fs::exists(node / "partition", ec))
        node = node.parent_path();
    std::ifstream in(node / "removable");
    char flag = '0';
    return in.get(flag) && flag == '1';
}
