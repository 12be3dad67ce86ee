#include "reports/reportrun.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

#include "dialogs/tscreenmessage.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "reports/csvexport.h"
#include "reports/reportfile.h"

namespace {

bool shownotice(QWidget* owner)
{
    TScreenMessage dialog(owner);
    dialog.exec();
    return dialog.showmsgcheckbox->isChecked();
}

QString asksavename(QWidget* owner, const QString& proposed)
{
    return QFileDialog::getSaveFileName(owner, QString(), proposed, QObject::tr("CSV files (*.csv *.CSV)"),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

// The busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void shellopen(const std::string& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(toqs(path))); }

ReportRunner::ReportRunner(QWidget* owner, Messages& messages, FileOps& files)
    : notice(shownotice), open(shellopen), choosecsvname(asksavename), owner_(owner), messages_(messages),
      files_(files)
{
}

bool ReportRunner::run(const std::string& path, std::string_view failmessage,
                       const std::function<void(ReportLines&)>& write, bool& ShowReportMessage)
{
    if (!writereportfile(files_, messages_, path, failmessage, write))
        return false;
    showrepmessage(ShowReportMessage);
    open(path);
    return true;
}

void ReportRunner::showrepmessage(bool& ShowReportMessage)
{
    if (ShowReportMessage)
        return;
    if (notice(owner_))
        ShowReportMessage = true;
}

void ReportRunner::exportcsv(const RecordList& records, const FormatSettings& fs)
{
    const QString chosen = choosecsvname(owner_, toqs(makefullname("", csvdefaultname)));
    if (chosen.isEmpty())
        return;
    const std::string path = csvfilename(fromqs(chosen));
    bool written = false;
    {
        BusyCursor busy;
        written = writecsvfile(files_, messages_, path, records, fs);
    }
    if (!written)
        return;
    if (messages_.askyesno("The CSV file has been created.\n\n" + path + "\n\nDo you want to open it?"))
        open(path);
}
