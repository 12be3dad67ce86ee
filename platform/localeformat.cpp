#include "platform/localeformat.h"

#include <algorithm>
#include <vector>

namespace {

// One piece of a Qt format: a run of one pattern letter, or literal text.
struct Piece {
    char letter = 0;  // 0 for literal text
    std::size_t count = 0;
    std::string text;
};

bool isasciiletter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool hasletter(std::string_view text) { return std::any_of(text.begin(), text.end(), isasciiletter); }

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
            pieces.push_back({'A', 1, {}});
            i += pair ? 2 : 1;
        } else if (letters.find(c) != std::string_view::npos) {
            std::size_t n = 1;
            while (i + n < format.size() && format[i + n] == c)
                ++n;
            pieces.push_back({c, n, {}});
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

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
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
            separator = trimmed(pieces[i - 1].letter == 0 ? pieces[i - 1].text : "");
        order += letter;
    }
    for (char letter : {'d', 'M', 'y'})  // a missing field goes last, in this order
        if (order.find(letter) == std::string::npos)
            order += letter;
    const bool plainseparator = separator == "." || separator == "-";
    std::string format;
    for (char letter : order) {
        if (!format.empty())
            format += '/';
        format += letter == 'd' ? "dd" : letter == 'M' ? "mm" : "yyyy";
    }
    return {format, plainseparator ? separator : std::string(1, '/')};
}

}  // namespace

DateFormatParts datefromqtformat(std::string_view qtformat)
{
    const std::vector<Piece> pieces = split(qtformat, "dMy");
    int fields = 0;
    std::string seen;
    bool plain = true;
    std::string separator;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.letter == 0) {
            plain = plain && !hasletter(p.text);
            continue;
        }
        if (p.count > (p.letter == 'y' ? 4u : 2u) || seen.find(p.letter) != std::string::npos)
            plain = false;
        seen += p.letter;
        if (++fields == 1)
            separator = literalafter(pieces, i);
    }
    if (!plain || fields != 3 || separator.empty())
        return numericdate(pieces);

    std::string format;
    for (const Piece& p : pieces) {
        if (p.letter == 'd')
            format += p.count == 1 ? "d" : "dd";
        else if (p.letter == 'M')
            format += p.count == 1 ? "m" : "mm";
        else if (p.letter == 'y')
            format += "yyyy";
        else
            format += p.text == separator ? "/" : p.text;
    }
    return {format, separator};
}

TimeFormatParts timefromqtformat(std::string_view qtformat)
{
    const std::vector<Piece> pieces = split(qtformat, "hHmsztA");
    const bool ampm = std::any_of(pieces.begin(), pieces.end(), [](const Piece& p) { return p.letter == 'A'; });
    std::string separator;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if ((pieces[i].letter == 'h' || pieces[i].letter == 'H') && separator.empty())
            separator = literalafter(pieces, i);

    std::string format;
    bool plain = !separator.empty() && !hasletter(separator);
    for (std::size_t i = 0; i < pieces.size() && plain; ++i) {
        const Piece& p = pieces[i];
        switch (p.letter) {
        case 'h':
        case 'H':
            format += p.count == 1 ? "h" : "hh";
            break;
        case 'm':
            format += p.count == 1 ? "n" : "nn";
            break;
        case 's':
            format += p.count == 1 ? "s" : "ss";
            break;
        case 'A':
            format += "ampm";
            break;
        case 'z':
        case 't':
            break;
        default:
            // Milliseconds and the time zone are left out, with the separator
            // or space that leads up to them.
            if (hasletter(p.text))
                plain = false;
            else if (i + 1 == pieces.size() || (pieces[i + 1].letter != 'z' && pieces[i + 1].letter != 't'))
                format += p.text == separator ? ":" : p.text;
        }
    }
    if (!plain || format.find('n') == std::string::npos)
        return {ampm ? "h:nn:ss ampm" : "hh:nn:ss", ":"};
    return {trimmed(format), separator};
}
