// Start-up, the settings and shutdown of the main window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>

#include <fstream>

#include "mainform/mainwindow.h"
#include "../records/filebytes.h"

namespace {

std::vector<char> filecontents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(MainWindowTest, FirstRunShowsTheExampleAndTheHintAndWritesNoDataFile)
{
    TForm1& f = start();
    EXPECT_EQ(f.datafilename, datafile());
    EXPECT_EQ(f.grid->RowCount(), 2);
    EXPECT_EQ(f.grid->Cells(1, 1), "Example Batch Name");
    EXPECT_EQ(f.recordlist.size(), 1u);
    EXPECT_EQ(f.statustext(), "   1 brews recorded");
    EXPECT_EQ(f.windowTitle(), "Malvora");
    EXPECT_EQ(f.helpfile, temp.file("program") + "/malvora.html");
    EXPECT_TRUE(f.currentfile.empty());

    EXPECT_TRUE(messages.shown.empty());
    waitfor([&] { return !messages.shown.empty(); });
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"\"Add\" or \"Edit\" a brew record to enter your brew information."}));

    closeform();
    EXPECT_FALSE(std::filesystem::exists(datafile()));
    EXPECT_TRUE(store->exists());
}

TEST_F(MainWindowTest, GoodDataFileIsListedAndSavedAgainAtExit)
{
    writedatafile({brew(1, "Pale"), brew(2, "Stout"), brew(3, "Mild")}, "eggs\r\nmalt");
    TForm1& f = start();
    EXPECT_EQ(numbercolumn(), (std::vector<QString>{"1", "2", "3"}));
    EXPECT_TRUE(rowsfollowlist());
    EXPECT_EQ(f.statustext(), "   3 brews recorded");
    EXPECT_EQ(f.shoppingmemo->toPlainText(), "eggs\nmalt");
    EXPECT_EQ(f.currentfile, datafile());
    waitfor([] { return false; }, 700);
    EXPECT_TRUE(messages.shown.empty()) << "no welcome hint with brews listed";

    f.shoppingmemo->appendPlainText("hops");
    closeform();
    // Loading marks the shopping list changed, so exit saves, with a backup.
    EXPECT_TRUE(std::filesystem::exists(datafile() + "_bak"));
    FakeMessages quiet;
    const auto loaded = DataFile(datafile()).load(quiet);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->records.size(), 3u);
    EXPECT_EQ(loaded->shoppinglist, "eggs\r\nmalt\r\nhops");
    EXPECT_EQ(store->readstring("LastFile"), datafile());
}

TEST_F(MainWindowTest, LongListIsScrolledToItsLastBrewAtFirstShow)
{
    std::vector<BrewFields> brews;
    for (int i = 1; i <= 300; ++i)
        brews.push_back(brew(i, "Brew " + std::to_string(i)));
    writedatafile(brews);
    TForm1& f = start();
    EXPECT_EQ(f.grid->Row(), 300);
    EXPECT_EQ(f.statustext(), "   300 brews recorded");
}

TEST_F(MainWindowTest, BadDataFileIsReportedAndKeptWhileTheExampleShows)
{
    std::filesystem::create_directories(std::filesystem::path(datafile()).parent_path());
    const auto bytes = filebytes::fileheader();
    std::ofstream(datafile(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 321);
    const auto before = filecontents(datafile());

    TForm1& f = start();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0], "File read error");
    EXPECT_EQ(f.grid->Cells(1, 1), "Example Batch Name");
    EXPECT_TRUE(rowsfollowlist());
    closeform();
    EXPECT_EQ(filecontents(datafile()), before);
}

TEST_F(MainWindowTest, DataFileWithoutBrewsShowsTheHeadingsAndAnEmptyRow)
{
    writedatafile({});
    TForm1& f = start();
    EXPECT_TRUE(f.recordlist.empty());
    EXPECT_EQ(f.grid->RowCount(), 2);
    EXPECT_EQ(f.grid->Cells(0, 0), "No.");
    EXPECT_EQ(f.grid->Cells(1, 1), "");
    EXPECT_EQ(f.statustext(), "   0 brews recorded");
}

