#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "../records/tempfolder.h"
#include "dialogs/tscreenmessage.h"
#include "platform/fakemessages.h"
#include "reportfixture.h"
#include "reports/csvexport.h"
#include "reports/reportfile.h"
#include "reports/reportrun.h"

namespace {

// A runner whose notice, opening and save dialog are recorded, not shown.
struct ScriptedRunner {
    MemoryFileOps files;
    FakeMessages messages;
    ReportRunner runner{nullptr, messages, files};
    int notices = 0;
    bool tick = false;
    std::vector<std::string> opened;
    QString chosen;

    ScriptedRunner()
    {
        runner.notice = [this](QWidget*) {
            ++notices;
            return tick;
        };
        runner.open = [this](const std::string& path) { opened.push_back(path); };
        runner.choosecsvname = [this](QWidget*, const QString& proposed) {
            EXPECT_EQ(proposed, "malvora.csv");
            return chosen;
        };
    }

    bool run(bool& suppressed)
    {
        return runner.run("/d/labels.html", labelsfailmessage, [](ReportLines& out) { out.writeline("<html>"); },
                          suppressed);
    }
};

}  // namespace

TEST(ReportRun, NoticeComesUntilTheUserTicksItsBox)
{
    ScriptedRunner s;
    bool suppressed = false;
    EXPECT_TRUE(s.run(suppressed));
    EXPECT_EQ(s.notices, 1);
    EXPECT_FALSE(suppressed);

    s.tick = true;
    EXPECT_TRUE(s.run(suppressed));
    EXPECT_EQ(s.notices, 2);
    EXPECT_TRUE(suppressed);

    EXPECT_TRUE(s.run(suppressed));
    EXPECT_EQ(s.notices, 2) << "a suppressed notice is not shown";
    EXPECT_EQ(s.opened, std::vector<std::string>(3, "/d/labels.html"));
    EXPECT_EQ(s.files.files["/d/labels.html"], "<html>\r\n");
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST(ReportRun, FailedRunShowsNoNoticeAndOpensNothing)
{
    for (const bool failcreate : {true, false}) {
        ScriptedRunner s;
        s.files.failcreate = failcreate;
        s.files.failingwrite = 0;
        bool suppressed = false;
        EXPECT_FALSE(s.run(suppressed));
        EXPECT_EQ(s.messages.shown, std::vector<std::string>{failcreate ? "Could not create file on disk"
                                                                        : "Could not create labels file"});
        EXPECT_EQ(s.notices, 0);
        EXPECT_TRUE(s.opened.empty());
    }
}

TEST(ReportRun, NoticeDialogTicksAndCloses)
{
    TScreenMessage probe;
    EXPECT_EQ(probe.windowTitle(), "Viewing and Printing Reports");
    EXPECT_EQ(probe.showmsgcheckbox->objectName(), "showmsgcheckbox");
    EXPECT_EQ(probe.showmsgcheckbox->text(), "Don't show me this message again.");
    EXPECT_FALSE(probe.showmsgcheckbox->isChecked());

    FakeMessages messages;
    MemoryFileOps files;
    ReportRunner runner(nullptr, messages, files);  // the real notice
    for (const bool tick : {false, true}) {
        QTimer::singleShot(0, [tick] {
            auto* dialog = qobject_cast<TScreenMessage*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_FALSE(dialog->showmsgcheckbox->isChecked());
            dialog->showmsgcheckbox->setChecked(tick);
            dialog->okbutton->click();
        });
        bool suppressed = false;
        runner.showrepmessage(suppressed);
        EXPECT_EQ(suppressed, tick);
    }
}

TEST(ReportRun, CsvExportAsksToOpenTheFile)
{
    TempFolder folder;
    const RecordList brews = samplebrews();
    for (const Answer answer : {Answer::yes, Answer::no}) {
        ScriptedRunner s;
        ReportRunner runner(nullptr, s.messages, realfileops());
        runner.open = s.runner.open;
        runner.choosecsvname = [&](QWidget*, const QString&) { return QString::fromStdString(folder.file("brews")); };
        s.messages.answers = {answer};
        runner.exportcsv(brews, FormatSettings{});
        const std::string path = folder.file("brews.csv");
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(s.messages.asked,
                  std::vector<std::string>{"The CSV file has been created.\n\n" + path + "\n\nDo you want to open it?"});
        EXPECT_EQ(s.opened, answer == Answer::yes ? std::vector<std::string>{path} : std::vector<std::string>{});
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST(ReportRun, CsvExportCancelledOrFailedAsksNothing)
{
    ScriptedRunner cancelled;
    cancelled.runner.exportcsv(samplebrews(), FormatSettings{});
    EXPECT_TRUE(cancelled.files.files.empty());
    EXPECT_TRUE(cancelled.messages.asked.empty());
    EXPECT_TRUE(cancelled.messages.shown.empty());

    ScriptedRunner failed;
    failed.chosen = "/d/brews.csv";
    failed.files.failingwrite = 0;
    failed.runner.exportcsv(samplebrews(), FormatSettings{});
    EXPECT_EQ(failed.messages.shown, std::vector<std::string>{"Stream write error"});
    EXPECT_TRUE(failed.messages.asked.empty());
    EXPECT_TRUE(failed.opened.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
