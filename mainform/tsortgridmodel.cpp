#include "mainform/tsortgridmodel.h"

namespace {
const QString emptytext;
}

TSortGridModel::TSortGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int TSortGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

int TSortGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownCols;
}

QVariant TSortGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.column(), index.row());
}

QVariant TSortGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return heading(section);
}

void TSortGridModel::resize(int cols, int dataRows)
{
    if (cols == m_cols && dataRows == m_rows)
        return;
    if (cols != m_cols) {
        // Columns change rarely; every row gets a block of the new width.
        int keep = std::min(cols, m_cols);
        m_cols = cols;
        for (Row& row : m_cells) {
            Row wider = newrow();
            std::move(row.get(), row.get() + keep, wider.get());
            row = std::move(wider);
        }
        m_headings.resize(std::size_t(cols));
    }
    std::size_t oldRows = m_cells.size();
    m_cells.resize(std::size_t(dataRows));
    for (std::size_t r = oldRows; r < m_cells.size(); ++r)
        m_cells[r] = newrow();
    m_rows = dataRows;
    if (updating())
        m_textsChanged = true;
    else
        syncSize();
}

const QString& TSortGridModel::cell(int col, int row) const
{
    return inside(col, row) ? m_cells[std::size_t(row)][std::size_t(col)] : emptytext;
}

void TSortGridModel::setCell(int col, int row, QString text)
{
    if (!inside(col, row))
        return;
    m_cells[std::size_t(row)][std::size_t(col)] = std::move(text);
    if (updating()) {
        m_textsChanged = true;
    } else if (row < m_shownRows && col < m_shownCols) {
        QModelIndex at = index(row, col);
        emit dataChanged(at, at, { Qt::DisplayRole });
    }
}

const QString& TSortGridModel::heading(int col) const
{
    return col >= 0 && col < m_cols ? m_headings[std::size_t(col)] : emptytext;
}

void TSortGridModel::setHeading(int col, QString text)
{
    if (col < 0 || col >= m_cols)
        return;
    m_headings[std::size_t(col)] = std::move(text);
    if (updating())
        m_textsChanged = true;
    else if (col < m_shownCols)
        emit headerDataChanged(Qt::Horizontal, col, col);
}

void TSortGridModel::permuteRows(const std::vector<std::size_t>& order)
{
    std::vector<Row> rows(m_cells.size());
    for (std::size_t to = 0; to < order.size(); ++to)
        rows[to] = std::move(m_cells[order[to]]);
    m_cells = std::move(rows);
    // The rows keep their places in the view; only what they show changed, so
    // the selection stays on the same row index.
    textsChanged();
}

void TSortGridModel::beginUpdate()
{
    ++m_updateDepth;
}

void TSortGridModel::endUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    syncSize();
    if (m_textsChanged) {
        m_textsChanged = false;
        textsChanged();
        if (m_cols > 0)
            emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    }
}

void TSortGridModel::textsChanged()
{
    if (updating()) {
        m_textsChanged = true;
        return;
    }
    if (m_shownRows > 0 && m_shownCols > 0)
        emit dataChanged(index(0, 0), index(m_shownRows - 1, m_shownCols - 1), { Qt::DisplayRole });
}

// One insert or remove per direction, whatever the number of rows or columns.
void TSortGridModel::syncSize()
{
    if (m_cols > m_shownCols) {
        beginInsertColumns({}, m_shownCols, m_cols - 1);
        m_shownCols = m_cols;
        endInsertColumns();
    } else if (m_cols < m_shownCols) {
        beginRemoveColumns({}, m_cols, m_shownCols - 1);
        m_shownCols = m_cols;
        endRemoveColumns();
    }
    if (m_rows > m_shownRows) {
        beginInsertRows({}, m_shownRows, m_rows - 1);
        m_shownRows = m_rows;
        endInsertRows();
    } else if (m_rows < m_shownRows) {
        beginRemoveRows({}, m_rows, m_shownRows - 1);
        m_shownRows = m_rows;
        endRemoveRows();
    }
}
