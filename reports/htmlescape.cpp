#include "reports/htmlescape.h"

#include <algorithm>

namespace {

// The character reference of a special character.
std::string_view reference(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    default:
        return "&quot;";
    }
}

} // namespace

void appendescaped(std::string& out, std::string_view text)
{
    // Runs of plain text go in whole: most texts have no special character.
    const char* from = text.data();
    const char* const end = from + text.size();
    for (;;) {
        const char* special
            = std::find_if(from, end, [](char c) { return c == '&' || c == '<' || c == '>' || c == '"'; });
        out.append(from, static_cast<std::size_t>(special - from));
        if (special == end)
            return;
        out.append(reference(*special));
        from = special + 1;
    }
}

std::string htmlescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendescaped(out, text);
    return out;
}
