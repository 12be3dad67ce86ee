#include <QApplication>

#include "mainform/tform1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvanti");
    QApplication::setApplicationName("Malvora");
    QApplication::setApplicationDisplayName("Malvora");
    TForm1 window;
    window.show();
    return app.exec();
}
