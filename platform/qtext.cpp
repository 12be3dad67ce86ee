#include "platform/qtext.h"

#include "platform/codepage.h"

QString fromansi(std::string_view ansi) { return toqs(ansitoutf8(ansi)); }
std::string toansi(const QString& text) { return utf8toansi(fromqs(text)); }
