// The sortable grid's decisions, free of any widget: the sort order of a
// column, the text search and the type-ahead. Cell texts are UTF-16, as the
// grid holds them.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

struct FormatSettings;

enum TSortDirection { sdAscending, sdDescending };

// How a sort compares the texts of the sort column. ssAutomatic takes
// ssNumeric when every non-empty cell reads as a number, else ssDateTime when
// every non-empty cell reads as a date, else ssNormal.
enum TSortStyle { ssAutomatic, ssNormal, ssNumeric, ssDateTime };

// The new order of the rows when sorted by `cells` (one text per row, in the
// current row order): element i is the current index of the row that goes to
// position i. The sort is stable. ssNormal compares code unit by code unit,
// with A-Z taken as a-z unless `caseSensitive`; ssNumeric and ssDateTime read
// each cell once with `fs`. A cell that does not read as a number or date goes
// after every value when ascending and before every value when descending.
std::vector<std::size_t> sortorder(const std::vector<std::u16string_view>& cells, TSortStyle style,
    TSortDirection direction, bool caseSensitive, const FormatSettings& fs);

// The style ssAutomatic stands for, for these cells.
TSortStyle resolvestyle(const std::vector<std::u16string_view>& cells, const FormatSettings& fs);

// Reads the text of cell (col, row).
using CellReader = std::function<std::u16string_view(int col, int row)>;

// Whether `cell` contains `text` anywhere; A-Z and a-z match each other unless
// `caseSensitive`. Every cell contains the empty text.
bool cellcontains(std::u16string_view cell, std::u16string_view text, bool caseSensitive);

// The first row from `firstRow` to `lastRow` with a cell that contains `text`,
// looking at every column 0 .. colCount - 1, or only at `searchCol` when it is
// 0 or more; 0 when no row has one.
int findrow(const CellReader& cell, int firstRow, int lastRow, int colCount, int searchCol,
    std::u16string_view text, bool caseSensitive);

// Type-ahead: the next row after `selectedRow` whose column-0 text begins with
// `ch` (A-Z and a-z alike), going on from row 1 after `lastRow` and ending
// with `selectedRow` itself; 0 when none does.
int typeaheadrow(const CellReader& cell, int selectedRow, int lastRow, char16_t ch);
