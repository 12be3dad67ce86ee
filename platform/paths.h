// Folder and file names.
#pragma once

#include <string>

// folder + name with exactly one separator between them; an empty folder
// gives the name alone.
std::string makefullname(const std::string& folder, const std::string& name);
// True when a folder of that name exists; a trailing separator is ignored.
bool direxists(const std::string& path);
