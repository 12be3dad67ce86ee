// The maker's addresses, kept in one place.
#pragma once

inline constexpr char orvantisoftwarepage[] = "https://www.orvanti.example/software/";
inline constexpr char orvantiphilosophypage[] = "https://www.orvanti.example/philosophy/";
inline constexpr char orvantiemail[] = "malvora@orvanti.example";
// A new e-mail to the maker, its subject filled in.
inline constexpr char orvantimailto[] = "mailto:malvora@orvanti.example?subject=Malvora";
