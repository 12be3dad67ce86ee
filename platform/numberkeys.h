// What a number box does with a character the user types. The boxes take the
// digits, the minus sign where a value may be negative, and the locale's
// decimal separator; a typed full stop becomes that separator, so a user
// whose locale writes 2,5 can type the fraction with either key.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"

enum class KeyVerdict {
    accept,       // the character goes into the box as typed
    replace,      // `text` goes into the box instead
    discard,      // nothing happens
    nextcontrol,  // Enter: the focus moves on and the key goes no further
};

struct NumberKey {
    KeyVerdict verdict;
    std::string text;  // for replace only
};

// `typed` is the UTF-8 text of one key press: one character, "\r" for Enter,
// "\b" for Backspace.
NumberKey numberkey(std::string_view typed, bool allowminus, const FormatSettings& fs);
