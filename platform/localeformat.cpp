#include "platform/localeformat.h"

#include <algorithm>
#include <vector>

#include "records/valueparse.h"

namespace {

// One piece of a Qt format: a run of one pattern letter, or literal text.
struct Piece {
    char letter = 0; // 0 for literal text
    std::size_t count = 0;
    std::string text;
};

bool isasciiletter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool hasletter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), isasciiletter);
}

void addliteral(std::vector<Piece>& pieces, std::string_view text)
{
    if (pieces.empty() || pieces.back().letter != 0)
        pieces.push_back({});
    pieces.back().text += text;
}

// Splits a Qt format into letter runs of `letters` and literal text. "AP" and
// "ap" become one piece with the letter 'A'; a lone 'A' or 'a' too.
std::vector<Piece> split(std::string_view format, std::string_view letters)
{
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            // Quoted text; two quotes stand for one.
            std::string text;
            std::size_t j = i + 1;
            for (; j < format.size(); ++j) {
                if (format[j] != '\'') {
                    text += format[j];
                } else if (j + 1 < format.size() && format[j + 1] == '\'') {
                    text += '\'';
                    ++j;
                } else {
                    break;
                }
            }
            addliteral(pieces, j == i + 1 ? std::string_view("'") : std::string_view(text));
            i = j + 1;
        } else if ((c == 'A' || c == 'a') && letters.find('A') != std::string_view::npos) {
            const bool pair = i + 1 < format.size() && (format[i + 1] == 'P' || format[i + 1] == 'p');
            pieces.push_back({ 'A', 1, {} });
            i += pair ? 2 : 1;
        } else if (letters.find(c) != std::string_view::npos) {
            std::size_t n = 1;
            while (i + n < format.size() && format[i + n] == c)
                ++n;
            pieces.push_back({ c, n, {} });
            i += n;
        } else {
            addliteral(pieces, format.substr(i, 1));
            ++i;
        }
    }
    return pieces;
}

// The literal text right after the piece at index i, or empty text.
std::string literalafter(const std::vector<Piece>& pieces, std::size_t i)
{
    return i + 1 < pieces.size() && pieces[i + 1].letter == 0 ? pieces[i + 1].text : std::string();
}

bool ispunctuation(std::string_view text)
{
    return std::all_of(
        text.begin(), text.end(), [](char c) { return c == ' ' || c == '.' || c == ',' || c == '-'; });
}

// The format without the invisible marks that set the writing direction
// (U+200E, U+200F, U+061C): they are no part of a separator.
std::string withoutdirectionmarks(std::string_view format)
{
    constexpr std::string_view marks[] = { "\u200e", "\u200f", "\u061c" };
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        const std::string_view rest = format.substr(i);
        const auto mark = std::find_if(
            std::begin(marks), std::end(marks), [&](std::string_view m) { return rest.starts_with(m); });
        if (mark != std::end(marks)) {
            i += mark->size();
        } else {
            out += format[i++];
        }
    }
    return out;
}

// Day, month and year with leading zeros in the order in which the format
// first names them, joined by the separator when it is a plain one.
DateFormatParts numericdate(const std::vector<Piece>& pieces)
{
    std::string order;
    std::string separator;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const char letter = pieces[i].letter;
        if (letter == 0 || order.find(letter) != std::string::npos)
            continue;
        if (order.size() == 1)
            separator = strip(pieces[i - 1].letter == 0 ? pieces[i - 1].text : "");
        order += letter;
    }
    for (char letter : { 'd', 'M', 'y' }) // a missing field goes last, in this order
        if (order.find(letter) == std::string::npos)
            order += letter;
    const bool plainseparator = separator == "." || separator == "-";
    std::string format;
    for (char letter : order) {
        if (!format.empty())
            format += '/';
        format += letter == 'd' ? "dd" : letter == 'M' ? "mm" : "yyyy";
    }
    return { format, plainseparator ? separator : std::string(1, '/') };
}

} // namespace

DateFormatParts datefromqtformat(std::string_view qtformat)
{
    const std::vector<Piece> pieces = split(withoutdirectionmarks(qtformat), "dMy");
    std::string seen;
    bool plain = true;
    std::string separator;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.letter == 0)
            continue;
        if (p.count > (p.letter == 'y' ? 4u : 2u) || seen.find(p.letter) != std::string::npos)
            plain = false;
        seen += p.letter;
        if (seen.size() == 1)
            separator = literalafter(pieces, i);
    }
    if (!plain || seen.size() != 3 || separator.empty() || hasletter(separator))
        return numericdate(pieces);

    std::string format;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.letter == 'd') {
            format += p.count == 1 ? "d" : "dd";
        } else if (p.letter == 'M') {
            format += p.count == 1 ? "m" : "mm";
        } else if (p.letter == 'y') {
            format += "yyyy";
        } else if (i > 0 && i + 1 < pieces.size()) {
            // Between two fields: the separator, the same each time.
            if (p.text != separator)
                return numericdate(pieces);
            format += '/';
        } else if (ispunctuation(p.text)) {
            // Before or after the date: kept when it is only punctuation,
            // like the closing full stop of "yyyy. mm. dd.".
            format += p.text;
        }
    }
    return { format, separator };
}

TimeFormatParts timefromqtformat(std::string_view qtformat)
{
    const std::vector<Piece> pieces = split(withoutdirectionmarks(qtformat), "hHmsztA");
    const auto kept = [&](std::size_t i) {
        const char c = pieces[i].letter;
        return c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 'A';
    };
    const auto isnumber = [&](std::size_t i) { return kept(i) && pieces[i].letter != 'A'; };
    bool ampm = false;
    bool hasminutes = false;
    std::string separator;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ampm = ampm || pieces[i].letter == 'A';
        hasminutes = hasminutes || pieces[i].letter == 'm';
        if ((pieces[i].letter == 'h' || pieces[i].letter == 'H') && separator.empty())
            separator = literalafter(pieces, i);
    }
    const TimeFormatParts fallback { ampm ? "h:nn:ss ampm" : "hh:nn:ss", ":" };
    if (!hasminutes || separator.empty() || hasletter(separator))
        return fallback;

    // Milliseconds, the time zone and any text that is not between two kept
    // fields are left out.
    std::string format;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        switch (p.letter) {
        case 'h':
        case 'H':
        case 'm':
        case 's':
            format += std::string(p.count == 1 ? 1 : 2, p.letter == 'm' ? 'n' : char(p.letter | 0x20));
            break;
        case 'A':
            format += "ampm";
            break;
        case 0:
            if (i == 0 || i + 1 == pieces.size() || !kept(i - 1) || !kept(i + 1))
                break;
            if (isnumber(i - 1) && isnumber(i + 1)) {
                if (p.text != separator)
                    return fallback;
                format += ':';
            } else if (p.text.find_first_not_of(' ') == std::string::npos) {
                format += p.text;
            } else {
                return fallback;
            }
            break;
        default:
            break;
        }
    }
    return { format, separator };
}
