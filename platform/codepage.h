// The single-byte Windows-1252 text of the data file, the reports and know.dat,
// to and from the program's UTF-8 text.
#pragma once

#include <string>
#include <string_view>

std::string ansitoutf8(std::string_view ansi);
// A character with no single-byte form becomes "?".
std::string utf8toansi(std::string_view utf8);
