#include "mainform/gridsort.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/formatsettings.h"

namespace {

char16_t foldaz(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

std::u16string foldedcopy(std::u16string_view text)
{
    std::u16string folded(text);
    for (auto& c : folded)
        c = foldaz(c);
    return folded;
}

// The cells hold Latin text from the record list, the locale's separators and
// digits; anything outside ASCII is passed on as UTF-8 for the parsers.
void toutf8(std::u16string_view text, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
}

// One cell read as a number or a date; `valid` false when it does not read.
struct ValueKey {
    double value;
    bool valid;
};

bool readvalue(
    std::u16string_view cell, TSortStyle style, const FormatSettings& fs, std::string& buffer, double& value)
{
    toutf8(cell, buffer);
    if (style == ssNumeric) {
        if (!parsereal(buffer, fs, value))
            return false;
    } else {
        TDateTime date = 0;
        if (!parsedate(buffer, fs, date))
            return false;
        value = date;
    }
    // A NaN has no place in an order; it sorts with the unreadable cells.
    return !std::isnan(value);
}

std::vector<std::size_t> identity(std::size_t n)
{
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    return order;
}

std::vector<std::size_t> sortbyvalue(const std::vector<std::u16string_view>& cells, TSortStyle style,
    TSortDirection direction, const FormatSettings& fs)
{
    std::vector<ValueKey> keys(cells.size());
    std::string buffer;
    for (std::size_t i = 0; i < cells.size(); ++i)
        keys[i].valid = readvalue(cells[i], style, fs, buffer, keys[i].value);

    // Rows with a value keep their order among themselves within a partition;
    // the unreadable ones form a block after (ascending) or before them.
    std::vector<std::size_t> order = identity(cells.size());
    auto split = std::stable_partition(order.begin(), order.end(),
        [&](std::size_t i) { return keys[i].valid == (direction == sdAscending); });
    auto first = direction == sdAscending ? order.begin() : split;
    auto last = direction == sdAscending ? split : order.end();
    if (direction == sdAscending)
        std::stable_sort(
            first, last, [&](std::size_t a, std::size_t b) { return keys[a].value < keys[b].value; });
    else
        std::stable_sort(
            first, last, [&](std::size_t a, std::size_t b) { return keys[a].value > keys[b].value; });
    return order;
}

std::vector<std::size_t> sortbytext(
    const std::vector<std::u16string_view>& cells, TSortDirection direction, bool caseSensitive)
{
    std::vector<std::u16string> folded;
    std::vector<std::u16string_view> keys = cells;
    if (!caseSensitive) {
        folded.reserve(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            folded.push_back(foldedcopy(cells[i]));
            keys[i] = folded.back();
        }
    }
    std::vector<std::size_t> order = identity(cells.size());
    if (direction == sdAscending)
        std::stable_sort(
            order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    else
        std::stable_sort(
            order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[b] < keys[a]; });
    return order;
}

} // namespace

TSortStyle resolvestyle(const std::vector<std::u16string_view>& cells, const FormatSettings& fs)
{
    std::string buffer;
    double value = 0;
    auto all = [&](TSortStyle style) {
        return std::all_of(cells.begin(), cells.end(), [&](std::u16string_view cell) {
            return cell.empty() || readvalue(cell, style, fs, buffer, value);
        });
    };
    if (all(ssNumeric))
        return ssNumeric;
    if (all(ssDateTime))
        return ssDateTime;
    return ssNormal;
}

std::vector<std::size_t> sortorder(const std::vector<std::u16string_view>& cells, TSortStyle style,
    TSortDirection direction, bool caseSensitive, const FormatSettings& fs)
{
    if (style == ssAutomatic)
        style = resolvestyle(cells, fs);
    if (style == ssNumeric || style == ssDateTime)
        return sortbyvalue(cells, style, direction, fs);
    return sortbytext(cells, direction, caseSensitive);
}

bool cellcontains(std::u16string_view cell, std::u16string_view text, bool caseSensitive)
{
    if (caseSensitive)
        return cell.find(text) != std::u16string_view::npos;
    auto same = [](char16_t a, char16_t b) { return foldaz(a) == foldaz(b); };
    return std::search(cell.begin(), cell.end(), text.begin(), text.end(), same) != cell.end()
        || text.empty();
}

int findrow(const CellReader& cell, int firstRow, int lastRow, int colCount, int searchCol,
    std::u16string_view text, bool caseSensitive)
{
    int fromCol = searchCol >= 0 ? searchCol : 0;
    int toCol = searchCol >= 0 ? std::min(searchCol, colCount - 1) : colCount - 1;
    for (int row = std::max(firstRow, 1); row <= lastRow; ++row)
        for (int col = fromCol; col <= toCol; ++col)
            if (cellcontains(cell(col, row), text, caseSensitive))
                return row;
    return 0;
}

int typeaheadrow(const CellReader& cell, int selectedRow, int lastRow, char16_t ch)
{
    if (lastRow < 1)
        return 0;
    int row = std::clamp(selectedRow, 1, lastRow);
    for (int step = 0; step < lastRow; ++step) {
        row = row >= lastRow ? 1 : row + 1;
        std::u16string_view text = cell(0, row);
        if (!text.empty() && foldaz(text.front()) == foldaz(ch))
            return row;
    }
    return 0;
}
