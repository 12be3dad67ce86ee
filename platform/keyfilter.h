// What the number, date and text boxes accept as typed characters. Enter
// moves on to the next control in every filter. The full stop is the decimal
// key on every keypad, so it is taken for the locale's decimal separator and
// a user whose locale writes 2,5 can type the fraction with either key.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"

enum class KeyFilter {
    anykey, // names and free text
    numberkeys, // digits and the decimal separator; "." is taken for it
    signednumberkeys, // as numberkeys, and the minus sign
    digitsonly, // batch number, gravities, days
    datekeys, // digits and the date separator; "-", "/" and "\" are taken for it
};

struct KeyVerdict {
    enum Action { accept, refuse, replace, nextcontrol };
    Action action = accept;
    std::string text; // what to type instead, for replace
};

// `typed` is the UTF-8 text of one typed character: "\r" for Enter, "\b" for
// Backspace, a control character for a shortcut such as Ctrl+V.
KeyVerdict filterkey(KeyFilter filter, std::string_view typed, const FormatSettings& fs);
