#include "mainform/tsortgrid.h"

#include <QItemSelectionModel>
#include <QMouseEvent>

#include <algorithm>
#include <string_view>
#include <vector>

#include "mainform/tsortgriddelegate.h"
#include "mainform/tsortgridheader.h"
#include "mainform/tsortgridmodel.h"

namespace {

constexpr int defaultRowHeight = 21;
constexpr int defaultColCount = 5;

std::u16string_view u16(const QString& text)
{
    return { QStringView(text).utf16(), std::size_t(text.size()) };
}

} // namespace

Qt::Alignment qtalignment(const TFormatOptions& format)
{
    Qt::Alignment horz = format.AlignmentHorz == taRightJustify ? Qt::AlignRight
        : format.AlignmentHorz == taCenter                      ? Qt::AlignHCenter
                                                                : Qt::AlignLeft;
    Qt::Alignment vert = format.AlignmentVert == taBottomJustify ? Qt::AlignBottom
        : format.AlignmentVert == taVerticalCenter               ? Qt::AlignVCenter
                                                                 : Qt::AlignTop;
    return horz | vert;
}

TSortGrid::TSortGrid(QWidget* parent)
    : QTableView(parent)
{
    m_model = new TSortGridModel(this);
    m_header = new TSortGridHeader(this);
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(new TSortGridDelegate(this));

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setDefaultRowHeight(defaultRowHeight);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setContextMenuPolicy(Qt::PreventContextMenu);

    connect(m_header, &QHeaderView::sectionResized, this, [this] { emit ColumnWidthsChanged(); });

    m_model->resize(defaultColCount, 1);
    moveTo(1, 0);
}

TSortGrid::~TSortGrid() = default;

int TSortGrid::ColCount() const
{
    return m_model->cols();
}

void TSortGrid::setColCount(int count)
{
    m_model->resize(std::max(count, 1), m_model->dataRows());
    keepSelection();
}

int TSortGrid::RowCount() const
{
    return m_model->dataRows() + 1;
}

void TSortGrid::setRowCount(int count)
{
    m_model->resize(m_model->cols(), std::max(count, 2) - 1);
    keepSelection();
}

QString TSortGrid::Cells(int col, int row) const
{
    return row == 0 ? m_model->heading(col) : m_model->cell(col, row - 1);
}

void TSortGrid::setCells(int col, int row, QString text)
{
    if (row == 0) {
        m_model->setHeading(col, std::move(text));
        m_header->viewport()->update();
    } else {
        m_model->setCell(col, row - 1, std::move(text));
    }
}

void TSortGrid::beginUpdate()
{
    m_model->beginUpdate();
}

void TSortGrid::endUpdate()
{
    m_model->endUpdate();
    keepSelection();
}

int TSortGrid::Row() const
{
    QModelIndex current = currentIndex();
    return current.isValid() ? std::min(current.row() + 1, RowCount() - 1) : 1;
}

void TSortGrid::setRow(int row)
{
    moveTo(std::clamp(row, 1, RowCount() - 1), Col());
}

