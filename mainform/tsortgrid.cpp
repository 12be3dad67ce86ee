#include "mainform/tsortgrid.h"

// Placeholder bodies so that the header can be used; the grid follows.
TSortGrid::TSortGrid(QWidget* parent) : QTableView(parent) { setObjectName("grid"); }
TSortGrid::~TSortGrid() = default;
int TSortGrid::ColCount() const { return 0; }
void TSortGrid::setColCount(int) { }
int TSortGrid::RowCount() const { return 2; }
void TSortGrid::setRowCount(int) { }
QString TSortGrid::Cells(int, int) const { return {}; }
void TSortGrid::setCells(int, int, const QString&) { }
void TSortGrid::beginUpdate() { }
void TSortGrid::endUpdate() { }
int TSortGrid::Row() const { return 1; }
void TSortGrid::setRow(int) { }
int TSortGrid::Col() const { return 0; }
int TSortGrid::VisibleRowCount() const { return 0; }
int TSortGrid::ColWidths(int) const { return 64; }
void TSortGrid::setColWidths(int, int) { }
int TSortGrid::DefaultRowHeight() const { return 21; }
void TSortGrid::setDefaultRowHeight(int) { }
void TSortGrid::setSortCol(int col) { m_sortCol = col; }
void TSortGrid::setSortDirection(TSortDirection direction) { m_sortDirection = direction; }
void TSortGrid::SortByColumn(int, TSortDirection) { }
bool TSortGrid::FindFirst() { return false; }
bool TSortGrid::FindNext() { return false; }
void TSortGrid::setOnGetCellFormat(GetCellFormatHook hook) { m_onGetCellFormat = std::move(hook); }
TFormatOptions TSortGrid::cellFormat(int, int, bool) const { return {}; }
void TSortGrid::keyboardSearch(const QString&) { }
void TSortGrid::headerClicked(int, Qt::MouseButton) { }
bool TSortGrid::findFrom(int) { return false; }
void TSortGrid::moveTo(int, int) { }
