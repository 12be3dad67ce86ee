// A main window started in a temporary folder of its own, with the message
// fake, a fixed clock, a settings file and a data file built by the test.
#pragma once

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "../records/tempfolder.h"
#include "mainform/tform1.h"
#include "mainform/tsortgrid.h"
#include "platform/clock.h"
#include "platform/fakemessages.h"
#include "platform/qtsettingsstore.h"
#include "records/calendar.h"
#include "records/datafile.h"

class MainWindowTest : public ::testing::Test {
protected:
    TempFolder temp;
    FakeMessages messages;
    FixedClock clock{encodedate(2025, 1, 15) + 0.5};
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<TForm1> form;

    void SetUp() override { store = std::make_unique<QtSettingsStore>(settingsfile()); }
    void TearDown() override
    {
        form.reset();
        store.reset();
    }

    QString settingsfile() const { return QString::fromStdString(temp.file("Malvora.conf")); }
    std::string datafile() const { return temp.file("appdata") + "/Orvanti/Malvora/malvora.dat"; }

    StartPaths paths() const
    {
        StartPaths p;
        p.programfile = temp.file("program") + "/malvora";
        p.programdir = temp.file("program") + "/";
        p.appdatafolder = temp.file("appdata");
        return p;
    }

    // Writes a data file of these brews and shopping list.
    void writedatafile(const std::vector<BrewFields>& brews, const std::string& shopping = {})
    {
        std::filesystem::create_directories(std::filesystem::path(datafile()).parent_path());
        RecordList list;
        for (const BrewFields& f : brews)
            createnewrec(list, f);
        FakeMessages quiet;
        ASSERT_TRUE(DataFile(datafile()).save(list, shopping, false, quiet));
    }

    // Sets values in the settings file before the window starts.
    void storesettings(const std::vector<std::pair<const char*, QVariant>>& values)
    {
        QSettings file(settingsfile(), QSettings::IniFormat);
        for (const auto& [name, value] : values)
            file.setValue(name, value);
        file.sync();
    }

    TForm1& start(bool show = true)
    {
        form = std::make_unique<TForm1>(MainServices{messages, clock, *store, FormatSettings{}, paths()});
        if (show) {
            form->show();
            QApplication::setActiveWindow(form.get());
            QApplication::processEvents();
        }
        return *form;
    }

    // Closes the window as the user would; the settings store is read back
    // from its file afterwards.
    void closeform()
    {
        form->close();
        form.reset();
        store = std::make_unique<QtSettingsStore>(settingsfile());
    }

    static void waitfor(const std::function<bool()>& done, int ms = 2000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    static void presskey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &release);
    }

    // The "No." column of every data row, top down.
    std::vector<QString> numbercolumn() const
    {
        std::vector<QString> out;
        for (int row = 1; row < form->grid->RowCount(); ++row)
            out.push_back(form->grid->Cells(0, row));
        return out;
    }

    // True when row r of the list shows the record at list position r - 1.
    bool rowsfollowlist() const
    {
        if (form->grid->RowCount() - 1 != int(form->recordlist.size()))
            return false;
        for (int row = 1; row < form->grid->RowCount(); ++row) {
            const auto& rec = *form->recordlist[row - 1];
            const QString num = rec.num > 0 ? QString::number(rec.num) : QString();
            if (form->grid->Cells(0, row) != num || form->grid->Cells(10, row) != QString::number(row))
                return false;
        }
        return true;
    }
};

// Closes, unanswered, whatever modal window a command opens while it lives,
// for tests that trigger commands without working in their windows.
class ModalCloser {
public:
    ModalCloser()
    {
        timer_.callOnTimeout([] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->hide();
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

// Counts the times an action is triggered.
struct TriggerCount {
    int count = 0;
    explicit TriggerCount(QAction* action)
    {
        QObject::connect(action, &QAction::triggered, [this] { ++count; });
    }
};

inline BrewFields brew(int num, const std::string& name, TDateTime down = nodate, double alc = notgivenreal)
{
    BrewFields f;
    f.num = num;
    f.kit = name + " kit";
    f.batchname = name;
    f.down = down;
    f.alc = alc;
    return f;
}
