#include "addacc/combolist.h"

#include <algorithm>

namespace {

// Upper case of one Windows-1252 byte.
unsigned char foldcase(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 'a' + 'A');
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // à to þ, but not ÷
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

bool lessignoringcase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return foldcase(static_cast<unsigned char>(x)) < foldcase(static_cast<unsigned char>(y));
    });
}

} // namespace

bool sametextignoringcase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return foldcase(static_cast<unsigned char>(x)) == foldcase(static_cast<unsigned char>(y));
    });
}

ComboList::ComboList(std::vector<std::string> items, bool sorted)
    : items_(std::move(items))
    , sorted_(sorted)
{
    if (sorted_)
        makesorted();
}

int ComboList::find(std::string_view text) const
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (sametextignoringcase(items_[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

int ComboList::add(std::string item)
{
    auto at = items_.end();
    if (sorted_)
        at = std::upper_bound(items_.begin(), items_.end(), item, lessignoringcase);
    const int pos = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(item));
    if (index_ >= pos)
        ++index_;
    return pos;
}

void ComboList::insertfirst(std::string item)
{
    items_.insert(items_.begin(), std::move(item));
    if (index_ >= 0)
        ++index_;
}

void ComboList::makesorted()
{
    sorted_ = true;
    const std::string selected = index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string();
    std::stable_sort(items_.begin(), items_.end(), lessignoringcase);
    if (index_ >= 0)
        index_ = find(selected);
}

void ComboList::clearitems()
{
    items_.clear();
    index_ = -1;
}

void ComboList::select(int i)
{
    if (i < 0 || i >= static_cast<int>(items_.size())) {
        index_ = -1;
        text_.clear();
        return;
    }
    index_ = i;
    text_ = items_[static_cast<std::size_t>(i)];
}

bool ComboList::selecttext(std::string_view text)
{
    const int i = find(text);
    if (i >= 0)
        select(i);
    return i >= 0;
}