int TSortGrid::Col() const
{
    QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

int TSortGrid::VisibleRowCount() const
{
    int height = std::max(verticalHeader()->defaultSectionSize(), 1);
    int fit = viewport()->height() / height;
    int top = std::max(rowAt(0), 0);
    return std::clamp(m_model->rowCount() - top, 0, fit);
}

bool TSortGrid::MouseToCell(const QPoint& pos, int& col, int& row) const
{
    int atCol = columnAt(pos.x());
    int atRow = rowAt(pos.y());
    if (atCol < 0 || atRow < 0)
        return false;
    col = atCol;
    row = atRow + 1;
    return true;
}

int TSortGrid::ColWidths(int col) const
{
    return m_header->sectionSize(col);
}

void TSortGrid::setColWidths(int col, int width)
{
    if (col >= 0 && col < ColCount())
        m_header->resizeSection(col, std::max(width, 0));
}

int TSortGrid::DefaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TSortGrid::setDefaultRowHeight(int height)
{
    height = std::max(height, 1);
    verticalHeader()->setDefaultSectionSize(height);
    m_header->setFixedHeight(height);
}

void TSortGrid::setSortCol(int col)
{
    m_sortCol = col;
    m_header->viewport()->update();
}

void TSortGrid::setSortDirection(TSortDirection direction)
{
    m_sortDirection = direction;
    m_header->viewport()->update();
}

void TSortGrid::SortByColumn(int col, TSortDirection direction)
{
    if (col < 0 || col >= ColCount())
        return;
    emit BeginSort(col);
    setSortCol(col);
    setSortDirection(direction);
    int rows = m_model->dataRows();
    if (rows <= 1)
        return;

    int row = Row();
    std::vector<std::u16string_view> cells(std::size_t(rows), std::u16string_view {});
    for (int r = 0; r < rows; ++r)
        cells[std::size_t(r)] = u16(m_model->cell(col, r));
    m_model->permuteRows(sortorder(cells, m_sortStyle, direction, m_sortCaseSensitive, m_formatSettings));

    // The selection stays on the row index; the focus goes to the sorted column.
    selectionModel()->setCurrentIndex(
        m_model->index(row - 1, col), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    emit EndSort(col);
}

bool TSortGrid::FindFirst()
{
    return findFrom(1);
}

bool TSortGrid::FindNext()
{
    return findFrom(Row() + 1);
}

bool TSortGrid::findFrom(int firstRow)
{
    int row = findrow(
        cellReader(), firstRow, RowCount() - 1, ColCount(), m_searchCol, u16(m_searchText), m_caseSensitive);
    if (row == 0)
        return false;
    setRow(row);
    return true;
}

void TSortGrid::setOnGetCellFormat(GetCellFormatHook hook)
{
    m_onGetCellFormat = std::move(hook);
    viewport()->update();
    m_header->viewport()->update();
}

TFormatOptions TSortGrid::cellFormat(int col, int row, bool selected) const
{
    TFormatOptions format;
    if (row == 0) {
        format.Brush = m_header->palette().button();
        format.Font = m_header->font();
        format.FontColor = m_header->palette().color(QPalette::ButtonText);
    } else {
        format.Brush = selected ? palette().highlight() : palette().base();
        format.Font = font();
        format.FontColor = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
    }
    if (m_onGetCellFormat)
        m_onGetCellFormat(col, row, format);
    return format;
}

// Type-ahead on the first column, one character at a time.
void TSortGrid::keyboardSearch(const QString& search)
{
    if (search.isEmpty() || !search.at(0).isPrint())
        return;
    int row = typeaheadrow(cellReader(), Row(), RowCount() - 1, char16_t(search.at(0).unicode()));
    if (row > 0)
        moveTo(row, Col());
}

void TSortGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    emit MouseUp(event->button(), event->position().toPoint());
}

void TSortGrid::headerClicked(int col, Qt::MouseButton button)
{
    TSortDirection direction = sdAscending;
    if (button == Qt::RightButton || (col == m_sortCol && m_sortDirection == sdAscending))
        direction = sdDescending;
    SortByColumn(col, direction);
}

void TSortGrid::moveTo(int row, int col)
{
    QModelIndex at = m_model->index(row - 1, std::clamp(col, 0, ColCount() - 1));
    if (!at.isValid())
        return;
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(at);
}

// Like a string grid, the grid always has a selected row.
void TSortGrid::keepSelection()
{
    if (m_model->updating())
        return;
    QModelIndex current = currentIndex();
    if (!current.isValid()) {
        moveTo(1, 0);
    } else if (!selectionModel()->isRowSelected(current.row(), {})) {
        selectionModel()->setCurrentIndex(
            current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

CellReader TSortGrid::cellReader() const
{
    return [this](int col, int row) { return u16(m_model->cell(col, row - 1)); };
}
