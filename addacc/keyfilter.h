// What the editor's fields accept as typed characters. Enter moves on to the
// next field in every filter.
#pragma once

#include <string>
#include <string_view>

#include "platform/formatsettings.h"

enum class KeyFilter {
    anykey, // names and free text
    numberkeys, // digits and the decimal separator; "." is taken for it
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
