// Where the data file lives.
#pragma once

#include <string>

inline constexpr const char* datafiledefaultname = "malvora.dat";

// The data file's full name. Beside the program when the program runs from a
// removable drive (the data travels with it) or when there is no
// application-data folder; otherwise "Orvanti/Malvora/malvora.dat" inside
// `appdatafolder`, creating the folders as needed. When they cannot be
// created the file stays beside the program.
std::string choosedatafilename(const std::string& programdir, const std::string& appdatafolder,
                               bool removable);

// Whether the block device `device` (as "/dev/sdb1") is on a removable disk,
// as the kernel's sysfs tree under `sysroot` (normally "/sys") tells.
bool blockdeviceremovable(const std::string& sysroot, const std::string& device);
