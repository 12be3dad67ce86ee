#include "mainform/tform1.h"
#include "platform/guardedapplication.h"
#include "platform/qtclock.h"
#include "platform/qtmessages.h"
#include "platform/qtsettingsstore.h"
#include "platform/singleinstance.h"
#include "platform/systemlocale.h"

int main(int argc, char* argv[])
{
    QtMessages messages;
    GuardedApplication app(argc, argv, messages);
    QApplication::setOrganizationName("Orvanti");
    QApplication::setApplicationName("Malvora");
    QApplication::setApplicationDisplayName("Malvora");

    SingleInstance instance;
    if (!instance.start())
        return 0;

    SystemClock clock;
    QtSettingsStore settings;
    TForm1 window({messages, clock, settings, systemformatsettings(), systemstartpaths()});
    QObject::connect(&instance, &SingleInstance::activate, &window, &TForm1::bringtofront);
    window.show();
    return app.exec();
}
