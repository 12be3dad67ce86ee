// The reports and the CSV export. The pages are written by the report writers;
// this file chooses what they report on and where the files go.
#include <functional>

#include "mainform/tform1.h"
#include "mainform/tsortgrid.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "records/fileops.h"
#include "reports/brandsreport.h"
#include "reports/brewsreport.h"
#include "reports/detailsreport.h"
#include "reports/labelsreport.h"
#include "reports/reportcontext.h"
#include "reports/reportfile.h"
#include "reports/reportrun.h"
#include "reports/tastingsheet.h"

namespace {

// The brew list's cells as the brews report reads them.
class GridCells : public BrewListCells {
public:
    explicit GridCells(const TSortGrid& grid) : grid_(grid) {}
    int colcount() const override { return grid_.ColCount(); }
    int rowcount() const override { return grid_.RowCount(); }
    std::string cell(int col, int row) const override { return fromqs(grid_.Cells(col, row)); }
    int sortcol() const override { return grid_.SortCol(); }

private:
    const TSortGrid& grid_;
};

ReportContext reportcontext(const TForm1& form)
{
    ReportContext ctx;
    ctx.FontSize = form.settings.FontSize;
    ctx.MetricUnits = form.settings.MetricUnits;
    ctx.fs = form.formatsettings;
    ctx.today = form.clock.now();
    return ctx;
}

// One run of a report that has a page of its own for the selected brew.
using OneBrewWriter = std::function<void(ReportLines&, const tbaccrec&, const std::string& number)>;

void onebrewreport(TForm1& form, const char* filename, const char* failmessage, bool showpathfirst,
                   const OneBrewWriter& write)
{
    const int row = form.selectedrow();
    if (row < 1 || row > static_cast<int>(form.recordlist.size())) {
        form.messages.showmsg("There is no brew to report on. Add a brew record first.");
        return;
    }
    const tbaccrec& rec = *form.recordlist[static_cast<std::size_t>(row - 1)];
    const std::string number = fromqs(form.grid->Cells(0, row));
    const std::string path = reportpath(form.datafilename, filename);
    if (showpathfirst)
        form.messages.plainmsg(path);
    ReportRunner runner(&form, form.messages, realfileops());
    runner.run(
        path, failmessage, [&](ReportLines& out) { write(out, rec, number); }, form.settings.ShowReportMessage);
}

void brandrep(TForm1& form)
{
    BrandTally tally = form.getbrandinfo();
    sortbrands(tally);
    const ReportContext ctx = reportcontext(form);
    ReportRunner runner(&form, form.messages, realfileops());
    runner.run(
        reportpath(form.datafilename, brandsreportfile), reportfailmessage,
        [&](ReportLines& out) { writebrandsreport(out, tally, ctx); }, form.settings.ShowReportMessage);
}

void brewrep(TForm1& form)
{
    const GridCells cells(*form.grid);
    const ReportContext ctx = reportcontext(form);
    ReportRunner runner(&form, form.messages, realfileops());
    runner.run(
        reportpath(form.datafilename, brewsreportfile), reportfailmessage,
        [&](ReportLines& out) { writebrewsreport(out, form.recordlist, cells, ctx); },
        form.settings.ShowReportMessage);
}

}  // namespace

// The "Reports" menu is opening: the one-brew items name the selected brew.
void TForm1::Reports1Click()
{
    const QString number = grid->Cells(0, selectedrow());
    PrintdetailsforBrewNo1->setText(tr("Brew details for Brew No. ") + number);
    TastingSheetforPrinting1->setText(tr("Tasting sheet for Brew No. ") + number);
    LabelsforBrewNo1->setText(tr("Bottle Labels for Brew No. ") + number);
}

void TForm1::Brandlist1Click() { brandrep(*this); }

void TForm1::Brewlist1Click() { brewrep(*this); }

void TForm1::PrintdetailsforBrewNo1Click()
{
    const ReportContext ctx = reportcontext(*this);
    onebrewreport(*this, detailsreportfile, detailsfailmessage, false,
                  [&](ReportLines& out, const tbaccrec& rec, const std::string& number) {
                      writedetailsreport(out, rec, number, ctx);
                  });
}

void TForm1::TastingSheetforPrinting1Click()
{
    const ReportContext ctx = reportcontext(*this);
    onebrewreport(*this, tastingsheetfile, tastingfailmessage, false,
                  [&](ReportLines& out, const tbaccrec& rec, const std::string& number) {
                      writetastingsheet(out, rec, number, ctx);
                  });
}

void TForm1::LabelsforBrewNo1Click()
{
    const ReportContext ctx = reportcontext(*this);
    onebrewreport(*this, labelsreportfile, labelsfailmessage, true,
                  [&](ReportLines& out, const tbaccrec& rec, const std::string&) { writelabelsreport(out, rec, ctx); });
}

void TForm1::brewlistcsvitemClick()
{
    ReportRunner runner(this, messages, realfileops());
    runner.exportcsv(recordlist, formatsettings);
}