TEST_F(MainWindowTest, DeletionInARunWithoutDataFileIsSavedAtExit)
{
    TForm1& f = start();
    f.recordlist.clear();
    f.listmodified = true;
    closeform();
    FakeMessages quiet;
    const auto loaded = DataFile(datafile()).load(quiet);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->records.empty());
}

TEST_F(MainWindowTest, NoSettingsGiveACentredWindowAndDefaults)
{
    TForm1& f = start(false);
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(f.width(), screen.width() >= 800 ? 790 : 700);
    EXPECT_EQ(f.x(), screen.width() / 2 - 700 / 2);
    EXPECT_EQ(f.grid->SortCol(), 0);
    EXPECT_EQ(f.grid->SortDirection(), sdAscending);
    EXPECT_EQ(f.settings.ColWidths, defaultcolwidths());
}

TEST_F(MainWindowTest, StoredSettingsAreAppliedAndWrittenBack)
{
    ColumnFractions widths = defaultcolwidths();
    widths[1] = 0.3;
    storesettings({{"Left", "40"}, {"Top", "50"}, {"Width", "640"}, {"Height", "400"},
                   {"SortColumn", "2"}, {"SortDirection", "0"}, {"FontSize", "1"}, {"Hiding", "2"},
                   {"HideDelay", "5"}, {"MetricUnits", "0"}, {"Tips", "0"},
                   {"ColWidths", QByteArray::fromStdString(encodecolwidths(widths))}});
    TForm1& f = start(false);
    EXPECT_EQ(f.pos(), QPoint(40, 50));
    EXPECT_EQ(f.size(), QSize(640, 400));
    EXPECT_EQ(f.grid->SortCol(), 2);
    EXPECT_EQ(f.grid->SortDirection(), sdDescending);
    EXPECT_EQ(f.settings.FontSize, "\"2\"");
    EXPECT_EQ(f.settings.Hiding, 2);
    EXPECT_FALSE(f.settings.MetricUnits);
    EXPECT_FALSE(f.settings.Tips);
    EXPECT_EQ(f.settings.ColWidths, widths);

    f.grid->setSortCol(5);
    f.grid->setSortDirection(sdAscending);
    f.move(60, 70);
    closeform();
    EXPECT_EQ(store->readstring("SortColumn"), "5");
    EXPECT_EQ(store->readstring("SortDirection"), "1");
    EXPECT_EQ(store->readstring("Left"), "60");
    EXPECT_EQ(store->readstring("Top"), "70");
    EXPECT_EQ(store->readstring("FontSize"), "1");
    EXPECT_EQ(store->readstring("HideDelay"), "30");
    EXPECT_EQ(store->readstring("MAX"), "0");
    EXPECT_EQ(store->readbinary("ColWidths"), encodecolwidths(widths));
}

TEST_F(MainWindowTest, MaximizedWindowIgnoresItsPlace)
{
    storesettings({{"MAX", "1"}, {"Left", "abc"}, {"Width", "500"}});
    TForm1& f = start(false);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_NE(f.width(), 500);
}

TEST_F(MainWindowTest, SettingsValuesOfTheWrongKindReadAsAbsent)
{
    storesettings({{"SortDirection", QByteArray("0")}, {"SortColumn", QStringList{"3", "4"}},
                   {"ColWidths", "not bytes"}});
    TForm1& f = start(false);
    EXPECT_EQ(f.grid->SortDirection(), sdAscending);
    EXPECT_EQ(f.grid->SortCol(), 0);
    EXPECT_EQ(f.settings.ColWidths, defaultcolwidths());
}

TEST_F(MainWindowTest, UnwritableSettingsAreReportedAndTheDataIsStillSaved)
{
    std::ofstream(temp.file("blocker")) << "a file where a folder should be";
    store = std::make_unique<QtSettingsStore>(QString::fromStdString(temp.file("blocker") + "/Malvora.conf"));
    TForm1& f = start();
    f.listmodified = true;
    form->close();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Failed to save to registry"}));
    EXPECT_TRUE(std::filesystem::exists(datafile()));
}

}  // namespace
