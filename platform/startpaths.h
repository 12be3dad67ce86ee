// The places the program starts from: its own file and folder, and the
// user's application-data folder.
#pragma once

#include <string>

struct StartPaths {
    std::string programfile;    // the real program file, links resolved
    std::string programdir;     // its folder, ending in a separator
    std::string appdatafolder;  // the user's application data; empty when unknown
    bool removable = false;     // the program folder is on a removable drive
};

// The paths of this run of the program.
StartPaths systemstartpaths();
