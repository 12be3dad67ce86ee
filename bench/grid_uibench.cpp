// Fills the brew grid with 100,000 rows of 11 columns, as the main window
// does, and sorts it by a date column. Budgets: fill under 0.5 s, date sort
// under 0.3 s.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

#include "mainform/tsortgrid.h"
#include "platform/formatsettings.h"

namespace {

constexpr int rowCount = 100000;
constexpr int colCount = 11;

double cpuseconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Wall-clock and processor time of `work` and the repaint after it; on a busy
// machine the second says more about the code.
struct Times {
    double wall;
    double cpu;
};

Times measure(const std::function<void()>& work)
{
    auto start = std::chrono::steady_clock::now();
    double cpuStart = cpuseconds();
    work();
    QApplication::processEvents();
    return { std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
        cpuseconds() - cpuStart };
}

void report(const char* what, Times times, const char* budget)
{
    std::printf("%-58s %.3f s wall, %.3f s cpu%s\n", what, times.wall, times.cpu, budget);
}

// One row as the brew list writes it: number, name, dates, days, readings, position.
void drawrow(TSortGrid& grid, int row, const FormatSettings& fs)
{
    TDateTime down = 40000 + (row * 7919) % 6000;
    grid.setCells(0, row, QString::number(row % 977));
    grid.setCells(1, row, QStringLiteral("Brew kit number %1").arg(row % 313));
    grid.setCells(2, row, QString::fromStdString(formatdate(down, fs)));
    grid.setCells(3, row, row % 10 == 0 ? QString() : QString::fromStdString(formatdate(down + 21, fs)));
    grid.setCells(4, row, QString::number(row % 14));
    grid.setCells(5, row, QString::number(row % 9));
    grid.setCells(6, row, QString::fromStdString(formatfixed(18 + row % 70 / 10.0, 1, fs)));
    grid.setCells(7, row, QString::fromStdString(formatfixed(3 + row % 50 / 10.0, 1, fs)));
    grid.setCells(8, row, QString::fromStdString(formatdate(down + 60, fs)));
    grid.setCells(9, row, QString::fromStdString(formatdate(down + 400, fs)));
    grid.setCells(10, row, QString::number(row));
}

void fill(TSortGrid& grid, const FormatSettings& fs)
{
    for (int row = 1; row <= rowCount; ++row) {
        if (grid.RowCount() - 1 < row)
            grid.setRowCount(grid.RowCount() + 1);
        drawrow(grid, row, fs);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormatSettings fs;

    TSortGrid grid;
    grid.setColCount(colCount);
    grid.setRowCount(2);
    grid.setFormatSettings(fs);
    grid.resize(900, 600);
    grid.show();
    QApplication::processEvents();
    QObject::connect(&grid, &TSortGrid::BeginSort, [&grid](int) { grid.setSortStyle(ssDateTime); });

    std::printf("%d rows x %d columns\n", rowCount, colCount);
    report("fill in one update", measure([&] {
        grid.beginUpdate();
        fill(grid, fs);
        grid.endUpdate();
    }),
        " (budget 0.5 s)");
    report("sort by a date column, ascending", measure([&] { grid.SortByColumn(2, sdAscending); }),
        " (budget 0.3 s)");
    report("sort by a date column, descending", measure([&] { grid.SortByColumn(2, sdDescending); }),
        " (budget 0.3 s)");

    // The same fill again without an update, over rows that now exist, and
    // into a fresh grid where every row is added on its own.
    report("refill of existing rows without an update", measure([&] { fill(grid, fs); }), "");
    TSortGrid fresh;
    fresh.setColCount(colCount);
    fresh.resize(900, 600);
    fresh.show();
    QApplication::processEvents();
    report("fill adding one row at a time without an update", measure([&] { fill(fresh, fs); }), "");
    return 0;
}
