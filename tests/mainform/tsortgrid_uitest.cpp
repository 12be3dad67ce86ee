#include "mainform/tsortgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include <vector>

#include "mainform/tsortgridheader.h"

namespace {

using Rows = std::vector<std::vector<QString>>;

// A shown grid of three columns (number, name, date) with a column of row
// positions in the last one, the way the brew list uses it.
class SortGridTest : public ::testing::Test {
protected:
    SortGridTest()
    {
        grid.setColCount(4);
        grid.resize(400, 300);
        for (int c = 0; c < 4; ++c)
            grid.setColWidths(c, 90);
        grid.setCells(0, 0, "No.");
        grid.setCells(1, 0, "Name");
        grid.setCells(2, 0, "Down");
        QObject::connect(&grid, &TSortGrid::BeginSort, [this](int col) {
            begins.push_back(col);
            grid.setSortStyle(col == 0 ? ssNumeric : col == 2 ? ssDateTime : ssNormal);
        });
        QObject::connect(&grid, &TSortGrid::EndSort, [this](int col) { ends.push_back(col); });
        grid.show();
    }

    void fill(const Rows& rows)
    {
        grid.beginUpdate();
        grid.setRowCount(int(rows.size()) + 1);
        for (int r = 0; r < int(rows.size()); ++r) {
            for (int c = 0; c < 3; ++c)
                grid.setCells(c, r + 1, rows[r][c]);
            grid.setCells(3, r + 1, QString::number(r + 1));
        }
        grid.endUpdate();
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int r = 1; r < grid.RowCount(); ++r)
            texts << grid.Cells(col, r);
        return texts;
    }

    // A press at `pressCol` and a release at `releaseCol`, in the middle of
    // the headings unless an x is given.
    void clickHeading(int pressCol, Qt::MouseButton button, int releaseCol = -1)
    {
        QHeaderView* header = grid.horizontalHeader();
        auto middle = [header](int col) {
            return QPointF(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, 5);
        };
        mouse(header, QEvent::MouseButtonPress, middle(pressCol), button);
        mouse(header, QEvent::MouseButtonRelease, middle(releaseCol < 0 ? pressCol : releaseCol), button);
    }

    static void mouse(QHeaderView* header, QEvent::Type type, QPointF at, Qt::MouseButton button)
    {
        Qt::MouseButtons buttons
            = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, header->viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &event);
    }

    void type(const QString& text)
    {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(&grid, &event);
    }

    TSortGrid grid;
    std::vector<int> begins;
    std::vector<int> ends;
    const Rows brews {
        { "12", "Stout", "03/01/2021" },
        { "3", "lager", "" },
        { "7", "Bitter", "15/12/2020" },
        { "", "Ale", "03/01/2021" },
    };
};

TEST_F(SortGridTest, SizeKeepsTwoRowsAndCellsOutsideAreEmpty)
{
    grid.setRowCount(0);
    EXPECT_EQ(grid.RowCount(), 2);
    fill(brews);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(grid.Cells(1, 2), "lager");
    EXPECT_EQ(grid.Cells(1, 0), "Name");
    grid.setCells(9, 1, "ignored");
    grid.setCells(0, 9, "ignored");
    EXPECT_EQ(grid.Cells(9, 1), "");
    EXPECT_EQ(grid.Cells(0, 9), "");
    grid.setRowCount(3);
    EXPECT_EQ(column(1), (QStringList { "Stout", "lager" }));
    grid.setRowCount(4);
    EXPECT_EQ(grid.Cells(1, 3), "");
}

TEST_F(SortGridTest, UpdateShowsTheNewSizeOnlyAtItsEnd)
{
    grid.beginUpdate();
    grid.setRowCount(1001);
    EXPECT_EQ(grid.RowCount(), 1001);
    EXPECT_EQ(grid.model()->rowCount(), 1);
    grid.endUpdate();
    EXPECT_EQ(grid.model()->rowCount(), 1000);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(0, {}));
}

