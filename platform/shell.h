// Hands a file or a web address to the desktop, which opens it with the
// user's program for its kind. Whether that worked is not reported.
#pragma once

#include <QString>

void shellopen(const QString& fileoraddress);
