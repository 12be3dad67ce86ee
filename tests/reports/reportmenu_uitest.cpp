// The Reports menu and the brew list's pop-up items, run from the main window.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QUrl>

#include "mainform/mainwindow.h"
#include "mainform/tsortgrid.h"
#include "reportfixture.h"
#include "reports/csvexport.h"

namespace {

// Records the files handed to the desktop instead of opening them.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    OpenedFiles() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler("file"); }
    std::vector<std::string> paths;

public slots:
    void open(const QUrl& url) { paths.push_back(url.toLocalFile().toStdString()); }
};

class ReportMenuTest : public MainWindowTest {
protected:
    OpenedFiles opened;

    void startwith(const std::vector<BrewFields>& brews)
    {
        writedatafile(brews);
        start();
        form->settings.ShowReportMessage = true;  // no notice in the way
    }

    std::string reportfile(const std::string& name) const
    {
        return std::filesystem::path(datafile()).parent_path().string() + "/" + name;
    }

    void openreportsmenu()
    {
        QMetaObject::invokeMethod(form->Reports1, "aboutToShow");
    }
};

}  // namespace

TEST_F(ReportMenuTest, MenuCaptionsNameTheSelectedBrew)
{
    startwith({brew(7, "Ale"), brew(0, "Unnumbered"), brew(9, "Stout")});
    form->grid->setRow(3);
    openreportsmenu();
    EXPECT_EQ(form->PrintdetailsforBrewNo1->text(), "Brew details for Brew No. 9");
    EXPECT_EQ(form->TastingSheetforPrinting1->text(), "Tasting sheet for Brew No. 9");
    EXPECT_EQ(form->LabelsforBrewNo1->text(), "Bottle Labels for Brew No. 9");
    form->grid->setRow(2);
    openreportsmenu();
    EXPECT_EQ(form->PrintdetailsforBrewNo1->text(), "Brew details for Brew No. ");
}

TEST_F(ReportMenuTest, EveryReportIsWrittenBesideTheDataFileAndOpened)
{
    startwith({brew(7, "Ale"), brew(8, "Stout"), brew(9, "Porter")});
    form->grid->setRow(2);
    struct Item {
        QAction* action;
        const char* file;
    };
    const Item items[] = {
        {form->Brandlist1, "brew brands report.html"},
        {form->Brewlist1, "brews report.html"},
        {form->PrintdetailsforBrewNo1, "Brew details.html"},
        {form->TastingSheetforPrinting1, "tasting sheet.html"},
        {form->LabelsforBrewNo1, "labels.html"},
    };
    for (const Item& item : items) {
        item.action->trigger();
        EXPECT_EQ(opened.paths.back(), reportfile(item.file));
        const std::string page = readfile(reportfile(item.file));
        EXPECT_EQ(page.rfind("<html>\r\n", 0), 0u) << item.file;
    }
    EXPECT_EQ(opened.paths.size(), 5u);
    EXPECT_NE(readfile(reportfile("Brew details.html")).find("\r\nBatch No. 8\r\n"), std::string::npos);
    EXPECT_NE(readfile(reportfile("tasting sheet.html")).find("Brew Batch No. 8</h1>"), std::string::npos);
    EXPECT_NE(readfile(reportfile("labels.html")).find("\r\nBrew Batch No. 8\r\n"), std::string::npos);
    EXPECT_EQ(messages.shown, std::vector<std::string>{reportfile("labels.html")}) << "the labels path comes first";
}

TEST_F(ReportMenuTest, PopupItemsReportOnTheRowClicked)
{
    startwith({brew(7, "Ale"), brew(8, "Stout"), brew(9, "Porter")});
    form->grid->setRow(1);
    form->grid->SortByColumn(0, sdDescending);  // rows 9, 8, 7
    form->grid->setRow(3);
    form->Reportbrewdetails1->trigger();
    EXPECT_NE(readfile(reportfile("Brew details.html")).find("\r\nBatch No. 7\r\n<"), std::string::npos);
    form->Brewlist1->trigger();
    const std::string brews = readfile(reportfile("brews report.html"));
    EXPECT_LT(brews.find("<i>Porter</i>"), brews.find("<i>Stout</i>"));
    EXPECT_LT(brews.find("<i>Stout</i>"), brews.find("<i>Ale</i>"));
}

TEST_F(ReportMenuTest, EmptyListHasNoBrewToReportOn)
{
    startwith({});
    for (QAction* action : {form->PrintdetailsforBrewNo1, form->TastingSheetforPrinting1, form->LabelsforBrewNo1})
        action->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>(3, "There is no brew to report on. Add a brew record first."));
    EXPECT_FALSE(std::filesystem::exists(reportfile("Brew details.html")));
    form->Brewlist1->trigger();
    const std::string page = readfile(reportfile("brews report.html"));
    EXPECT_NE(page.find("No. brews: 0<br>"), std::string::npos);
    EXPECT_EQ(page.find("<tr>\r\n"), std::string::npos);
    EXPECT_EQ(opened.paths.size(), 1u);
}

TEST_F(ReportMenuTest, CsvExportThroughTheSaveDialog)
{
    startwith({brew(7, "Ale"), brew(8, "Stout")});
    const std::string chosen = temp.file("export");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedFiles().value(0).section('/', -1), "malvora.csv");
        dialog->selectFile(QString::fromStdString(chosen));
        static_cast<QDialog*>(dialog)->accept();
    });
    messages.answers = {Answer::yes};
    form->brewlistcsvitem->trigger();
    EXPECT_EQ(readfile(chosen + ".csv").rfind(std::string(csvheader) + "\r\n7,Ale kit,", 0), 0u);
    EXPECT_EQ(opened.paths, std::vector<std::string>{chosen + ".csv"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

#include "reportmenu_uitest.moc"
