#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

void shellopen(const QString& fileoraddress)
{
    const QUrl url = fileoraddress.contains("://") ? QUrl(fileoraddress) : QUrl::fromLocalFile(fileoraddress);
    QDesktopServices::openUrl(url);
}
