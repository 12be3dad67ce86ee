// The brew list of the main window: sorting, search, row hiding and widths.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cmath>

#include "mainform/mainwindow.h"

namespace {

class BrewListTest : public MainWindowTest {
protected:
    // Four brews whose columns sort differently; brew 4 has no number, no
    // date down and no alcohol.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        writedatafile({brew(3, "Bitter", encodedate(2024, 5, 1), 4.5),
                       brew(10, "amber", encodedate(2023, 12, 24), 12.0),
                       brew(0, "Cider", nodate, notgivenreal),
                       brew(2, "Zest", encodedate(2024, 1, 2), 5.25)});
    }

    std::vector<int> listnums() const
    {
        std::vector<int> out;
        for (const auto& rec : form->recordlist)
            out.push_back(rec->num);
        return out;
    }
};

TEST_F(BrewListTest, EachColumnKindSortsBothWaysAndTheListFollows)
{
    start();
    struct Case {
        int col;
        TSortDirection direction;
        std::vector<int> nums;  // batch numbers top down; 0 for the brew without one
    };
    const Case cases[] = {
        {0, sdAscending, {2, 3, 10, 0}},    // numbers, the empty cell last
        {0, sdDescending, {0, 10, 3, 2}},   // and first
        {1, sdAscending, {10, 3, 0, 2}},    // text, A-Z taken as a-z
        {1, sdDescending, {2, 0, 3, 10}},
        {2, sdAscending, {10, 2, 3, 0}},    // dates, not their texts
        {2, sdDescending, {0, 3, 2, 10}},
        {7, sdAscending, {3, 2, 10, 0}},    // reals: 12.0 after 5.3
        {7, sdDescending, {0, 10, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("column " + std::to_string(c.col) + (c.direction == sdAscending ? " up" : " down"));
        form->grid->SortByColumn(c.col, c.direction);
        EXPECT_EQ(listnums(), c.nums);
        EXPECT_TRUE(rowsfollowlist());
    }
}

TEST_F(BrewListTest, HeadingClicksSortAndTheSortSurvivesARestart)
{
    start();
    QHeaderView* header = form->grid->horizontalHeader();
    const QPoint down(header->sectionViewportPosition(2) + 5, header->height() / 2);
    auto click = [&](Qt::MouseButton button) {
        QMouseEvent press(QEvent::MouseButtonPress, down, header->viewport()->mapToGlobal(down), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, down, header->viewport()->mapToGlobal(down), button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &release);
    };
    click(Qt::LeftButton);
    EXPECT_EQ(listnums(), (std::vector<int>{10, 2, 3, 0}));
    click(Qt::LeftButton);
    EXPECT_EQ(listnums(), (std::vector<int>{0, 3, 2, 10}));
    EXPECT_TRUE(rowsfollowlist());

    closeform();
    start();
    EXPECT_EQ(form->grid->SortCol(), 2);
    EXPECT_EQ(form->grid->SortDirection(), sdDescending);
    EXPECT_EQ(listnums(), (std::vector<int>{0, 3, 2, 10})) << "rows come back in file order";
}

TEST_F(BrewListTest, FindFindNextAndNotFound)
{
    start();
    // "i" is in rows 1 (Bitter) and 3 (Cider) only.
    form->searchedit->setText("i");
    form->searchbutton->click();
    EXPECT_EQ(form->grid->Row(), 1);
    EXPECT_TRUE(form->searchactive());
    presskey(form->grid, Qt::Key_F3);
    EXPECT_EQ(form->grid->Row(), 3);
    presskey(form->grid, Qt::Key_F3);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Search string 'i' not found"}));
    EXPECT_EQ(form->grid->Row(), 3);
    EXPECT_FALSE(form->searchactive());
    presskey(form->searchedit, Qt::Key_Return);
    EXPECT_EQ(form->grid->Row(), 1) << "after not found the search starts again at row 1";

    // Typing in the box makes the next search start at row 1 with the new text.
    presskey(form->grid, Qt::Key_F3);
    EXPECT_EQ(form->grid->Row(), 3);
    form->searchedit->setText("zest");
    form->searchbutton->click();
    EXPECT_EQ(form->grid->Row(), 4);
}

TEST_F(BrewListTest, EmptySearchBoxTakesTheFocusWithoutMessage)
{
    start();
    form->grid->setFocus();
    form->searchbutton->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(form->searchedit->hasFocus());
}

TEST_F(BrewListTest, BlankingInHidingModeOneAndSearchShowsTheRowsInFull)
{
    storesettings({{"Hiding", "1"}});
    start();
    form->TimerTimer();
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(form->grid->Cells(10, row), QString::number(row));
        for (int col = 1; col < 10; ++col)
            EXPECT_TRUE(form->grid->Cells(col, row).isEmpty()) << col << "," << row;
    }
    EXPECT_EQ(form->grid->Cells(0, 1), "3");

    form->searchedit->setText("Zest");
    form->searchbutton->click();
    EXPECT_EQ(form->grid->Row(), 4);
    EXPECT_EQ(form->grid->Cells(1, 4), "Zest");
}

TEST_F(BrewListTest, TimerBlanksNothingInOtherHidingModes)
{
    storesettings({{"HideDelay", "5"}});
    start();
    EXPECT_TRUE(form->Timer->isActive());
    EXPECT_EQ(form->Timer->interval(), 30000);
    EXPECT_EQ(form->settings.Hiding, 3);
    form->TimerTimer();
    EXPECT_EQ(form->grid->Cells(1, 1), "Bitter");
}

TEST_F(BrewListTest, DraggedWidthsKeepTheirShareWhenTheWindowResizes)
{
    start();
    TSortGrid* grid = form->grid;
    const double before = grid->viewport()->width();
    EXPECT_NEAR(grid->ColWidths(1), before * 0.225, 1.0);
    EXPECT_EQ(grid->ColWidths(10), 0);

    grid->setColWidths(1, int(before * 0.4));  // as a drag of the column's border
    const double share = form->settings.ColWidths[1];
    EXPECT_NEAR(share, 0.4, 0.01);

    form->resize(form->width() + 200, form->height());
    QApplication::processEvents();
    const double after = grid->viewport()->width();
    ASSERT_GT(after, before);
    EXPECT_EQ(grid->ColWidths(1), int(std::nearbyint(after * share)));
    EXPECT_EQ(form->settings.ColWidths[1], share) << "the program's own layout records nothing";

    form->Seeallcolumns1->trigger();
    EXPECT_EQ(form->settings.ColWidths, defaultcolwidths());
    EXPECT_EQ(grid->ColWidths(1), int(std::nearbyint(after * 0.225)));

    grid->setColWidths(3, 120);
    closeform();
    start();
    EXPECT_NEAR(form->settings.ColWidths[3], 120 / after, 1e-9);
}

}  // namespace
