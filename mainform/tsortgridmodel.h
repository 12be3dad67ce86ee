// The texts of a TSortGrid: one block of QStrings per data row, and the
// headings. Rows are separate blocks so that adding a row never moves the
// others and a sort moves one pointer per row. The model's rows are the grid's data rows (grid row r is
// model row r - 1); the headings are the horizontal header data.
//
// Between beginUpdate() and endUpdate() the texts and the size change at once
// while the view keeps seeing the size it was last told, so that a fill of many
// rows costs one notification instead of one per row or cell.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstddef>
#include <memory>
#include <vector>

class TSortGridModel : public QAbstractTableModel {
public:
    explicit TSortGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int cols() const { return m_cols; }
    int dataRows() const { return m_rows; }
    void resize(int cols, int dataRows);

    // Texts of data row `row` (0-based); outside the table they read as empty
    // and writes are ignored.
    const QString& cell(int col, int row) const;
    void setCell(int col, int row, QString text);
    const QString& heading(int col) const;
    void setHeading(int col, QString text);

    // Puts the data rows in `order`: new row i is current row order[i].
    // REQUIRES: order is a permutation of 0 .. dataRows() - 1.
    void permuteRows(const std::vector<std::size_t>& order);

    void beginUpdate();
    void endUpdate();
    bool updating() const { return m_updateDepth > 0; }

private:
    bool inside(int col, int row) const { return col >= 0 && col < m_cols && row >= 0 && row < m_rows; }
    void textsChanged();
    void syncSize();

    using Row = std::unique_ptr<QString[]>;
    Row newrow() const { return std::make_unique<QString[]>(std::size_t(m_cols)); }

    std::vector<Row> m_cells;
    std::vector<QString> m_headings;
    int m_cols = 0;
    int m_rows = 0;
    // The size the view was last told about.
    int m_shownCols = 0;
    int m_shownRows = 0;
    int m_updateDepth = 0;
    bool m_textsChanged = false;
};
