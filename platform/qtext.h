// Text at the border between core (UTF-8 and single-byte record text) and Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

inline QString toqs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline std::string fromqs(const QString& text) { return text.toStdString(); }

// Single-byte (Windows-1252) record text to and from a QString.
QString fromansi(std::string_view ansi);
std::string toansi(const QString& text);
