// Start-up of the main window with a data file of 10,000 brews, from creating
// the window to its first paint. Budget: under 0.5 s.
// Usage: startup_uibench [brews]
#include <QApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "mainform/tform1.h"
#include "platform/clock.h"
#include "platform/fakemessages.h"
#include "platform/qtsettingsstore.h"
#include "records/calendar.h"
#include "records/datafile.h"

namespace {

using Steady = std::chrono::steady_clock;

void writebrews(const std::string& path, int count)
{
    RecordList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        BrewFields f;
        f.num = i + 1;
        f.kit = "Kit " + std::to_string(i % 97);
        f.batchname = "Batch " + std::to_string(i);
        f.down = encodedate(2000, 1, 1) + i;
        f.bottled = f.down + 14;
        f.days1 = 7;
        f.days2 = 14;
        f.brewtemp = 20.5;
        f.alc = 4.0 + (i % 30) / 10.0;
        f.minub = f.down + 42;
        f.maxub = f.down + 365;
        createnewrec(list, f);
    }
    FakeMessages messages;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    DataFile(path).save(list, "", false, messages);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int brews = argc > 1 ? std::stoi(argv[1]) : 10000;
    QTemporaryDir home;
    const std::string appdata = home.path().toStdString() + "/appdata";
    writebrews(appdata + "/Orvanti/Malvora/malvora.dat", brews);

    FakeMessages messages;
    FixedClock clock(encodedate(2025, 1, 15));
    QtSettingsStore store(home.path() + "/Malvora.conf");
    StartPaths paths;
    paths.programfile = home.path().toStdString() + "/malvora";
    paths.programdir = home.path().toStdString() + "/";
    paths.appdatafolder = appdata;

    const auto start = Steady::now();
    TForm1 form({messages, clock, store, FormatSettings{}, paths});
    form.show();
    form.grab();  // the first paint
    QApplication::processEvents();
    const double seconds = std::chrono::duration<double>(Steady::now() - start).count();

    std::printf("start-up to a shown window, %d brews: %.3f s (budget 0.5 s)\n", int(form.recordlist.size()),
                seconds);
    return 0;
}
