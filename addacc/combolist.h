// The items, selection and text of one of the editor's combo boxes, kept
// apart from the widget so that the way the editor fills them can be tested.
// Texts are single-byte record text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// True when two texts are equal apart from the case of their letters
// (ASCII and the Windows-1252 accented letters).
bool sametextignoringcase(std::string_view a, std::string_view b);

class ComboList {
public:
    ComboList() = default;
    ComboList(std::vector<std::string> items, bool sorted);

    const std::vector<std::string>& items() const { return items_; }
    bool sorted() const { return sorted_; }
    // The selected position, -1 when none.
    int index() const { return index_; }
    // The text shown in the box's edit field.
    const std::string& text() const { return text_; }

    // Position of the item equal to the text, ignoring case; -1 when none.
    int find(std::string_view text) const;
    bool holds(std::string_view text) const { return find(text) >= 0; }

    // Adds an item, in its place by text when the list is sorted, else at the
    // end, and returns its position. The selection follows its item.
    int add(std::string item);
    // Puts an item in front of all others, sorted or not.
    void insertfirst(std::string item);
    // Sorts the items (ignoring case, equal ones keeping their order).
    void makesorted();
    void clearitems();

    // Selects position i (-1 for none); the text becomes the item's text.
    void select(int i);
    // Selects the item with the text when there is one; false otherwise.
    bool selecttext(std::string_view text);
    // Shows a text without changing the selection.
    void settext(std::string text) { text_ = std::move(text); }

private:
    std::vector<std::string> items_;
    bool sorted_ = false;
    int index_ = -1;
    std::string text_;
};
