// The user's number and date conventions, read from the system locale.
#pragma once

#include "platform/formatsettings.h"

class QLocale;

// The settings of the system locale, read once on the first call.
FormatSettings systemformatsettings();
// The settings of any locale; systemformatsettings() uses the system's.
FormatSettings localeformatsettings(const QLocale& locale);
