// The program's name and version as the About box shows them.
#pragma once

inline constexpr char programname[] = "Malvora";
// The program's own version, whatever the version of the loaded data file.
inline constexpr char programversion[] = "1.92";
