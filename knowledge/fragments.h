// The fragment table of know.dat. Each byte from 0x7F to 0xFE in the file
// stands for one fragment of 2 to 6 printable ASCII characters; every other
// byte stands for itself. A file must be packed with this very table for the
// search and the display to read it, so the table never changes once files
// have been shipped.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr unsigned char firstcode = 0x7F;
inline constexpr unsigned char lastcode = 0xFE;
inline constexpr std::size_t fragmentcount = lastcode - firstcode + 1;
inline constexpr std::size_t minfragment = 2;
inline constexpr std::size_t maxfragment = 6;

// fragments[i] is the text of the code byte firstcode + i.
extern const std::array<std::string_view, fragmentcount> fragments;

inline bool iscode(unsigned char c) { return c >= firstcode && c <= lastcode; }

// The text that a stored byte stands for.
inline std::string_view fragmentof(unsigned char c)
{
    return fragments[static_cast<std::size_t>(c - firstcode)];
}

// Stored (packed) bytes to text.
std::string expand(std::string_view packed);

// Text to the shortest stored form. REQUIRES: the text holds no code byte
// (0x7F to 0xFE); such bytes could not be told apart from fragments.
std::string pack(std::string_view text);
