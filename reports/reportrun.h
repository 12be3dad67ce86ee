// The report runs and the CSV export as the main window starts them: the
// file is written, the notice shown, and the result handed to the browser or
// the spreadsheet program.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "platform/formatsettings.h"
#include "records/recordlist.h"

class FileOps;
class Messages;
class QWidget;
class ReportLines;

class ReportRunner {
public:
    ReportRunner(QWidget* owner, Messages& messages, FileOps& files);

    // What the runner does with the user and the desktop; tests replace them.
    // Shows the report notice; true when "Don't show me this message again."
    // was ticked.
    std::function<bool(QWidget* owner)> notice;
    // Hands a file to the program the desktop opens it with.
    std::function<void(const std::string& path)> open;
    // Asks for the CSV file's name, offering `proposed`; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& proposed)> choosecsvname;

    // One report run: writes the page to `path`; when it was written whole,
    // shows the notice (unless suppressed) and opens the page. Failures are
    // shown through the message routines. True when the page was opened.
    bool run(const std::string& path, std::string_view failmessage, const std::function<void(ReportLines&)>& write,
             bool& ShowReportMessage);

    // The notice, unless the user has turned it off; ticking its box turns it
    // off for good.
    void showrepmessage(bool& ShowReportMessage);

    // Asks for a file name, writes every brew to it with the busy cursor
    // shown, and offers to open the file.
    void exportcsv(const RecordList& records, const FormatSettings& fs);

private:
    QWidget* owner_;
    Messages& messages_;
    FileOps& files_;
};

// The opening of a file by its desktop program.
void shellopen(const std::string& path);
