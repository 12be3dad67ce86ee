// Who made the program and where to find them; every address lives here.
// orvanti.example is a name reserved for examples, not a live site.
#pragma once

inline constexpr const char* programname = "Malvora";
// The program's own version; the About box shows it whatever file is loaded.
inline constexpr const char* programversion = "1.92";

inline constexpr const char* softwarepageurl = "https://www.orvanti.example/software/";
inline constexpr const char* philosophypageurl = "https://www.orvanti.example/philosophy/";
inline constexpr const char* makeremail = "malvora@orvanti.example";
inline constexpr const char* makermailurl = "mailto:malvora@orvanti.example?subject=Malvora";
