// TSortGrid: a string grid whose rows sort by a click on a column heading.
//
// Rows are numbered as in a string grid with one fixed row: row 0 is the
// heading row, drawn by the horizontal header, and the data rows are 1 ..
// RowCount() - 1. There is always at least one data row.
//
// The grid holds its texts in a model of its own (one QString per cell, no
// item objects). Filling many rows: wrap the filling in beginUpdate() and
// endUpdate(); between the two, RowCount and Cells change at once but the view
// is told only once, at endUpdate(), so a fill of any size costs one layout.
// Outside an update, every change is shown at once and costs little.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTableView>

#include <functional>

#include "mainform/gridsort.h"
#include "platform/formatsettings.h"

class TSortGridModel;
class TSortGridHeader;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVertAlignment { taTopJustify, taBottomJustify, taVerticalCenter };
enum TCellBevel { cbNone, cbRaised, cbLowered };

// How one cell is drawn. The grid presets it from its own defaults before each
// cell is drawn and hands it to the OnGetCellFormat hook, whose changes apply
// to that cell only.
struct TFormatOptions {
    QBrush Brush; // background; in the selected row, the highlight
    QFont Font;
    QColor FontColor; // colour of the text
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevel Bevel = cbNone;
    bool HideText = false;
};

// The Qt alignment flags of a cell format.
Qt::Alignment qtalignment(const TFormatOptions& format);

class TSortGrid : public QTableView {
    Q_OBJECT
public:
    explicit TSortGrid(QWidget* parent = nullptr);
    ~TSortGrid() override;

    // Size. setRowCount counts the heading row and keeps at least 2; new cells
    // are empty. Changing the row count never sorts.
    int ColCount() const;
    void setColCount(int count);
    int RowCount() const;
    void setRowCount(int count);

    // Cell texts; row 0 is the heading. A cell outside the grid reads as empty,
    // and writing one does nothing.
    QString Cells(int col, int row) const;
    void setCells(int col, int row, QString text);

    // Batching of many changes (see above). Calls nest; the view catches up
    // when the outermost endUpdate() runs.
    void beginUpdate();
    void endUpdate();

    // The selected row (1 ..), and moving the selection there: the whole row
    // is selected and scrolled into view. Out-of-range rows are clamped.
    int Row() const;
    void setRow(int row);
    // The column of the focused cell.
    int Col() const;
    // The number of data rows wholly visible in the grid's area.
    int VisibleRowCount() const;
    // The cell under `pos` (viewport coordinates): false outside every cell.
    // The heading row is not part of the viewport.
    bool MouseToCell(const QPoint& pos, int& col, int& row) const;

    // Column widths in pixels; every change, by the user or the program,
    // raises ColumnWidthsChanged.
    int ColWidths(int col) const;
    void setColWidths(int col, int width);
    // Height of every row, the heading row included (21 by default).
    int DefaultRowHeight() const;
    void setDefaultRowHeight(int height);

    // Sort options.
    int SortCol() const { return m_sortCol; }
    void setSortCol(int col);
    TSortDirection SortDirection() const { return m_sortDirection; }
    void setSortDirection(TSortDirection direction);
    TSortStyle SortStyle() const { return m_sortStyle; }
    void setSortStyle(TSortStyle style) { m_sortStyle = style; }
    bool SortCaseSensitive() const { return m_sortCaseSensitive; }
    void setSortCaseSensitive(bool on) { m_sortCaseSensitive = on; }

    // Search options. SearchCol -1 searches every column.
    QString SearchText() const { return m_searchText; }
    void setSearchText(const QString& text) { m_searchText = text; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void setCaseSensitive(bool on) { m_caseSensitive = on; }
    int SearchCol() const { return m_searchCol; }
    void setSearchCol(int col) { m_searchCol = col; }

    // Dates and numbers in ssDateTime and ssNumeric sorts are read with these.
    const FormatSettings& formatSettings() const { return m_formatSettings; }
    void setFormatSettings(const FormatSettings& fs) { m_formatSettings = fs; }

    // Sorts the data rows by `col`: raises BeginSort (whose handler may set
    // SortStyle), sets SortCol and SortDirection, and with more than one data
    // row moves whole rows by a stable sort and raises EndSort. The selection
    // stays on the same row index; the focus moves to column `col`.
    void SortByColumn(int col, TSortDirection direction);

    // Search for SearchText: FindFirst from row 1, FindNext from the row after
    // the selected one, down to the last row. The first row with a cell that
    // contains the text is selected; false when there is none (the selection
    // then stays).
    bool FindFirst();
    bool FindNext();

    // Called before each cell is drawn, the heading cells (row 0) included.
    using GetCellFormatHook = std::function<void(int col, int row, TFormatOptions& format)>;
    void setOnGetCellFormat(GetCellFormatHook hook);
    // The format a cell gets: the defaults, then the hook's changes.
    TFormatOptions cellFormat(int col, int row, bool selected) const;

signals:
    void BeginSort(int col);
    void EndSort(int col);
    void ColumnWidthsChanged();
    // A mouse button came up over the cells (viewport coordinates). The grid
    // opens no context menu of its own: its owner does that here.
    void MouseUp(Qt::MouseButton button, const QPoint& pos);

protected:
    void keyboardSearch(const QString& search) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class TSortGridHeader;
    void headerClicked(int col, Qt::MouseButton button);
    bool findFrom(int firstRow);
    void moveTo(int row, int col);
    void keepSelection();
    CellReader cellReader() const;

    TSortGridModel* m_model = nullptr;
    TSortGridHeader* m_header = nullptr;
    GetCellFormatHook m_onGetCellFormat;
    FormatSettings m_formatSettings;
    int m_sortCol = 0;
    TSortDirection m_sortDirection = sdAscending;
    TSortStyle m_sortStyle = ssAutomatic;
    bool m_sortCaseSensitive = false;
    QString m_searchText;
    bool m_caseSensitive = false;
    int m_searchCol = -1;
};
