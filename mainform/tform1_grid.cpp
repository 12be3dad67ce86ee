// The brew list: filling, sorting, column widths, search and row hiding.
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>

#include "mainform/brewrows.h"
#include "mainform/tform1.h"
#include "mainform/tsortgrid.h"
#include "platform/messages.h"
#include "platform/qtext.h"

namespace {

const char* const headings[positioncolumn] = {"No.",     "Brew Name", "Down",  "Bottled",    "Days1",
                                              "Days2",   "Brew tmp",  "Alc %", "Min use by", "Max use by"};

}  // namespace

void TForm1::fillgrid()
{
    grid->beginUpdate();
    for (int col = 0; col < positioncolumn; ++col)
        grid->setCells(col, 0, QCoreApplication::translate("TForm1", headings[col]));
    grid->setCells(lastcol, 0, {});
    const int count = int(recordlist.size());
    if (grid->RowCount() - 1 < count)
        grid->setRowCount(count + 1);
    for (int row = 1; row <= count; ++row)
        drawrow(row);
    grid->endUpdate();
    if (pc->currentWidget() == brewssheet)
        setstatustext(QString("   %1 brews recorded").arg(count));
}

void TForm1::drawrow(int row)
{
    const auto texts = brewrowtexts(*recordlist[row - 1], formatsettings);
    for (int col = 0; col < positioncolumn; ++col)
        grid->setCells(col, row, toqs(texts[col]));
    grid->setCells(lastcol, row, QString::number(row));
}

void TForm1::mygridclear()
{
    for (int col = 0; col <= lastcol; ++col)
        grid->setCells(col, 1, {});
    grid->setRowCount(2);
}

// Rows with a name, a date down or a first fermentation keep only their
// number and position.
void TForm1::blankrows()
{
    grid->beginUpdate();
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (grid->Cells(1, row).isEmpty() && grid->Cells(2, row).isEmpty() && grid->Cells(4, row).isEmpty())
            continue;
        for (int col = 1; col < positioncolumn; ++col)
            grid->setCells(col, row, {});
    }
    grid->endUpdate();
}

void TForm1::blankout()
{
    if (settings.Hiding == 1 || settings.Hiding == 2)
        blankrows();
}

void TForm1::gridBeginSort(int col)
{
    switch (col) {
    case 0:
    case 4:
    case 5:
    case 6:
    case 7:
        grid->setSortStyle(ssNumeric);
        break;
    case 2:
    case 3:
    case 8:
    case 9:
        grid->setSortStyle(ssDateTime);
        break;
    default:
        grid->setSortStyle(ssNormal);
        break;
    }
}

// The rows have moved; their position cells tell where each row's record
// still sits in the list.
void TForm1::gridEndSort(int)
{
    const int rows = grid->RowCount() - 1;
    std::vector<int> positions(rows);
    for (int row = 1; row <= rows; ++row)
        positions[row - 1] = grid->Cells(lastcol, row).toInt();
    if (!reorderbypositions(recordlist, positions))
        return;
    grid->beginUpdate();
    for (int row = 1; row <= rows; ++row)
        grid->setCells(lastcol, row, QString::number(row));
    grid->endUpdate();
}

void TForm1::gridColumnWidthsChanged()
{
    if (isVisible() && !resizing) {
        const double width = grid->viewport()->width();
        if (width > 0)
            for (int col = 0; col < lastcol; ++col)
                settings.ColWidths[col] = grid->ColWidths(col) / width;
    }
    settings.ColWidths[lastcol] = 0;
}

void TForm1::Seeallcolumns1Click()
{
    settings.ColWidths = defaultcolwidths();
    FormResize();
}

void TForm1::searcheditChange() { searchactive_ = false; }

void TForm1::searchbuttonClick()
{
    const bool refill = settings.Hiding == 1 || settings.Hiding == 2;
    bool found = false;
    if (searchactive_) {
        if (refill)
            fillgrid();
        found = grid->FindNext();
        if (refill)
            fillgrid();
    } else {
        if (searchedit->text().isEmpty()) {
            searchedit->setFocus();
            return;
        }
        if (refill)
            fillgrid();
        grid->setSearchText(searchedit->text());
        found = grid->FindFirst();
        if (refill)
            fillgrid();
    }
    searchactive_ = found;
    if (!found)
        messages.showmsg("Search string '" + fromqs(searchedit->text()) + "' not found");
}