TEST_F(SortGridTest, ClicksOnAHeadingSortByTheDirectionRules)
{
    fill(brews);
    struct Step {
        int col;
        Qt::MouseButton button;
        TSortDirection expected;
    } steps[] = {
        { 1, Qt::LeftButton, sdAscending }, // another column: ascending
        { 1, Qt::LeftButton, sdDescending }, // same column, was ascending
        { 1, Qt::LeftButton, sdAscending }, // same column, was descending
        { 1, Qt::RightButton, sdDescending },
        { 1, Qt::RightButton, sdDescending },
        { 2, Qt::RightButton, sdDescending },
        { 0, Qt::LeftButton, sdAscending },
    };
    for (const Step& step : steps) {
        clickHeading(step.col, step.button);
        EXPECT_EQ(grid.SortCol(), step.col);
        EXPECT_EQ(grid.SortDirection(), step.expected) << "column " << step.col;
    }
    EXPECT_EQ(begins, (std::vector<int> { 1, 1, 1, 1, 1, 2, 0 }));
    EXPECT_EQ(ends, begins);

    // Each click of a double click sorts: ascending, then descending.
    QHeaderView* header = grid.horizontalHeader();
    QPointF at(header->sectionViewportPosition(1) + 20, 5);
    mouse(header, QEvent::MouseButtonPress, at, Qt::LeftButton);
    mouse(header, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    mouse(header, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    mouse(header, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    EXPECT_EQ(begins.size(), 9u);
    EXPECT_EQ(grid.SortDirection(), sdDescending);
}

TEST_F(SortGridTest, APressAndReleaseInDifferentColumnsOrOnABorderDoNotSort)
{
    fill(brews);
    clickHeading(1, Qt::LeftButton, 2);
    EXPECT_TRUE(begins.empty());

    int widthChanges = 0;
    QObject::connect(&grid, &TSortGrid::ColumnWidthsChanged, [&] { ++widthChanges; });
    QHeaderView* header = grid.horizontalHeader();
    QPointF border(header->sectionViewportPosition(1) + header->sectionSize(1) - 1, 5);
    mouse(header, QEvent::MouseButtonPress, border, Qt::LeftButton);
    QPointF dragged = border + QPointF(30, 0);
    QMouseEvent move(QEvent::MouseMove, dragged, header->viewport()->mapToGlobal(dragged), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &move);
    mouse(header, QEvent::MouseButtonRelease, dragged, Qt::LeftButton);
    EXPECT_TRUE(begins.empty());
    EXPECT_EQ(grid.ColWidths(1), 120);
    EXPECT_GT(widthChanges, 0);

    widthChanges = 0;
    grid.setColWidths(2, 0);
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(widthChanges, 1);
}

TEST_F(SortGridTest, SortMovesWholeRowsStablyAndKeepsTheSelectedRowIndex)
{
    fill(brews);
    grid.setRow(2);
    grid.SortByColumn(2, sdAscending);
    // Dates in order, ties in their previous order, the empty date last.
    EXPECT_EQ(column(1), (QStringList { "Bitter", "Stout", "Ale", "lager" }));
    EXPECT_EQ(column(3), (QStringList { "3", "1", "4", "2" }));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 2);

    grid.SortByColumn(0, sdDescending);
    EXPECT_EQ(column(0), (QStringList { "", "12", "7", "3" }));
    grid.SortByColumn(1, sdAscending);
    EXPECT_EQ(column(1), (QStringList { "Ale", "Bitter", "lager", "Stout" }));
    grid.setSortCaseSensitive(true);
    grid.SortByColumn(1, sdAscending);
    EXPECT_EQ(column(1), (QStringList { "Ale", "Bitter", "Stout", "lager" }));
    EXPECT_EQ(ends, (std::vector<int> { 2, 0, 1, 1 }));
}

TEST_F(SortGridTest, OneDataRowChangesTheArrowButMovesNothing)
{
    fill({ { "5", "Mild", "" } });
    clickHeading(2, Qt::RightButton);
    EXPECT_EQ(begins, (std::vector<int> { 2 }));
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(grid.SortCol(), 2);
    EXPECT_EQ(grid.SortDirection(), sdDescending);
    EXPECT_EQ(grid.Cells(1, 1), "Mild");
}

TEST_F(SortGridTest, FindWalksDownEveryColumnAndNeverTheHeading)
{
    fill(brews);
    grid.setSearchText("T"); // Stout (row 1), Bitter (row 3)
    EXPECT_TRUE(grid.FindFirst());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_TRUE(grid.FindNext());
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_FALSE(grid.FindNext());
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_TRUE(grid.FindFirst());
    EXPECT_EQ(grid.Row(), 1);

    grid.setSearchText("4"); // only in the position column
    EXPECT_TRUE(grid.FindFirst());
    EXPECT_EQ(grid.Row(), 4);
    grid.setSearchText("Name");
    EXPECT_FALSE(grid.FindFirst());
    grid.setSearchText("t");
    grid.setCaseSensitive(true);
    EXPECT_TRUE(grid.FindFirst());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_TRUE(grid.FindNext());
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(SortGridTest, TypingMovesToTheNextRowStartingWithTheCharacterAndWraps)
{
    fill({ { "1", "", "" }, { "20", "", "" }, { "13", "", "" }, { "2", "", "" } });
    type("1");
    EXPECT_EQ(grid.Row(), 3);
    type("1");
    EXPECT_EQ(grid.Row(), 1);
    type("2");
    EXPECT_EQ(grid.Row(), 2);
    type("9");
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(SortGridTest, FormatHookDecidesHowEachCellIsDrawn)
{
    fill({ { "", "", "" }, { "", "WW", "" } }); // row 1 is selected, row 2 drawn plain
    grid.setColWidths(1, 200);
    std::vector<std::pair<int, int>> asked;
    grid.setOnGetCellFormat([&](int col, int row, TFormatOptions& format) {
        asked.emplace_back(col, row);
        if (col == 1 && row == 2)
            format.AlignmentHorz = taRightJustify;
    });
    QImage image = grid.grab().toImage();
    EXPECT_NE(std::find(asked.begin(), asked.end(), std::pair(1, 0)), asked.end());
    EXPECT_NE(std::find(asked.begin(), asked.end(), std::pair(1, 2)), asked.end());

    // Ink of the right-aligned text lies in the right half of the cell only.
    QRect cell = grid.visualRect(grid.model()->index(1, 1)).translated(grid.viewport()->pos());
    auto inkIn = [&](int left, int right) {
        int dark = 0;
        for (int x = left; x < right; ++x)
            for (int y = cell.top() + 2; y < cell.bottom() - 2; ++y)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    int middle = cell.center().x();
    EXPECT_EQ(inkIn(cell.left() + 2, middle), 0);
    EXPECT_GT(inkIn(middle, cell.right() - 1), 0);
    EXPECT_EQ(grid.cellFormat(1, 2, false).AlignmentHorz, taRightJustify);
    EXPECT_EQ(grid.cellFormat(0, 1, false).AlignmentHorz, taLeftJustify);
}

TEST_F(SortGridTest, RowSelectionScrollsAndCountsVisibleRows)
{
    Rows many(200, { "1", "x", "" });
    fill(many);
    int visible = grid.VisibleRowCount();
    EXPECT_EQ(visible, grid.viewport()->height() / 21);
    grid.setRow(200);
    EXPECT_EQ(grid.Row(), 200);
    EXPECT_GT(grid.rowAt(grid.viewport()->height() - 1), 150);
    grid.setRow(500);
    EXPECT_EQ(grid.Row(), 200);
    fill({ { "1", "x", "" } });
    EXPECT_EQ(grid.VisibleRowCount(), 1);
}

TEST(SortGridHeading, TooWideHeadingsAreShortenedWithTwoDots)
{
    QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(TSortGridHeader::shortened("Down", metrics, 200), "Down");
    QString cut = TSortGridHeader::shortened("Brew tmp", metrics, metrics.horizontalAdvance("Brew t.."));
    EXPECT_EQ(cut, "Brew t..");
    EXPECT_EQ(TSortGridHeader::shortened("Brew tmp", metrics, 0), "..");
}

} // namespace
