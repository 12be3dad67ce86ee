#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

void shellopen(const QString& fileoraddress)
{
    const bool address = fileoraddress.contains("://") || fileoraddress.startsWith("mailto:", Qt::CaseInsensitive);
    const QUrl url = address ? QUrl(fileoraddress) : QUrl::fromLocalFile(fileoraddress);
    QDesktopServices::openUrl(url);
}
