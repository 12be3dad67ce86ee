// The maker's addresses, kept in one place.
#pragma once

inline constexpr char orvantisoftwarepage[] = "https://www.orvanti.example/software/";
