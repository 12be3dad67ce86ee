#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include "platform/datafolder.h"
#include "platform/qtext.h"
#include "platform/startpaths.h"

StartPaths systemstartpaths()
{
    StartPaths paths;
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString file = program.canonicalFilePath().isEmpty() ? program.absoluteFilePath()
                                                               : program.canonicalFilePath();
    const QString folder = QFileInfo(file).absolutePath();
    paths.programfile = fromqs(file);
    paths.programdir = fromqs(folder.endsWith('/') ? folder : folder + '/');
    paths.appdatafolder = fromqs(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QStorageInfo volume(folder);
    paths.removable = volume.isValid() && blockdeviceremovable("/sys", volume.device().toStdString());
    return paths;
}
